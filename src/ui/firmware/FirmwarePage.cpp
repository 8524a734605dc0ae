#include "ui/firmware/FirmwarePage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

#include "base/ProgramVersion.h"
#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "machines/connection/TunerModel.h"
#include "model/ModelReportSink.h"
#include "ui/shell/Accessible.h"
#include "ui/firmware/FtpDialog.h"
#include "ui/shell/LogView.h"
#include "ui/firmware/McuLoaderDialog.h"
#include "ui/shell/UserPrompts.h"

namespace {
// The whole seconds a job took, rounded to the nearest.
unsigned ElapsedSeconds(qint64 milliseconds) { return static_cast<unsigned>((milliseconds + 500) / 1000); }

// Enough for days of operation; the oldest lines go first.
constexpr int kActivityLogLimit = 2097152;

// Linux paths run far longer than the 260 characters of older systems; a
// shorter limit would cut a chosen folder when the box loses focus.
constexpr int kFolderLimit = 4096;

QString WithModelName(const QString& text) { return QString(text).replace(QStringLiteral("??"), ModelName()); }

QString SystemLine() {
  return QStringLiteral("OS ") + QSysInfo::prettyProductName() + u' ' + QSysInfo::kernelType() + u' ' +
         QSysInfo::kernelVersion();
}

}  // namespace

CFirmwarePage::CFirmwarePage(QWidget* parent)
    : CPage(tr("F&irmware"), QStringLiteral("Firmware.htm"), parent), m_log(new CLogView(this)) {
  auto* layout = new QGridLayout(this);
  layout->addWidget(CreateFolderGroup(), 0, 0, 1, 2);
  layout->addWidget(CreateCheckGroup(), 1, 0);
  layout->addWidget(CreateVersionGroup(), 1, 1);
  layout->addWidget(CreateLogGroup(), 2, 0, 1, 2);
  layout->setRowStretch(2, 1);
  setFocusProxy(m_check);
  m_log->AppendLogLine(CProgramVersion::VersionText());
  m_log->AppendLogLine(SystemLine());
}

