#include "model/ModelBase.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "base/StringTable.h"
#include "base/TextFormat.h"

template <class M>
CSerialPortSpeedValue<M>::CSerialPortSpeedValue(M& model) : CEventSource(Msg::SerialSpeed), m_model(model) {}

template <class M>
std::uint32_t CSerialPortSpeedValue<M>::Get() const {
  return m_model.Channel ? m_model.Channel->Speed() : 0;
}

template <class M>
void CSerialPortSpeedValue<M>::Set(std::uint32_t bitRate) {
  CSerialPort& channel = *m_model.Channel;
  if (m_model.IsPortOpen() && channel.Speed() != bitRate && CSerialPort::IsAcceptedSpeed(bitRate))
    channel.SetSpeed(bitRate);  // reports a refusal itself and keeps the old rate
  if (channel.Speed() == bitRate) m_model.PurgeReceive();
  Fire(0);
}

template class CSerialPortSpeedValue<CModelBase>;

CModelBase::CModelBase() : Channel(std::make_unique<CSerialPort>()) {
  Persistables = {&ActivePage, &AdvancedMode, &FirmwareFolder, &FirmwareLoadRetryLimit, &FixedSerialSpeed,
                  &LoaderFlags, &Port, &Trace, &VerboseLogging, &FirmwareServer};
  connect(Channel.get(), &CSerialPort::InputWaiting, this, &CModelBase::RouteCommEvent);
  connect(Channel.get(), &CSerialPort::LogLine, this, &CModelBase::LogText);
  connect(Channel.get(), &CSerialPort::ErrorReported, this,
          [this](const QString& title, const QString& text) { MessageBoxAndLog(title, text, BoxIcon::Error); });
  // The channel closes itself when the device goes away; the model follows so
  // that everybody sees the port closed.
  connect(Channel.get(), &CSerialPort::DeviceLost, this, &CModelBase::ClosePort);
}

CModelBase::~CModelBase() {
  Channel->disconnect(this);
  Channel->Close();
  ContactMachine.reset();
  Channel.reset();
}

void CModelBase::ClosePort() {
  Channel->Close();
  PortState.Set(-1);
  ResetDeviceInfo();
}

bool CModelBase::PurgeReceive() { return Channel->PurgeReceive(); }

void CModelBase::ResetDeviceInfo() {
  McuVersion.Set(0);
  SerialNumber.Set(0xFFFF);
  FirmwareStatus.Set(FirmwareStatusNone);
  IdentityReply.clear();
}

QString CModelBase::VersionText(unsigned short version) {
  switch (version) {
    case McuVersionValue::Unknown: return QStringLiteral("??.??");
    case McuVersionValue::NotAvailable: return QStringLiteral(" N/A ");
    case McuVersionValue::Loading: return tr("Loading");
    default: return Format("%02u.%02u", version / 100u, version % 100u);
  }
}

QString CModelBase::GetVersionText() const { return VersionText(McuVersion.Get()); }

QString CModelBase::NoAnswerText() const {
  return Format(tr("The %s did not answer on %s. Check that it is switched on, that the cable is connected at "
                   "both ends, that this is the port it is connected to, and that the speed is AUTO or the tuner's "
                   "speed."),
                ModelName(), Run.port);
}

QString CModelBase::ConnectionLostText() const {
  return Format(tr("The connection to the %s on %s was lost: the adapter was unplugged or switched off"), ModelName(),
                Run.port);
}

QString CModelBase::FirmwareNeededText(unsigned short needed) const {
  return Format(tr("Needs firmware %s or newer; this %s has %s"), VersionText(needed), ModelName(), GetVersionText());
}

QString CModelBase::GetShortStatusText() const {
  return Format(tr("%s MCU version %s"), ModelName(), GetVersionText());
}

QString CModelBase::GetStatusText() const {
  return GetShortStatusText() + FormatString(Str::TitlePortSpeed, Run.port, GetBitRate());
}

