#include "ui/shell/TabView.h"

#include <QScrollArea>

#include "ui/tester/CommandTesterPage.h"
#include "ui/configuration/ConfigurationPage.h"
#include "ui/firmware/FirmwarePage.h"
#include "ui/operate/OperatePage.h"
#include "ui/connection/PortPage.h"

namespace {
// A page's window onto its page: it asks for the page's whole size, and below
// the page's minimum it scrolls.
class CPageScroller : public QScrollArea {
 public:
  explicit CPageScroller(CPage* page) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(page);
  }
  QSize sizeHint() const override { return widget()->sizeHint(); }
};
}  // namespace

CTabView::CTabView(QWidget* parent) : QTabWidget(parent) { CreatePages(); }

// Every page of the program is made here, in tab order.
void CTabView::CreatePages() {
  AddPage(m_portPage = new CPortPage(this));
  AddPage(m_firmwarePage = new CFirmwarePage(this));
  AddPage(m_operatePage = new COperatePage(this));
  AddPage(new CConfigurationPage(this));
  AddPage(new CCommandTesterPage(this));
}

void CTabView::AddPage(CPage* page) {
  m_pages.append(page);
  addTab(new CPageScroller(page), page->Title());
  connect(page, &CPage::HelpRequested, this, &CTabView::HelpRequested);
  connect(page, &CPage::StatusMessage, this, &CTabView::StatusMessage);
}

CPage* CTabView::Page(int index) const { return m_pages.value(index); }

QSize CTabView::PageFrame() const { return size() - currentWidget()->size(); }
