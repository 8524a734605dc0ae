#include "ui/TabView.h"

#include "ui/CommandTesterPage.h"
#include "ui/ConfigurationPage.h"
#include "ui/FirmwarePage.h"
#include "ui/OperatePage.h"
#include "ui/PortPage.h"

CTabView::CTabView(QWidget* parent) : QTabWidget(parent) { CreatePages(); }

// Every page of the program is made here, in tab order.
void CTabView::CreatePages() {
  AddPage(new CPortPage(this));
  m_firmwarePageIndex = count();
  AddPage(new CFirmwarePage(this));
  AddPage(new COperatePage(this));
  AddPage(new CConfigurationPage(this));
  AddPage(new CCommandTesterPage(this));
}

void CTabView::AddPage(CPage* page) {
  addTab(page, page->Title());
  connect(page, &CPage::HelpRequested, this, &CTabView::HelpRequested);
  connect(page, &CPage::StatusMessage, this, &CTabView::StatusMessage);
}

CPage* CTabView::Page(int index) const { return qobject_cast<CPage*>(widget(index)); }