QString CModelBase::GetLoaderStatusText() const {
  return Format(tr("%s waiting for firmware load"), ModelName()) +
         FormatString(Str::TitlePortSpeed, Run.port, GetBitRate());
}

// The user's data folder (else documents) + "/Corvanta/" + leaf, each level
// created; failures to create are left to the job that writes there. Empty
// when the system names no such folder.
QString CModelBase::MakerDataFolder(const QString& leaf) {
  QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (base.isEmpty()) base = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  while (base.endsWith(u'/') && base.size() > 1) base.chop(1);
  if (base.isEmpty()) return {};
  QString folder = base + QStringLiteral("/Corvanta");
  QDir().mkpath(folder);
  folder += u'/' + leaf;
  QDir().mkpath(folder);
  return folder;
}

QString CModelBase::DefaultFirmwareFolder() const { return MakerDataFolder(Format("%s Firmware", ModelName())); }

QString CModelBase::DefaultConfigurationFolder() const {
  return MakerDataFolder(Format("%s Configuration", ModelName()));
}
QString CModelBase::DefaultFirmwareServer() { return QStringLiteral("ftp://") + LoadString(Str::FtpServerHost); }

void CModelBase::LoadSettings() {
  for (IPersistable* p : Persistables) p->Load(AppInfo);
  const QString folder = DefaultFirmwareFolder();
  if (FirmwareFolder.Get().isEmpty()) FirmwareFolder.Set(folder);
  Run = {Port.Get(), FixedSerialSpeed.Get(), FirmwareFolder.Get(), FirmwareServer.Get()};
}

void CModelBase::SaveSettings() {
  for (IPersistable* p : Persistables) p->Save(AppInfo);
}

bool CModelBase::WriteText(const QString& text) { return Channel->WriteText(text); }

bool CModelBase::WriteBytes(const char* bytes, std::size_t length) { return Channel->WriteBytes(bytes, length); }

ResultCode CModelBase::OpenPort(const QString& name) {
  const ResultCode code = Channel->Open(name);
  PortState.Set(code == Result::Success ? 0 : -1);
  return code;
}

void CModelBase::ChoosePort(const QString& port) {
  Run.port = port;
  // Back from a port of this run's own (the simulated tuner's) to the saved one.
  if (Port.Get() == port)
    Port.Fire(0);
  else
    Port.Set(port);
}

void CModelBase::ChooseFixedSpeed(unsigned long speed) {
  Run.fixedSpeed = speed;
  FixedSerialSpeed.Set(speed);
}

void CModelBase::ChooseFirmwareFolder(const QString& folder) {
  Run.firmwareFolder = folder;
  FirmwareFolder.Set(folder);
}

void CModelBase::SetNotifyWindow(QObject* window) { NotifyWindow = window; }

void CModelBase::SendToNotifyWindow(CModelEvent& event) const {
  if (NotifyWindow != nullptr) QCoreApplication::sendEvent(NotifyWindow, &event);
}

void CModelBase::LogText(const QString& text) const {
  CModelEvent event(Msg::LogText, 0, text);
  SendToNotifyWindow(event);
}

void CModelBase::SendBox(const QString& title, const QString& text, BoxIcon icon, bool logged) const {
  CModelEvent event(Msg::MessageBox, static_cast<std::uintptr_t>(icon), text);
  event.Title = title;
  event.Logged = logged;
  SendToNotifyWindow(event);
}

void CModelBase::MessageBox(const QString& title, const QString& text, BoxIcon icon) const {
  SendBox(title, text, icon, false);
}

void CModelBase::MessageBoxAndLog(const QString& title, const QString& text, BoxIcon icon) const {
  LogText(text);
  SendBox(title, text, icon, true);
}

void CModelBase::RouteCommEvent() {
  if (ContactMachine && !ContactMachine->IsIdle()) {
    ContactMachine->OnCommEvent();
  } else if (ActiveMachine != nullptr && !ActiveMachine->IsIdle()) {
    ActiveMachine->OnCommEvent();
  } else {
    CModelEvent event(Msg::CommEvent, 1);
    SendToNotifyWindow(event);
  }
}
