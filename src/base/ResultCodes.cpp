#include "base/ResultCodes.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <cerrno>

#include "base/TextFormat.h"

namespace {

struct CodeText {
  ResultCode code;
  const char* text;
};

// The message catalogue, each text without the CR LF it ends in as shipped.
constexpr CodeText kCatalogue[] = {
    {0x620004CE, QT_TRANSLATE_NOOP("ResultCodes", "Device is powered off (sleeping)")},
    {0xA2000047, QT_TRANSLATE_NOOP("ResultCodes", "The computed checksum reconciliation word is zero")},
    {0xA200004A, QT_TRANSLATE_NOOP("ResultCodes", "No response to firmware packet")},
    {0xE200000B, QT_TRANSLATE_NOOP("ResultCodes", "Unexpected hex character")},
    {0xE200000C, QT_TRANSLATE_NOOP("ResultCodes", "Invalid EEPROM address")},
    {0xE200000D, QT_TRANSLATE_NOOP("ResultCodes", "No response to firmware version (RV)")},
    {0xE200000F, QT_TRANSLATE_NOOP("ResultCodes", "Serial port name is missing")},
    {0xE2000020, QT_TRANSLATE_NOOP("ResultCodes", "intel hex line does not begin with the expected colon")},
    {0xE2000021, QT_TRANSLATE_NOOP("ResultCodes", "Unrecognized intel hex record type")},
    {0xE2000022, QT_TRANSLATE_NOOP("ResultCodes", "intel hex line checksum error")},
    {0xE2000023, QT_TRANSLATE_NOOP("ResultCodes", "Missing intel hex end-of-file record")},
    {0xE2000030, QT_TRANSLATE_NOOP("ResultCodes", "Incomplete configuration file")},
    {0xE2000031, QT_TRANSLATE_NOOP("ResultCodes", "Corrupt configuration file")},
    {0xE2000032, QT_TRANSLATE_NOOP("ResultCodes", "ZU6400 serial number does not match the serial number in the configuration file")},
    {0xE2000040, QT_TRANSLATE_NOOP("ResultCodes", "Unexpected intel hex data record length")},
    {0xE2000041, QT_TRANSLATE_NOOP("ResultCodes", "Input hex file is corrupt, check sum is not zero")},
    {0xE2000042, QT_TRANSLATE_NOOP("ResultCodes", "Bootstrap Loader does not echo Dots")},
    {0xE2000043, QT_TRANSLATE_NOOP("ResultCodes", "Bootstrap Loader did not echo a D")},
    {0xE2000044, QT_TRANSLATE_NOOP("ResultCodes", "Retry limit has been exhausted")},
    {0xE2000045, QT_TRANSLATE_NOOP("ResultCodes", "No response after reset")},
    {0xE2000046, QT_TRANSLATE_NOOP("ResultCodes", "Version number verification failed")},
    {0xE2000048, QT_TRANSLATE_NOOP("ResultCodes", "No response to poll while synchronizing to buffer boundary")},
    {0xE2000049, QT_TRANSLATE_NOOP("ResultCodes", "No response to semicolon poll")},
    {0xE200004B, QT_TRANSLATE_NOOP("ResultCodes", "No response to firmware packet")},
    {0xE200004E, QT_TRANSLATE_NOOP("ResultCodes", "Unexpected device (not a ZU6400)")},
    {0xE200004F, QT_TRANSLATE_NOOP("ResultCodes", "No response to Band Number (BN)")},
    {0xE2000050, QT_TRANSLATE_NOOP("ResultCodes", "No response to Read EEPROM block")},
    {0xE2000051, QT_TRANSLATE_NOOP("ResultCodes", "No response to Write EEPROM block")},
    {0xE2000052, QT_TRANSLATE_NOOP("ResultCodes", "Cannot start a busy state machine")},
    {0xE2000053, QT_TRANSLATE_NOOP("ResultCodes", "ZU6400 is running its bootstrap loader; send firmware first")},
    {0xE2000054, QT_TRANSLATE_NOOP("ResultCodes", "the name is not of the form rfc2217://HOST:PORT (an IPv6 address in brackets)")},
    {0xE2000055, QT_TRANSLATE_NOOP("ResultCodes", "the station does not answer serial port control (RFC 2217)")},
    {0xE200006E, QT_TRANSLATE_NOOP("ResultCodes", "No response to ATU Bypass (BYP)")},
    {0xE2000070, QT_TRANSLATE_NOOP("ResultCodes", "No response to ATU Mode (MD)")},
    {0xE2000072, QT_TRANSLATE_NOOP("ResultCodes", "No response to Antenna (AN)")},
    {0xE2000073, QT_TRANSLATE_NOOP("ResultCodes", "No response to Capacitor (C)")},
    {0xE2000074, QT_TRANSLATE_NOOP("ResultCodes", "No response to Frequency (F)")},
    {0xE2000075, QT_TRANSLATE_NOOP("ResultCodes", "No response to Inductor (L)")},
    {0xE2000078, QT_TRANSLATE_NOOP("ResultCodes", "No response to Side (SIDE)")},
    {0xE200007A, QT_TRANSLATE_NOOP("ResultCodes", "No response to SWR (VSWR)")},
    {0xE200007C, QT_TRANSLATE_NOOP("ResultCodes", "No response to SWR Bypass (VSWRB)")},
    {0xE20004B0, QT_TRANSLATE_NOOP("ResultCodes", "No response to Antenna Enable (AE)")},
    {0xE20004B5, QT_TRANSLATE_NOOP("ResultCodes", "No response to Key Interrupt Power (AKIP)")},
    {0xE20004BA, QT_TRANSLATE_NOOP("ResultCodes", "No response to Key Interrupt (AMPI)")},
    {0xE20004C4, QT_TRANSLATE_NOOP("ResultCodes", "No response to Antenna Preferred (AP)")},
    {0xE20004C9, QT_TRANSLATE_NOOP("ResultCodes", "No response to Attenuator (ATTN)")},
    {0xE20004CB, QT_TRANSLATE_NOOP("ResultCodes", "No response to TX Frequency count (F)")},
    {0xE20004EC, QT_TRANSLATE_NOOP("ResultCodes", "No response to Fault (FLT)")},
    {0xE20004FB, QT_TRANSLATE_NOOP("ResultCodes", "No response to Memory Tune Auto (MTA)")},
    {0xE2000500, QT_TRANSLATE_NOOP("ResultCodes", "No response to Memory Tune Manual (MTM)")},
    {0xE2000502, QT_TRANSLATE_NOOP("ResultCodes", "No response to Power Status (PS)")},
    {0xE2000503, QT_TRANSLATE_NOOP("ResultCodes", "No response to Power Status Initial (PSI)")},
    {0xE2000508, QT_TRANSLATE_NOOP("ResultCodes", "No response to Sleep (SL)")},
    {0xE200050A, QT_TRANSLATE_NOOP("ResultCodes", "No response to Serial Number (SN)")},
    {0xE200050F, QT_TRANSLATE_NOOP("ResultCodes", "No response to SWR threshold (ST)")},
    {0xE2000512, QT_TRANSLATE_NOOP("ResultCodes", "No response to Auto Fine Tune (AFT)")},
    {0xE2000514, QT_TRANSLATE_NOOP("ResultCodes", "No response to Forward Voltage (VFWD)")},
    {0xE2000519, QT_TRANSLATE_NOOP("ResultCodes", "No response to Reflected Voltage (VRFL)")},
    {0xE2000524, QT_TRANSLATE_NOOP("ResultCodes", "No response to Identify")},
    {0xE2000525, QT_TRANSLATE_NOOP("ResultCodes", "No response to Xcvr Key (KX)")},
    {0xE2000526, QT_TRANSLATE_NOOP("ResultCodes", "No response to Tune Status (TS)")},
};

// The operating system's messages, in our own words, for the codes this
// program can meet.
constexpr CodeText kSystemTexts[] = {
    {0, QT_TRANSLATE_NOOP("ResultCodes", "The operation completed successfully.")},
    {2, QT_TRANSLATE_NOOP("ResultCodes", "The system cannot find the file specified.")},
    {3, QT_TRANSLATE_NOOP("ResultCodes", "The system cannot find the path specified.")},
    {5, QT_TRANSLATE_NOOP("ResultCodes", "Access is denied.")},
    {6, QT_TRANSLATE_NOOP("ResultCodes", "The handle is invalid.")},
    {8, QT_TRANSLATE_NOOP("ResultCodes", "Not enough memory resources are available to process this command.")},
    {13, QT_TRANSLATE_NOOP("ResultCodes", "The data is invalid.")},
    {21, QT_TRANSLATE_NOOP("ResultCodes", "The device is not ready.")},
    {29, QT_TRANSLATE_NOOP("ResultCodes", "The system cannot write to the specified device.")},
    {30, QT_TRANSLATE_NOOP("ResultCodes", "The system cannot read from the specified device.")},
    {31, QT_TRANSLATE_NOOP("ResultCodes", "A device attached to the system is not functioning.")},
    {32, QT_TRANSLATE_NOOP("ResultCodes", "The process cannot access the file because it is being used by another process.")},
    {50, QT_TRANSLATE_NOOP("ResultCodes", "The request is not supported.")},
    {80, QT_TRANSLATE_NOOP("ResultCodes", "The file exists.")},
    {87, QT_TRANSLATE_NOOP("ResultCodes", "The parameter is incorrect.")},
    {112, QT_TRANSLATE_NOOP("ResultCodes", "There is not enough space on the disk.")},
    {123, QT_TRANSLATE_NOOP("ResultCodes", "The filename, directory name, or volume label syntax is incorrect.")},
    {183, QT_TRANSLATE_NOOP("ResultCodes", "Cannot create a file when that file already exists.")},
    {223, QT_TRANSLATE_NOOP("ResultCodes", "The file is too large.")},
    {234, QT_TRANSLATE_NOOP("ResultCodes", "More data is available.")},
    {995, QT_TRANSLATE_NOOP("ResultCodes", "The I/O operation has been aborted because of either a thread exit or an application request.")},
    {997, QT_TRANSLATE_NOOP("ResultCodes", "Overlapped I/O operation is in progress.")},
    {1117, QT_TRANSLATE_NOOP("ResultCodes", "The request could not be performed because of an I/O device error.")},
    {1167, QT_TRANSLATE_NOOP("ResultCodes", "The device is not connected.")},
    {1223, QT_TRANSLATE_NOOP("ResultCodes", "The operation was canceled by the user.")},
    {1460, QT_TRANSLATE_NOOP("ResultCodes", "This operation returned because the timeout period expired.")},
    {10048, QT_TRANSLATE_NOOP("ResultCodes", "Only one usage of each socket address (protocol/network address/port) is normally permitted.")},
    {10049, QT_TRANSLATE_NOOP("ResultCodes", "The requested address is not valid in its context.")},
    // The sockets' codes complete "Could not connect to HOST:PORT: ...".
    {10054, QT_TRANSLATE_NOOP("ResultCodes", "the connection was reset by the other side")},
    {10060, QT_TRANSLATE_NOOP("ResultCodes", "the connection attempt timed out")},
    {10061, QT_TRANSLATE_NOOP("ResultCodes", "the connection was refused")},
    {10065, QT_TRANSLATE_NOOP("ResultCodes", "the network cannot reach the host")},
    {11001, QT_TRANSLATE_NOOP("ResultCodes", "the host was not found")},
};

// The internet client's messages (codes 12000 to 12175).
constexpr CodeText kInternetTexts[] = {
    {12001, QT_TRANSLATE_NOOP("ResultCodes", "No more handles could be generated at this time.")},
    {12002, QT_TRANSLATE_NOOP("ResultCodes", "The operation timed out.")},
    {12003, QT_TRANSLATE_NOOP("ResultCodes", "An extended error was returned from the server.")},
    {12004, QT_TRANSLATE_NOOP("ResultCodes", "An internal error has occurred.")},
    {12005, QT_TRANSLATE_NOOP("ResultCodes", "The URL is invalid.")},
    {12006, QT_TRANSLATE_NOOP("ResultCodes", "The URL scheme could not be recognized, or is not supported.")},
    {12007, QT_TRANSLATE_NOOP("ResultCodes", "The server name could not be resolved.")},
    {12013, QT_TRANSLATE_NOOP("ResultCodes", "The request to connect and log on to an FTP server could not be completed because the supplied user name is incorrect.")},
    {12014, QT_TRANSLATE_NOOP("ResultCodes", "The request to connect and log on to an FTP server could not be completed because the supplied password is incorrect.")},
    {12015, QT_TRANSLATE_NOOP("ResultCodes", "The request to connect to and log on to an FTP server failed.")},
    {12017, QT_TRANSLATE_NOOP("ResultCodes", "The operation was canceled.")},
    {12018, QT_TRANSLATE_NOOP("ResultCodes", "The type of handle supplied is incorrect for this operation.")},
    {12029, QT_TRANSLATE_NOOP("ResultCodes", "A connection with the server could not be established.")},
    {12030, QT_TRANSLATE_NOOP("ResultCodes", "The connection with the server was terminated abnormally.")},
    {12031, QT_TRANSLATE_NOOP("ResultCodes", "The connection with the server was reset.")},
    {12110, QT_TRANSLATE_NOOP("ResultCodes", "The requested operation cannot be made on the FTP session handle because an operation is already in progress.")},
    {12111, QT_TRANSLATE_NOOP("ResultCodes", "The FTP operation was not completed because the session was aborted.")},
};

// The text in the program's language.
QString Find(const CodeText* begin, const CodeText* end, ResultCode code) {
  for (const CodeText* row = begin; row != end; ++row)
    if (row->code == code) return QCoreApplication::translate("ResultCodes", row->text);
  return {};
}

template <std::size_t N>
QString Find(const CodeText (&table)[N], ResultCode code) {
  return Find(table, table + N, code);
}

thread_local ResultCode g_lastError = 0;
thread_local ResultCode g_internetResponseCode = 0;
thread_local QString g_internetResponseText;

}  // namespace

