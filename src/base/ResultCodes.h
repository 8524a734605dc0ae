#pragma once
// The program's result codes. Zero is success; a positive value is a Windows
// system error number (kept as the program's vocabulary on every platform);
// 0x?200xxxx values are the program's own codes with catalogue texts.

#include <QString>
#include <cstdint>

using ResultCode = std::uint32_t;

namespace Result {
// Windows system error numbers the program raises or translates to.
constexpr ResultCode Success = 0;
constexpr ResultCode FileNotFound = 2;
constexpr ResultCode PathNotFound = 3;
constexpr ResultCode AccessDenied = 5;
constexpr ResultCode InvalidHandle = 6;
constexpr ResultCode NotEnoughMemory = 8;
constexpr ResultCode InvalidData = 13;
constexpr ResultCode WriteFault = 29;
constexpr ResultCode ReadFault = 30;
constexpr ResultCode GenFailure = 31;
constexpr ResultCode NotSupported = 50;
constexpr ResultCode FileExists = 80;
constexpr ResultCode InvalidParameter = 87;
constexpr ResultCode DiskFull = 112;
constexpr ResultCode InvalidName = 123;
constexpr ResultCode AlreadyExists = 183;
constexpr ResultCode MoreData = 234;
constexpr ResultCode OperationAborted = 995;
constexpr ResultCode IoPending = 997;
constexpr ResultCode IoDevice = 1117;
constexpr ResultCode DeviceNotConnected = 1167;
constexpr ResultCode Cancelled = 1223;
constexpr ResultCode Timeout = 1460;
// What a failed firmware load reports when the reader recorded no code.
constexpr ResultCode LoadFailedWithoutCode = 774;
constexpr ResultCode InvalidArg = 0x80070057;  // E_INVALIDARG

// The program's own codes.
constexpr ResultCode DevicePoweredOff = 0x620004CE;
constexpr ResultCode ReconciliationWordZero = 0xA2000047;
constexpr ResultCode NoFirmwarePacketResponseWarning = 0xA200004A;
constexpr ResultCode UnexpectedHexCharacter = 0xE200000B;
constexpr ResultCode InvalidEepromAddress = 0xE200000C;
constexpr ResultCode NoResponseFirmwareVersion = 0xE200000D;
constexpr ResultCode SerialPortNameMissing = 0xE200000F;
constexpr ResultCode HexMissingColon = 0xE2000020;
constexpr ResultCode HexUnknownRecordType = 0xE2000021;
constexpr ResultCode HexChecksumError = 0xE2000022;
constexpr ResultCode HexMissingEndRecord = 0xE2000023;
constexpr ResultCode IncompleteConfigurationFile = 0xE2000030;
constexpr ResultCode CorruptConfigurationFile = 0xE2000031;
constexpr ResultCode SerialNumberMismatch = 0xE2000032;
constexpr ResultCode HexRecordLength = 0xE2000040;
constexpr ResultCode HexChecksumNotZero = 0xE2000041;
constexpr ResultCode LoaderNoDots = 0xE2000042;
constexpr ResultCode LoaderNoD = 0xE2000043;
constexpr ResultCode RetryLimitExhausted = 0xE2000044;
constexpr ResultCode NoResponseAfterReset = 0xE2000045;
constexpr ResultCode VersionVerificationFailed = 0xE2000046;
constexpr ResultCode NoResponseSyncPoll = 0xE2000048;
constexpr ResultCode NoResponseSemicolonPoll = 0xE2000049;
constexpr ResultCode NoResponseFirmwarePacket = 0xE200004B;
constexpr ResultCode UnexpectedDevice = 0xE200004E;
constexpr ResultCode NoResponseBandNumber = 0xE200004F;
constexpr ResultCode NoResponseReadEeprom = 0xE2000050;
constexpr ResultCode NoResponseWriteEeprom = 0xE2000051;
constexpr ResultCode BusyStateMachine = 0xE2000052;
constexpr ResultCode BootstrapLoaderRunning = 0xE2000053;
constexpr ResultCode NetworkPortNameInvalid = 0xE2000054;
constexpr ResultCode NoSerialPortControl = 0xE2000055;
constexpr ResultCode NoResponseBypass = 0xE200006E;
constexpr ResultCode NoResponseMode = 0xE2000070;
constexpr ResultCode NoResponseAntenna = 0xE2000072;
constexpr ResultCode NoResponseCapacitor = 0xE2000073;
constexpr ResultCode NoResponseFrequency = 0xE2000074;
constexpr ResultCode NoResponseInductor = 0xE2000075;
constexpr ResultCode NoResponseSide = 0xE2000078;
constexpr ResultCode NoResponseSwr = 0xE200007A;
constexpr ResultCode NoResponseSwrBypass = 0xE200007C;
constexpr ResultCode NoResponseAntennaEnable = 0xE20004B0;
constexpr ResultCode NoResponseKeyInterruptPower = 0xE20004B5;
constexpr ResultCode NoResponseKeyInterrupt = 0xE20004BA;
constexpr ResultCode NoResponseAntennaPreferred = 0xE20004C4;
constexpr ResultCode NoResponseAttenuator = 0xE20004C9;
constexpr ResultCode NoResponseTxFrequencyCount = 0xE20004CB;
constexpr ResultCode NoResponseFault = 0xE20004EC;
constexpr ResultCode NoResponseMemoryTuneAuto = 0xE20004FB;
constexpr ResultCode NoResponseMemoryTuneManual = 0xE2000500;
constexpr ResultCode NoResponsePowerStatus = 0xE2000502;
constexpr ResultCode NoResponsePowerStatusInitial = 0xE2000503;
constexpr ResultCode NoResponseSleep = 0xE2000508;
constexpr ResultCode NoResponseSerialNumber = 0xE200050A;
constexpr ResultCode NoResponseSwrThreshold = 0xE200050F;
constexpr ResultCode NoResponseAutoFineTune = 0xE2000512;
constexpr ResultCode NoResponseForwardVoltage = 0xE2000514;
constexpr ResultCode NoResponseReflectedVoltage = 0xE2000519;
constexpr ResultCode NoResponseIdentify = 0xE2000524;
constexpr ResultCode NoResponseXcvrKey = 0xE2000525;
constexpr ResultCode NoResponseTuneStatus = 0xE2000526;

// WinINet's "extended error": the server's last response is appended to its text.
constexpr ResultCode InternetExtendedError = 12003;

// Sockets: a listening address already taken, or not one of this computer's.
constexpr ResultCode AddressInUse = 10048;
constexpr ResultCode AddressNotAvailable = 10049;
// Sockets: what a network serial port meets while connecting or connected.
constexpr ResultCode ConnectionReset = 10054;
constexpr ResultCode ConnectionTimedOut = 10060;
constexpr ResultCode ConnectionRefused = 10061;
constexpr ResultCode HostUnreachable = 10065;
constexpr ResultCode HostNotFound = 11001;
// What the download from the maker's server meets, in the internet client's numbers.
constexpr ResultCode InternetTimeout = 12002;
constexpr ResultCode InternetInternalError = 12004;
constexpr ResultCode InternetInvalidUrl = 12005;
constexpr ResultCode InternetUnrecognizedScheme = 12006;
constexpr ResultCode InternetNameNotResolved = 12007;
constexpr ResultCode InternetCannotConnect = 12029;
constexpr ResultCode InternetConnectionAborted = 12030;
constexpr ResultCode FileTooLarge = 223;
}  // namespace Result

// Any non-zero code is a failure; its sign tells a program code from a system one.
inline bool IsFailure(ResultCode code) { return code != 0; }
inline bool IsNegative(ResultCode code) { return static_cast<std::int32_t>(code) < 0; }

// The one way a code becomes text. Never fails: an unknown code gives "".
QString ErrorText(ResultCode code);

// The thread's last error, set by operations that only return true or false.
void SetLastError(ResultCode code);
ResultCode GetLastError();

// errno (and the like) in the Windows vocabulary, in one place.
ResultCode WinErrorFromErrno(int err);

// A failed file operation in the Windows vocabulary: the errno saved right
// after the call when it has one, else the kind of failure the file reports.
class QFileDevice;
ResultCode WinErrorFromFileDevice(const QFileDevice& file, int savedErrno);

// What the server last said, for the text of the extended internet error.
void SetInternetLastResponse(ResultCode code, const QString& text);

// The value of a hexadecimal digit (either case), -1 for any other character.
int HexDigitValue(QChar c);

// The one reader of two hexadecimal characters. On a bad digit the last error
// becomes UnexpectedHexCharacter and false is returned.
bool HexPairToByte(QChar high, QChar low, std::uint8_t& byte);
