#include "base/ResultCodes.h"

#include <QFileDevice>
#include <cerrno>

#include "base/TextFormat.h"

namespace {

struct CodeText {
  ResultCode code;
  const char* text;
};

// The message catalogue. Stored texts end in CR LF as shipped; ErrorText cuts it.
constexpr CodeText kCatalogue[] = {
    {0x620004CE, "Device is powered off (sleeping)\r\n"},
    {0xA2000047, "The computed checksum reconciliation word is zero\r\n"},
    {0xA200004A, "No response to firmware packet\r\n"},
    {0xE200000B, "Unexpected hex character\r\n"},
    {0xE200000C, "Invalid EEPROM address\r\n"},
    {0xE200000D, "No response to firmware version (RV)\r\n"},
    {0xE200000F, "Serial port name is missing\r\n"},
    {0xE2000020, "intel hex line does not begin with the expected colon\r\n"},
    {0xE2000021, "Unrecognized intel hex record type\r\n"},
    {0xE2000022, "intel hex line checksum error\r\n"},
    {0xE2000023, "Missing intel hex end-of-file record\r\n"},
    {0xE2000030, "Incomplete configuration file\r\n"},
    {0xE2000031, "Corrupt configuration file\r\n"},
    {0xE2000032, "ZU6400 serial number does not match the serial number in the configuration file\r\n"},
    {0xE2000040, "Unexpected intel hex data record length\r\n"},
    {0xE2000041, "Input hex file is corrupt, check sum is not zero\r\n"},
    {0xE2000042, "Bootstrap Loader does not echo Dots\r\n"},
    {0xE2000043, "Bootstrap Loader did not echo a D\r\n"},
    {0xE2000044, "Retry limit has been exhausted\r\n"},
    {0xE2000045, "No response after reset\r\n"},
    {0xE2000046, "Version number verification failed\r\n"},
    {0xE2000048, "No response to poll while synchronizing to buffer boundary\r\n"},
    {0xE2000049, "No response to semicolon poll\r\n"},
    {0xE200004B, "No response to firmware packet\r\n"},
    {0xE200004E, "Unexpected device (not a ZU6400)\r\n"},
    {0xE200004F, "No response to Band Number (BN)\r\n"},
    {0xE2000050, "No response to Read EEPROM block\r\n"},
    {0xE2000051, "No response to Write EEPROM block\r\n"},
    {0xE2000052, "Cannot start a busy state machine\r\n"},
    {0xE2000053, "ZU6400 is running its bootstrap loader; send firmware first\r\n"},
    {0xE200006E, "No response to ATU Bypass (BYP)\r\n"},
    {0xE2000070, "No response to ATU Mode (MD)\r\n"},
    {0xE2000072, "No response to Antenna (AN)\r\n"},
    {0xE2000073, "No response to Capacitor (C)\r\n"},
    {0xE2000074, "No response to Frequency (F)\r\n"},
    {0xE2000075, "No response to Inductor (L)\r\n"},
    {0xE2000078, "No response to Side (SIDE)\r\n"},
    {0xE200007A, "No response to SWR (VSWR)\r\n"},
    {0xE200007C, "No response to SWR Bypass (VSWRB)\r\n"},
    {0xE20004B0, "No response to Antenna Enable (AE)\r\n"},
    {0xE20004B5, "No response to Key Interrupt Power (AKIP)\r\n"},
    {0xE20004BA, "No response to Key Interrupt (AMPI)\r\n"},
    {0xE20004C4, "No response to Antenna Preferred (AP)\r\n"},
    {0xE20004C9, "No response to Attenuator (ATTN)\r\n"},
    {0xE20004CB, "No response to TX Frequency count (F)\r\n"},
    {0xE20004EC, "No response to Fault (FLT)\r\n"},
    {0xE20004FB, "No response to Memory Tune Auto (MTA)\r\n"},
    {0xE2000500, "No response to Memory Tune Manual (MTM)\r\n"},
    {0xE2000502, "No response to Power Status (PS)\r\n"},
    {0xE2000503, "No response to Power Status Initial (PSI)\r\n"},
    {0xE2000508, "No response to Sleep (SL)\r\n"},
    {0xE200050A, "No response to Serial Number (SN)\r\n"},
    {0xE200050F, "No response to SWR threshold (ST)\r\n"},
    {0xE2000512, "No response to Auto Fine Tune (AFT)\r\n"},
    {0xE2000514, "No response to Forward Voltage (VFWD)\r\n"},
    {0xE2000519, "No response to Reflected Voltage (VRFL)\r\n"},
    {0xE2000524, "No response to Identify\r\n"},
    {0xE2000525, "No response to Xcvr Key (KX)\r\n"},
    {0xE2000526, "No response to Tune Status (TS)\r\n"},
};

// The operating system's messages, in our own words, for the codes this
// program can meet.
constexpr CodeText kSystemTexts[] = {
    {0, "The operation completed successfully."},
    {2, "The system cannot find the file specified."},
    {3, "The system cannot find the path specified."},
    {5, "Access is denied."},
    {6, "The handle is invalid."},
    {8, "Not enough memory resources are available to process this command."},
    {13, "The data is invalid."},
    {21, "The device is not ready."},
    {29, "The system cannot write to the specified device."},
    {30, "The system cannot read from the specified device."},
    {31, "A device attached to the system is not functioning."},
    {32, "The process cannot access the file because it is being used by another process."},
    {50, "The request is not supported."},
    {80, "The file exists."},
    {87, "The parameter is incorrect."},
    {112, "There is not enough space on the disk."},
    {123, "The filename, directory name, or volume label syntax is incorrect."},
    {183, "Cannot create a file when that file already exists."},
    {223, "The file is too large."},
    {234, "More data is available."},
    {995, "The I/O operation has been aborted because of either a thread exit or an application request."},
    {997, "Overlapped I/O operation is in progress."},
    {1117, "The request could not be performed because of an I/O device error."},
    {1167, "The device is not connected."},
    {1223, "The operation was canceled by the user."},
    {1460, "This operation returned because the timeout period expired."},
    {10048, "Only one usage of each socket address (protocol/network address/port) is normally permitted."},
    {10049, "The requested address is not valid in its context."},
};

// The internet client's messages (codes 12000 to 12175).
constexpr CodeText kInternetTexts[] = {
    {12001, "No more handles could be generated at this time."},
    {12002, "The operation timed out."},
    {12003, "An extended error was returned from the server."},
    {12004, "An internal error has occurred."},
    {12005, "The URL is invalid."},
    {12006, "The URL scheme could not be recognized, or is not supported."},
    {12007, "The server name could not be resolved."},
    {12013, "The request to connect and log on to an FTP server could not be completed because the supplied user name is incorrect."},
    {12014, "The request to connect and log on to an FTP server could not be completed because the supplied password is incorrect."},
    {12015, "The request to connect to and log on to an FTP server failed."},
    {12017, "The operation was canceled."},
    {12018, "The type of handle supplied is incorrect for this operation."},
    {12029, "A connection with the server could not be established."},
    {12030, "The connection with the server was terminated abnormally."},
    {12031, "The connection with the server was reset."},
    {12110, "The requested operation cannot be made on the FTP session handle because an operation is already in progress."},
    {12111, "The FTP operation was not completed because the session was aborted."},
};

const char* Find(const CodeText* begin, const CodeText* end, ResultCode code) {
  for (const CodeText* row = begin; row != end; ++row)
    if (row->code == code) return row->text;
  return "";
}

template <std::size_t N>
const char* Find(const CodeText (&table)[N], ResultCode code) {
  return Find(table, table + N, code);
}

thread_local ResultCode g_lastError = 0;
thread_local ResultCode g_internetResponseCode = 0;
thread_local QString g_internetResponseText;

}  // namespace

QString ErrorText(ResultCode code) {
  QString text;
  if (code >= 12000 && code <= 12175)
    text = QString::fromUtf8(Find(kInternetTexts, code));
  else if ((code & 0x0FFF0000) == 0x02000000)
    text = QString::fromUtf8(Find(kCatalogue, code));
  else if ((code & 0xFFFF0000) == 0x80070000)  // a system error wrapped as HRESULT
    text = QString::fromUtf8(Find(kSystemTexts, code & 0xFFFF));
  else
    text = QString::fromUtf8(Find(kSystemTexts, code));
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
