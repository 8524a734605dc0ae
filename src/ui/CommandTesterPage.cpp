#include "ui/CommandTesterPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "machines/TunerModel.h"
#include "ui/LogView.h"
#include "ui/MacroEditorDialog.h"

namespace {
constexpr std::size_t kReadChunk = 512;
constexpr int kMacroColumns = 8;

// A label is shown as typed: "&" is no mnemonic here.
QString ButtonText(const QString& label) {
  QString text = label;
  return text.replace(u'&', QStringLiteral("&&"));
}
}  // namespace

CCommandTesterPage::CCommandTesterPage(QWidget* parent)
    : CPage(tr("Command Tester"), QStringLiteral("CommandTester.htm"), parent),
      m_runMacroEditor([](CMacroEditorDialog& editor) { return editor.exec(); }) {
  CAppInfoBase& settings = GetModel().AppInfo;
  MacroLabels.Load(settings);
  DefaultEmptyLabels();
  MacroTexts.Load(settings);
  m_sentFormat.setForeground(QColor(0, 153, 0));
  m_receivedFormat.setForeground(Qt::black);
  BuildControls();
}

void CCommandTesterPage::BuildControls() {
  m_commandLine = new QLineEdit(this);
  m_output = new CLogView(this);
  m_editMacros = new QPushButton(tr("Edit Macros"), this);
  m_clear = new QPushButton(tr("Clear"), this);
  m_clear->setToolTip(LoadString(Str::ClearTooltip));
  m_commandLine->setFont(CLogView::LogFont());
  m_output->setFont(CLogView::LogFont());
  m_output->setReadOnly(true);
  m_output->setLineWrapMode(QTextEdit::WidgetWidth);
  m_focusAfterSend = m_commandLine;
  setFocusProxy(m_commandLine);

  auto* top = new QHBoxLayout;
  top->addWidget(m_commandLine, 1);
  top->addWidget(m_editMacros);
  top->addWidget(m_clear);
  auto* macros = new QGridLayout;
  for (std::size_t i = 0; i < kMacros; ++i) {
    m_macroButtons[i] = new QPushButton(ButtonText(MacroLabels.Get(i)), this);
    m_macroButtons[i]->setAutoDefault(false);
    macros->addWidget(m_macroButtons[i], static_cast<int>(i) / kMacroColumns, static_cast<int>(i) % kMacroColumns);
    connect(m_macroButtons[i], &QPushButton::clicked, this, [this, i] { SendMacro(i); });
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("Enter command. Enter key or semicolon sends:"), this));
  layout->addLayout(top);
  layout->addLayout(macros);
  layout->addWidget(m_output, 1);

  connect(m_commandLine, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (text.endsWith(u';')) SendText(text);
  });
  connect(m_commandLine, &QLineEdit::returnPressed, this, [this] { SendText(m_commandLine->text()); });
  connect(m_clear, &QPushButton::clicked, this, [this] {
    m_output->clear();
    m_focusAfterSend = m_clear;
  });
  connect(m_editMacros, &QPushButton::clicked, this, &CCommandTesterPage::EditMacros);
}

void CCommandTesterPage::DefaultEmptyLabels() {
  for (std::size_t i = 0; i < kMacros; ++i)
    if (MacroLabels.Get(i).isEmpty()) MacroLabels.Set(i, FormatString(Str::MacroDefaultLabel, static_cast<unsigned>(i + 1)));
}

void CCommandTesterPage::SendText(const QString& text) {
  CTunerModel& model = GetModel();
  if (text.isEmpty() || model.FirmwareStatus.Get() == FirmwareStatusNone) return;
  m_commandLine->clear();
  m_output->AppendText(text, m_sentFormat);
  // One write: the tuner splits the text at its semicolons.
  model.WriteText(text);
  m_output->AppendText(QStringLiteral("\r\n"), m_sentFormat);
  if (m_focusAfterSend != nullptr) m_focusAfterSend->setFocus();
}

void CCommandTesterPage::SendMacro(std::size_t index) {
  m_focusAfterSend = m_macroButtons.at(index);
  SendText(m_commandLine->text() + MacroTexts.Get(index));
}

void CCommandTesterPage::EditMacros() {
  CMacroEditorDialog editor(MacroLabels, MacroTexts, this);
  if (m_runMacroEditor(editor) != QDialog::Accepted) return;
  DefaultEmptyLabels();
  CAppInfoBase& settings = GetModel().AppInfo;
  MacroLabels.Save(settings);
  MacroTexts.Save(settings);
}

void CCommandTesterPage::OnCommEvent() {
  CSerialPort& channel = *GetModel().Channel;
  QString received;
  char buffer[kReadChunk];
  std::size_t got = 0;
  while (channel.IsOpen() && channel.Read(buffer, sizeof buffer, got) && got > 0) {
    for (std::size_t i = 0; i < got; ++i)
      if (buffer[i] != '\r') received += QChar(static_cast<uchar>(buffer[i]));
  }
  if (!received.isEmpty()) m_output->AppendText(received, m_receivedFormat);
}

void CCommandTesterPage::OnShown() {
  SubscribeAndNotify(MacroLabels);
  SubscribeAndNotify(GetModel().FirmwareStatus);
  m_commandLine->setFocus();
}

void CCommandTesterPage::OnModelEvent(const CModelEvent& event) {
  switch (event.Message) {
    case Msg::MacroLabels:
      if (event.Param < kMacros) m_macroButtons[event.Param]->setText(ButtonText(MacroLabels.Get(event.Param)));
      break;
    case Msg::FirmwareStatus: EnableControls(); break;
    default: break;
  }
}

void CCommandTesterPage::EnableControls() {
  const bool enabled = GetModel().FirmwareStatus.Get() != FirmwareStatusNone;
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) child->setEnabled(enabled);
}
