#pragma once
// The one shared state of the program: settings, what is known of the device,
// the serial channel and the contact machine.

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "base/ResultCodes.h"
#include "link/SerialPort.h"
#include "model/AppInfo.h"
#include "model/DeviceTypes.h"
#include "model/ModelEvents.h"
#include "model/Observable.h"
#include "model/Persistable.h"
#include "model/RunSettings.h"
#include "model/SerialPortSpeedValue.h"
#include "model/StateMachine.h"

class CModelBase : public QObject {
  Q_OBJECT
 public:
  CModelBase();
  ~CModelBase() override;

  CPersistable<int, 1> ActivePage{"ActivePage"};
  CPersistable<unsigned long, 1> AdvancedMode{"AdvancedMode", Msg::AdvancedMode};
  CObservable<CorvantaDevice, 1> Device{0, DeviceNone};
  CPersistable<QString, 1> FirmwareFolder{"FirmwareFolder", Msg::FirmwareFolder};
  CPersistable<unsigned long, 1> FirmwareLoadRetryLimit{"FirmwareLoadRetryLimit", 0, 10};
  CPersistable<unsigned long, 1> FixedSerialSpeed{"FixedSerialSpeed", Msg::FixedSerialSpeed};
  CObservable<FirmwareStatusEnum, 1> FirmwareStatus{Msg::FirmwareStatus, FirmwareStatusNone};
  CObservable<unsigned short, 1> McuVersion{Msg::McuVersion, 0};
  CPersistable<unsigned long, 1> LoaderFlags{"LoaderFlags", Msg::LoaderFlags};
  CEventSource MachineFinished{Msg::MachineFinished};
  CObservable<unsigned short, 1> SerialNumber{Msg::SerialNumber, 0xFFFF};
  CPersistable<QString, 1> Port{"Port", Msg::Port};
  CSerialPortSpeedValue<CModelBase> SerialSpeed{*this};
  CObservable<int, 1> PortState{Msg::PortState, -1};
  CPersistable<int, 1> Trace{"Trace"};
  CPersistable<int, 1> VerboseLogging{"VerboseLogging"};
  // The folder of the last configuration file saved or restored. Not loaded
  // with the others: each configuration job loads it, and saves it only when
  // it is not empty.
  CPersistable<QString, 1> ConfigurationFolder{"ConfigurationFolder"};
  // Where new firmware is fetched from; a mirror (or a test server) may stand in.
  CPersistable<QString, 1> FirmwareServer{"FirmwareServer", 0, DefaultFirmwareServer()};
  // What this run uses: the saved port, speed, folder and server as
  // LoadSettings read them, then what the front end gives for this run. The
  // contact search, the port and the firmware jobs read these, never the saved
  // values, which change only by the user's choice (ChoosePort...).
  RunSettings Run;

  CAppInfoBase AppInfo;
  QObject* NotifyWindow = nullptr;
  std::unique_ptr<IContactMachine> ContactMachine;
  IStateMachine* ActiveMachine = nullptr;
  std::vector<IPersistable*> Persistables;
  std::unique_ptr<CSerialPort> Channel;
  // What the device on the port last answered to "I;" (non-printable
  // characters as \xHH); empty when nothing answered it.
  QString IdentityReply;

  virtual void ClosePort();
  virtual bool PurgeReceive();
  virtual void ResetDeviceInfo();
  virtual QString GetStatusText() const;
  virtual bool IsPortOpen() const { return PortState.Get() == 0; }
  virtual bool IsDeviceSupported() const = 0;
  virtual void LoadSettings();
  virtual void SaveSettings();
  virtual bool WriteText(const QString& text);
  virtual bool WriteBytes(const char* bytes, std::size_t length);

  ResultCode OpenPort(const QString& name);
  // The user changed a setting: saved for later runs and used by this one.
  // Observers of the saved value hear of it (the main window reconnects).
  void ChoosePort(const QString& port);
  void ChooseFixedSpeed(unsigned long speed);
  void ChooseFirmwareFolder(const QString& folder);
  void SetNotifyWindow(QObject* window);
  std::uint32_t GetBitRate() const { return Channel->Speed(); }
  QString GetVersionText() const;
  // "ZU6400 waiting for firmware load on ... at ... bit/s"
  QString GetLoaderStatusText() const;
  // "ZU6400 MCU version ..." without the port part.
  QString GetShortStatusText() const;
  static QString VersionText(unsigned short version);
  // What to check when the tuner does not answer on the port.
  QString NoAnswerText() const;
  // Why a job ended when the port's device went away.
  QString ConnectionLostText() const;
  // Why a feature of a later firmware is not offered on this tuner.
  QString FirmwareNeededText(unsigned short needed) const;
  QString DefaultFirmwareFolder() const;
  QString DefaultConfigurationFolder() const;
  // "ftp://" and the maker's file server.
  static QString DefaultFirmwareServer();

  // The activity log and message boxes, shown by whatever front end listens.
  void LogText(const QString& text) const;
  void MessageBox(const QString& title, const QString& text, BoxIcon icon) const;
  void MessageBoxAndLog(const QString& title, const QString& text, BoxIcon icon) const;

  // Serial input goes to the contact machine while it runs, else to the job
  // machine that runs, else to the notify window (the page shown).
  void RouteCommEvent();

 private:
  static QString MakerDataFolder(const QString& leaf);
  void SendToNotifyWindow(CModelEvent& event) const;
  void SendBox(const QString& title, const QString& text, BoxIcon icon, bool logged) const;
};
