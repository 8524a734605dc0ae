#include "ui/tester/MacroEditorDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/StringTable.h"
#include "ui/shell/Accessible.h"
#include "ui/shell/Help.h"

CMacroEditorPage::CMacroEditorPage(Macros& labels, Macros& texts, QWidget* parent)
    : CPage(LoadString(Str::MacroPageTitle), QStringLiteral("CommandTester.htm#MacroEditor"), parent),
      m_labelValues(labels),
      m_textValues(texts) {
  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(tr("Macro Label"), this), 0, 1);
  layout->addWidget(new QLabel(tr("Macro Text"), this), 0, 2);
  for (std::size_t i = 0; i < kRows; ++i) {
    const int row = static_cast<int>(i) + 1;
    m_labels[i] = new QLineEdit(this);
    m_texts[i] = new QLineEdit(this);
    m_labels[i]->setAccessibleName(tr("Macro %1 label").arg(row));
    m_texts[i]->setAccessibleName(tr("Macro %1 text").arg(row));
    m_labels[i]->setObjectName(QStringLiteral("macroLabel%1").arg(i));
    m_texts[i]->setObjectName(QStringLiteral("macroText%1").arg(i));
    m_labels[i]->setEnabled(false);
    m_texts[i]->setEnabled(false);
    layout->addWidget(new QLabel(QString::number(row), this), row, 0);
    layout->addWidget(m_labels[i], row, 1);
    layout->addWidget(m_texts[i], row, 2);
  }
  layout->setColumnStretch(2, 1);
}

void CMacroEditorPage::OnShown() {
  SubscribeAndNotify(m_labelValues);
  SubscribeAndNotify(m_textValues);
}

void CMacroEditorPage::OnModelEvent(const CModelEvent& event) {
  const std::size_t i = event.Param;
  if (i >= kRows) return;
  QLineEdit* edit = nullptr;
  if (event.Message == m_labelValues.Message()) {
    edit = m_labels[i];
    edit->setText(m_labelValues.Get(i));
  } else if (event.Message == m_textValues.Message()) {
    edit = m_texts[i];
    edit->setText(m_textValues.Get(i));
  }
  if (edit != nullptr) edit->setEnabled(true);
}

void CMacroEditorPage::Apply() {
  for (std::size_t i = 0; i < kRows; ++i) {
    m_labelValues.Set(i, m_labels[i]->text());
    m_textValues.Set(i, m_texts[i]->text());
  }
}

CMacroEditorDialog::CMacroEditorDialog(CMacroEditorPage::Macros& labels, CMacroEditorPage::Macros& texts,
                                         QWidget* parent)
    : QDialog(parent),
      m_page(new CMacroEditorPage(labels, texts)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply |
                                         QDialogButtonBox::Help,
                                     this)) {
  setWindowTitle(LoadString(Str::MacroEditorTitle));
  GiveMnemonics(*m_buttons);
  auto* tabs = new QTabWidget(this);
  tabs->addTab(m_page, m_page->Title());
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  layout->addWidget(m_buttons);

  connect(m_buttons, &QDialogButtonBox::accepted, this, [this] {
    m_page->Apply();
    accept();
  });
  connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, m_page, &CMacroEditorPage::Apply);
  connect(m_buttons, &QDialogButtonBox::helpRequested, m_page, &CPage::RequestHelp);
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, m_page, &CPage::RequestHelp);
  connect(m_page, &CPage::HelpRequested, this, &CHelp::Show);
}