QString ErrorText(ResultCode code) {
  QString text;
  if (code >= 12000 && code <= 12175)
    text = Find(kInternetTexts, code);
  else if ((code & 0x0FFF0000) == 0x02000000)
    text = Find(kCatalogue, code);
  else if ((code & 0xFFFF0000) == 0x80070000)  // a system error wrapped as HRESULT
    text = Find(kSystemTexts, code & 0xFFFF);
  else
    text = Find(kSystemTexts, code);
  text = ChopLineEnds(text);
  if (code == Result::InternetExtendedError)
    text += QString::asprintf("\r\nInternetGetLastResponseInfo returns 0x%08X %s", g_internetResponseCode,
                              g_internetResponseText.toUtf8().constData());
  return text;
}

void SetLastError(ResultCode code) { g_lastError = code; }
ResultCode GetLastError() { return g_lastError; }

void SetInternetLastResponse(ResultCode code, const QString& text) {
  g_internetResponseCode = code;
  g_internetResponseText = text;
}

ResultCode WinErrorFromErrno(int err) {
  switch (err) {
    case 0: return Result::Success;
    case ENOENT: return Result::FileNotFound;
    case ENOTDIR: return Result::PathNotFound;
    case EACCES:
    case EPERM:
    case EBUSY:
    case EROFS: return Result::AccessDenied;
    case EBADF: return Result::InvalidHandle;
    case ENOMEM: return Result::NotEnoughMemory;
    case EEXIST: return Result::FileExists;
    case EINVAL: return Result::InvalidParameter;
    case ENOSPC:
    case EDQUOT: return Result::DiskFull;
    case EINTR:
    case ECANCELED: return Result::OperationAborted;
    case ENXIO:
    case ENODEV: return Result::DeviceNotConnected;
    case ETIMEDOUT: return Result::Timeout;
    case ENOTSUP: return Result::NotSupported;
    default: return Result::IoDevice;
  }
}

ResultCode WinErrorFromFileDevice(const QFileDevice& file, int savedErrno) {
  if (savedErrno != 0) return WinErrorFromErrno(savedErrno);
  switch (file.error()) {
    case QFileDevice::NoError: return Result::Success;
    case QFileDevice::ReadError: return Result::ReadFault;
    case QFileDevice::WriteError: return Result::WriteFault;
    case QFileDevice::PermissionsError: return Result::AccessDenied;
    case QFileDevice::ResourceError: return Result::DiskFull;
    case QFileDevice::AbortError: return Result::OperationAborted;
    case QFileDevice::OpenError: return Result::FileNotFound;
    default: return Result::GenFailure;
  }
}

int HexDigitValue(QChar c) {
  const char16_t u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  return -1;
}

bool HexPairToByte(QChar high, QChar low, std::uint8_t& byte) {
  const int h = HexDigitValue(high), l = HexDigitValue(low);
  if (h < 0 || l < 0) {
    SetLastError(Result::UnexpectedHexCharacter);
    return false;
  }
  byte = static_cast<std::uint8_t>(h * 16 + l);
  return true;
}
