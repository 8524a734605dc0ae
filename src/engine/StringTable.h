#pragma once
// User-visible texts, kept by number so that every caller words a message the
// same way.

#include <QString>

namespace Str {
constexpr unsigned PortFailedOn = 10056;           // "%s failed on \"%s\"\r\nError 0x%08X: %s"
constexpr unsigned PortAccessDenied = 14520;
constexpr unsigned UnexpectedDeviceTitle = 14522;
constexpr unsigned UnexpectedDeviceText = 14524;
constexpr unsigned ComPortErrorTitle = 14526;
constexpr unsigned AttemptingContact = 14542;
constexpr unsigned SerialPortOpen = 14546;
constexpr unsigned UnableToOpenPort = 14550;
constexpr unsigned OpeningSerialPort = 14552;
constexpr unsigned ConnectedTo = 14553;
constexpr unsigned Ready = 57345;
}  // namespace Str

// The text of a string-table entry; an unknown number gives "".
QString LoadString(unsigned id);

// The device model name that fills "%s" and "??" in texts.
inline const char* const kModelName = "ZU6400";
