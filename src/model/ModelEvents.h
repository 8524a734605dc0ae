#pragma once
// Notifications to observers and to the main window, sent synchronously as Qt
// events. They keep the message numbers of the program's window messages so
// that traces and tests can name them.

#include <QEvent>
#include <QString>
#include <cstdint>

namespace Msg {
constexpr unsigned LogText = 0x800A;
constexpr unsigned StateText = 0x800F;
constexpr unsigned CommEvent = 0x8010;
constexpr unsigned PageLog = 0x8018;
constexpr unsigned MachineFinished = 0x801D;
constexpr unsigned FirmwareStatus = 0x8064;
constexpr unsigned AdvancedMode = 0x8066;
constexpr unsigned MacroLabels = 0x8068;
constexpr unsigned MacroTexts = 0x8069;
constexpr unsigned FirmwareFolder = 0x806F;
constexpr unsigned FixedSerialSpeed = 0x8070;
constexpr unsigned McuVersion = 0x8071;
constexpr unsigned LoaderFlags = 0x8072;
constexpr unsigned SerialNumber = 0x8079;
constexpr unsigned Port = 0x807A;
constexpr unsigned PortState = 0x807B;
constexpr unsigned SerialSpeed = 0x807C;
// A message box the core asks the front end to show (its text is logged too).
constexpr unsigned MessageBox = 0x8F00;
}  // namespace Msg

// A notification: message number and the element index or result code.
class CModelEvent : public QEvent {
 public:
  static QEvent::Type EventType();
  CModelEvent(unsigned message, std::uintptr_t param, QString text = {})
      : QEvent(EventType()), Message(message), Param(param), Text(std::move(text)) {}
  unsigned Message;
  std::uintptr_t Param;
  QString Text;   // the line of a log message, the text of a box
  QString Title;  // the title of a message box
  bool Logged = false;  // a box whose text went to the activity log as well
};

enum class BoxIcon { Information, Warning, Error };
