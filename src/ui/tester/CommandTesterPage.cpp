#include "ui/tester/CommandTesterPage.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "machines/connection/TunerModel.h"
#include "ui/shell/Accessible.h"
#include "ui/shell/LogView.h"
#include "ui/tester/MacroEditorDialog.h"
#include "ui/tester/Transcript.h"

namespace {
constexpr std::size_t kReadChunk = 512;
constexpr int kMacroColumns = 8;
constexpr qsizetype kHistoryLength = 100;
// Longer labels are cut short on the button; the tooltip keeps them whole.
constexpr int kLabelCharacters = 14;

// A label is shown as typed: "&" is no mnemonic here.
QString ButtonText(const QString& label) {
  QString text = label;
  return text.replace(u'&', QStringLiteral("&&"));
}
}  // namespace

CCommandTesterPage::CCommandTesterPage(QWidget* parent)
    : CPage(tr("Command &Tester"), QStringLiteral("CommandTester.htm"), parent) {
  CAppInfoBase& settings = GetModel().AppInfo;
  MacroLabels.Load(settings);
  DefaultEmptyLabels();
  MacroTexts.Load(settings);
  BuildControls();
}

void CCommandTesterPage::BuildControls() {
  m_commandLine = new QLineEdit(this);
  m_output = new CLogView(this);
  m_editMacros = new QPushButton(tr("Edit &Macros"), this);
  m_clear = new QPushButton(tr("C&lear"), this);
  m_clear->setToolTip(LoadString(Str::ClearTooltip));
  m_commandLine->setFont(CLogView::LogFont());
  m_output->setFont(CLogView::LogFont());
  m_output->setReadOnly(true);
  m_output->setLineWrapMode(QTextEdit::WidgetWidth);
  m_output->EnableSaving(tr("Save Transcript &As..."), QStringLiteral("ZU6400 transcript.txt"));
  m_output->setAccessibleName(tr("Transcript"));
  m_transcript = new CTranscript(*m_output, this);
  m_timeStamps = new QCheckBox(tr("Time &stamps"), this);
  m_hexadecimal = new QCheckBox(tr("He&xadecimal"), this);
  m_commandLine->setObjectName("commandLine");
  m_editMacros->setObjectName("editMacrosButton");
  m_output->setObjectName("transcript");
  m_timeStamps->setObjectName("timeStampsBox");
  m_hexadecimal->setObjectName("hexadecimalBox");
  m_commandLine->installEventFilter(this);
  m_focusAfterSend = m_commandLine;
  setFocusProxy(m_commandLine);

  auto* top = new QHBoxLayout;
  top->addWidget(m_commandLine, 1);
  top->addWidget(m_timeStamps);
  top->addWidget(m_hexadecimal);
  top->addWidget(m_editMacros);
  top->addWidget(m_clear);
  auto* macros = new QGridLayout;
  for (std::size_t i = 0; i < kMacros; ++i) {
    m_macroButtons[i] = new QPushButton(this);
    m_macroButtons[i]->setAutoDefault(false);
    m_macroButtons[i]->setObjectName(QStringLiteral("macro%1").arg(i));
    ShowMacroLabel(i);
    macros->addWidget(m_macroButtons[i], static_cast<int>(i) / kMacroColumns, static_cast<int>(i) % kMacroColumns);
    connect(m_macroButtons[i], &QPushButton::clicked, this, [this, i] { SendMacro(i); });
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuddyLabel(tr("&Enter command. Enter key or semicolon sends:"), m_commandLine));
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
  connect(m_timeStamps, &QCheckBox::toggled, m_transcript, &CTranscript::SetTimeStamps);
  connect(m_hexadecimal, &QCheckBox::toggled, m_transcript, &CTranscript::SetHexadecimal);
}

void CCommandTesterPage::ShowMacroLabel(std::size_t index) {
  const QString label = MacroLabels.Get(index);
  QPushButton* button = m_macroButtons[index];
  const QFontMetrics metrics(button->font());
  button->setText(ButtonText(metrics.elidedText(label, Qt::ElideRight, metrics.averageCharWidth() * kLabelCharacters)));
  button->setToolTip(label);
}

// Up goes back through the commands sent, Down forward again.
bool CCommandTesterPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_commandLine && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      Recall(key == Qt::Key_Up ? 1 : -1);
      return true;
    }
  }
  return CPage::eventFilter(watched, event);
}

void CCommandTesterPage::Recall(int step) {
  m_recall = std::clamp<qsizetype>(m_recall + step, 0, m_history.size());
  // Blocked: a recalled command ending in ";" must not send itself.
  const QSignalBlocker blocker(m_commandLine);
  m_commandLine->setText(m_recall == 0 ? QString() : m_history.at(m_history.size() - m_recall));
}

void CCommandTesterPage::DefaultEmptyLabels() {
  for (std::size_t i = 0; i < kMacros; ++i)
    if (MacroLabels.Get(i).isEmpty()) MacroLabels.Set(i, FormatString(Str::MacroDefaultLabel, static_cast<unsigned>(i + 1)));
}

void CCommandTesterPage::SendText(const QString& text) {
  CTunerModel& model = GetModel();
  if (text.isEmpty() || model.FirmwareStatus.Get() == FirmwareStatusNone) return;
  m_commandLine->clear();
  if (m_history.isEmpty() || m_history.constLast() != text) m_history << text;
  if (m_history.size() > kHistoryLength) m_history.removeFirst();
  m_recall = 0;
  m_transcript->Sent(text);
  // One write: the tuner splits the text at its semicolons.
  model.WriteText(text);
  if (m_focusAfterSend != nullptr) m_focusAfterSend->setFocus();
}

void CCommandTesterPage::SendMacro(std::size_t index) {
  m_focusAfterSend = m_macroButtons.at(index);
  SendText(m_commandLine->text() + MacroTexts.Get(index));
}

// Apply keeps what it applied, as OK does: a Cancel after it takes nothing back.
void CCommandTesterPage::EditMacros() {
  CMacroEditorDialog editor(MacroLabels, MacroTexts, this);
  connect(editor.Buttons().button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
          &CCommandTesterPage::SaveMacros);
  if (editor.exec() == QDialog::Accepted) SaveMacros();
}

void CCommandTesterPage::SaveMacros() {
  DefaultEmptyLabels();
  CAppInfoBase& settings = GetModel().AppInfo;
  MacroLabels.Save(settings);
  MacroTexts.Save(settings);
}

void CCommandTesterPage::OnCommEvent() {
  CSerialPort& channel = *GetModel().Channel;
  QByteArray received;
  char buffer[kReadChunk];
  std::size_t got = 0;
  while (channel.IsOpen() && channel.Read(buffer, sizeof buffer, got) && got > 0)
    received.append(buffer, static_cast<qsizetype>(got));
  if (!received.isEmpty()) m_transcript->Received(received);
}

void CCommandTesterPage::OnShown() {
  SubscribeAndNotify(MacroLabels);
  SubscribeAndNotify(GetModel().FirmwareStatus);
  m_commandLine->setFocus();
}

void CCommandTesterPage::OnModelEvent(const CModelEvent& event) {
  switch (event.Message) {
    case Msg::MacroLabels:
      if (event.Param < kMacros) ShowMacroLabel(event.Param);
      break;
    case Msg::FirmwareStatus: EnableControls(); break;
    default: break;
  }
}

void CCommandTesterPage::EnableControls() {
  const bool enabled = GetModel().FirmwareStatus.Get() != FirmwareStatusNone;
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) child->setEnabled(enabled);
}