QWidget* CFirmwarePage::CreateFolderGroup() {
  auto* group = new QGroupBox(tr("Folder Location"), this);
  m_folderBox = new QLineEdit(group);
  m_folderBox->setMaxLength(kFolderLimit);
  m_default = new QPushButton(tr("&Default"), group);
  m_browse = new QPushButton(tr("&Browse..."), group);
  m_default->setToolTip(FormatString(Str::DefaultFolderTip, ModelName()));
  m_browse->setToolTip(LoadString(Str::BrowseTip));
  m_folderBox->setObjectName("folderBox");
  m_default->setObjectName("defaultButton");
  m_browse->setObjectName("browseButton");
  auto* layout = new QGridLayout(group);
  layout->addWidget(BuddyLabel(tr("&Local folder for firmware files:"), m_folderBox), 0, 0);
  layout->addWidget(m_default, 0, 2);
  layout->addWidget(m_browse, 0, 3);
  layout->addWidget(m_folderBox, 1, 0, 1, 4);
  layout->setColumnStretch(1, 1);
  // Enter moves on like Tab; leaving the box stores what it holds.
  connect(m_folderBox, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
  connect(m_folderBox, &QLineEdit::editingFinished, this,
          [this] { GetModel().ChooseFirmwareFolder(m_folderBox->text().trimmed()); });
  connect(m_default, &QPushButton::clicked, this,
          [] { GetModel().ChooseFirmwareFolder(GetModel().DefaultFirmwareFolder()); });
  connect(m_browse, &QPushButton::clicked, this, &CFirmwarePage::Browse);
  return group;
}

QWidget* CFirmwarePage::CreateCheckGroup() {
  auto* group = new QGroupBox(tr("Check for New Files"), this);
  m_check = new QPushButton(tr("Check Version &Now"), group);
  m_copy = new QPushButton(tr("Copy New Files from Co&rvanta"), group);
  m_check->setToolTip(FormatString(Str::CheckVersionTip, ModelName()));
  m_copy->setToolTip(LoadString(Str::CopyNewFilesTip));
  m_check->setObjectName("checkButton");
  m_copy->setObjectName("copyButton");
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(m_check);
  layout->addWidget(m_copy);
  layout->addStretch();
  connect(m_check, &QPushButton::clicked, this, &CFirmwarePage::CheckVersionNow);
  connect(m_copy, &QPushButton::clicked, this, &CFirmwarePage::CopyNewFiles);
  return group;
}

QWidget* CFirmwarePage::CreateVersionGroup() {
  auto* group = new QGroupBox(tr("Firmware Version"), this);
  m_installed = new QLabel(GetModel().VersionText(McuVersionValue::Unknown), group);
  m_available = new QLabel(GetModel().VersionText(McuVersionValue::Unknown), group);
  m_installed->setAccessibleDescription(WithModelName(tr("Installed in ??")));
  m_available->setAccessibleDescription(tr("Available"));
  m_send = new QPushButton(WithModelName(tr("&Send Firmware to ??")), group);
  m_send->setEnabled(false);
  m_installed->setObjectName("installedLabel");
  m_available->setObjectName("availableLabel");
  m_send->setObjectName("sendButton");
  auto* layout = new QGridLayout(group);
  layout->addWidget(new QLabel(WithModelName(tr("Installed in ??")), group), 0, 0);
  layout->addWidget(m_installed, 0, 1);
  layout->addWidget(new QLabel(tr("Available"), group), 1, 0);
  layout->addWidget(m_available, 1, 1);
  layout->addWidget(m_send, 0, 3, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
  layout->setColumnStretch(2, 1);
  connect(m_send, &QPushButton::clicked, this, &CFirmwarePage::SendFirmware);
  return group;
}

QWidget* CFirmwarePage::CreateLogGroup() {
  auto* group = new QGroupBox(tr("Activity Lo&g"), this);
  m_log->setParent(group);
  m_log->setObjectName("activityLog");
  m_log->setReadOnly(true);
  m_log->setFont(CLogView::LogFont());
  // Long lines (advice, paths) wrap: a log read sideways is not read.
  m_log->setLineWrapMode(QTextEdit::WidgetWidth);
  m_log->SetCharacterLimit(kActivityLogLimit);
  m_log->EnableSaving(tr("Save Log &As..."), QStringLiteral("ZU6400 activity log.txt"));
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(m_log);
  return group;
}

void CFirmwarePage::OnPageLog(const QString& line) { m_log->AppendLogLine(line); }

void CFirmwarePage::OnShown() {
  CTunerModel& model = GetModel();
  // The folder's notification shows it and checks the versions.
  SubscribeAndNotify(model.FirmwareFolder);
  SubscribeAndNotify(model.FirmwareStatus);
  SubscribeAndNotify(model.McuVersion);
}

void CFirmwarePage::OnModelEvent(const CModelEvent& event) {
  CTunerModel& model = GetModel();
  switch (event.Message) {
    case Msg::FirmwareFolder:
      m_folderBox->setText(model.Run.firmwareFolder);
      CheckVersions();
      break;
    case Msg::McuVersion: m_installed->setText(model.GetVersionText()); break;
    case Msg::FirmwareStatus: EnableSend(); break;
    default: break;
  }
}

void CFirmwarePage::CheckVersions() {
  CTunerModel& model = GetModel();
  CModelReportSink sink(model);
  m_scan = ::CheckVersions(model.Run.firmwareFolder, sink);
  m_available->setText(m_scan.AvailableText());
  EnableSend();
}

void CFirmwarePage::OfferLoadWithoutAnswer(bool offer) {
  m_loadWithoutAnswer = offer;
  EnableSend();
}

void CFirmwarePage::EnableSend() {
  m_send->setEnabled(m_scan.Found() && (GetModel().IsDeviceSupported() || m_loadWithoutAnswer));
  m_send->setToolTip(m_loadWithoutAnswer ? tr("Nothing answers: the load will look for a bootstrap loader left "
                                              "waiting by a load cut short")
                                         : QString());
}

void CFirmwarePage::Browse() {
  CTunerModel& model = GetModel();
  const QString folder = CUserPrompts::Current().ChooseFolder(this, FormatString(Str::BrowseTitle, ModelName()),
                                                                  model.Run.firmwareFolder);
  if (!folder.isEmpty()) model.ChooseFirmwareFolder(QDir::toNativeSeparators(folder));
}

void CFirmwarePage::CheckVersionNow() {
  CheckVersions();
  GetModel().ContactMachine->StartAtOpenPort();
}

void CFirmwarePage::CopyNewFiles() {
  m_scan.Scan(GetModel().Run.firmwareFolder);
  RunDownload();
  GetModel().LogText(LoadString(Str::Ready));
  CheckVersions();
}

void CFirmwarePage::SendFirmware() {
  CTunerModel& model = GetModel();
  if (!model.IsDeviceSupported() && !m_loadWithoutAnswer) {
    model.LogText(Format(tr("Unexpected device %u\n"), unsigned{model.Device.Get()}));
    m_send->setEnabled(false);
    return;
  }
  if (!m_scan.Found()) {
    m_send->setEnabled(false);
    model.MessageBox(LoadString(Str::ErrorTitle), LoadString(Str::NoFirmwareFiles), BoxIcon::Error);
    return;
  }
  // Asked once, as --yes is on the command line: the load cannot be undone.
  const QString now =
      m_loadWithoutAnswer ? tr("nothing answers: the load will look for a bootstrap loader left waiting")
      : model.FirmwareStatus.Get() == FirmwareStatusLoader ? tr("in its bootstrap loader")
                                                           : model.GetVersionText();
  const QString question =
      tr("Send firmware %1 (version %2) to the %3 on %4 (now %5)?\n\nThe %3 restarts in its bootstrap loader. Do not "
         "switch it off until the load is complete.")
          .arg(QDir::toNativeSeparators(m_scan.Path()), m_scan.AvailableText(), ModelName(), model.Run.port, now);
  if (!CUserPrompts::Current().Ask(this, m_send->text(), question)) return;
  QElapsedTimer elapsed;
  elapsed.start();
  model.LogText(FormatString(Str::SendingFirmwareFrom, model.Run.firmwareFolder));
  RunLoader(m_scan.Path());
  model.LogText(FormatString(Str::ElapsedTime, ElapsedSeconds(elapsed.elapsed())));
}

void CFirmwarePage::RunLoader(const QString& imagePath) {
  emit FirmwareLoadStarting(imagePath);
  CMcuLoaderDialog::Run(this, GetModel(), imagePath);
  emit FirmwareLoadEnded();
}

void CFirmwarePage::RunDownload() {
  CTunerModel& model = GetModel();
  CFtpDialog dialog(this, model, model.Run.firmwareFolder, m_scan);
  dialog.exec();
}
