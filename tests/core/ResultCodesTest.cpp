// Result codes: the catalogue, the rules of ErrorText, the failure texts
// built on them, and the hex-pair reader.

#include <gtest/gtest.h>

#include "base/FailureText.h"
#include "base/ResultCodes.h"

namespace {

TEST(ErrorText, EveryCatalogueCodeHasItsTextWithoutLineEnd) {
  const ResultCode codes[] = {
      0x620004CE, 0xA2000047, 0xA200004A, 0xE200000B, 0xE200000C, 0xE200000D, 0xE200000F, 0xE2000020, 0xE2000021,
      0xE2000022, 0xE2000023, 0xE2000030, 0xE2000031, 0xE2000032, 0xE2000040, 0xE2000041, 0xE2000042, 0xE2000043,
      0xE2000044, 0xE2000045, 0xE2000046, 0xE2000048, 0xE2000049, 0xE200004B, 0xE200004E, 0xE200004F, 0xE2000050,
      0xE2000051, 0xE2000052, 0xE200006E, 0xE2000070, 0xE2000072, 0xE2000073, 0xE2000074, 0xE2000075, 0xE2000078,
      0xE200007A, 0xE200007C, 0xE20004B0, 0xE20004B5, 0xE20004BA, 0xE20004C4, 0xE20004C9, 0xE20004CB, 0xE20004EC,
      0xE20004FB, 0xE2000500, 0xE2000502, 0xE2000503, 0xE2000508, 0xE200050A, 0xE200050F, 0xE2000512, 0xE2000514,
      0xE2000519, 0xE2000524, 0xE2000525, 0xE2000526};
  for (ResultCode code : codes) {
    const QString text = ErrorText(code);
    EXPECT_FALSE(text.isEmpty()) << std::hex << code;
    EXPECT_FALSE(text.endsWith('\n') || text.endsWith('\r')) << std::hex << code;
  }
  EXPECT_EQ(ErrorText(0x620004CE), "Device is powered off (sleeping)");
}

TEST(ErrorText, ChoosesTheTableByRangeAndFacility) {
  // The internet client's range, inclusive at both ends.
  EXPECT_EQ(ErrorText(12002), "The operation timed out.");
  EXPECT_EQ(ErrorText(12029), "A connection with the server could not be established.");
  // Just past it the system's messages apply; the system has none for 12176.
  EXPECT_EQ(ErrorText(12176), "");
  EXPECT_EQ(ErrorText(Result::Cancelled), "The operation was canceled by the user.");
  // A system error wrapped as an HRESULT reads as the error itself.
  EXPECT_EQ(ErrorText(Result::InvalidArg), ErrorText(Result::InvalidParameter));
  // Facility 0x200 without a catalogue entry, and an unknown system code.
  EXPECT_EQ(ErrorText(0xE2000FFF), "");
  EXPECT_EQ(ErrorText(0x12345), "");
}

TEST(ErrorText, ExtendedInternetErrorCarriesTheServersLastResponse) {
  SetInternetLastResponse(550, QStringLiteral("550 No such file"));
  EXPECT_EQ(ErrorText(12003), "An extended error was returned from the server.\r\n"
                              "InternetGetLastResponseInfo returns 0x00000226 550 No such file");
  SetInternetLastResponse(0, {});
}

TEST(FailureText, SaysWhatTheProgramWasDoingThenTheCodeAndItsText) {
  const struct {
    IoOperation operation;
    ResultCode code;
    const char* text;
  } cases[] = {
      {IoOperation::Open, Result::FileNotFound,
       "Could not open \"/dev/ttyUSB0\"\r\nError 0x00000002: The system cannot find the file specified."},
      {IoOperation::Read, Result::ReadFault,
       "Could not read from \"/dev/ttyUSB0\"\r\nError 0x0000001E: The system cannot read from the specified device."},
      {IoOperation::Write, Result::DiskFull,
       "Could not write to \"/dev/ttyUSB0\"\r\nError 0x00000070: There is not enough space on the disk."},
      {IoOperation::SetLineSettings, Result::NotSupported,
       "Could not set the line settings of \"/dev/ttyUSB0\"\r\nError 0x00000032: The request is not supported."},
      {IoOperation::ClearReceived, Result::GenFailure,
       "Could not clear what was received on \"/dev/ttyUSB0\"\r\n"
       "Error 0x0000001F: A device attached to the system is not functioning."},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FailureText(c.operation, QStringLiteral("/dev/ttyUSB0"), c.code), c.text);
}

TEST(WinErrorFromErrno, MapsTheErrorsAUserMeets) {
  EXPECT_EQ(WinErrorFromErrno(ENOENT), Result::FileNotFound);
  EXPECT_EQ(WinErrorFromErrno(EACCES), Result::AccessDenied);
  EXPECT_EQ(WinErrorFromErrno(ENOSPC), Result::DiskFull);
  EXPECT_EQ(WinErrorFromErrno(0), Result::Success);
}

TEST(HexPairToByte, ReadsEveryDigitInEitherCaseAndRefusesOtherCharacters) {
  const QString digits = QStringLiteral("0123456789ABCDEFabcdef");
  for (QChar high : digits) {
    for (QChar low : digits) {
      std::uint8_t byte = 0;
      ASSERT_TRUE(HexPairToByte(high, low, byte));
      EXPECT_EQ(byte, QString(high).append(low).toUInt(nullptr, 16));
    }
  }
  for (QChar bad : {QChar('g'), QChar(0), QChar(0x0660), QChar('/'), QChar(':')}) {
    SetLastError(0);
    std::uint8_t byte = 0x5A;
    EXPECT_FALSE(HexPairToByte(bad, '0', byte));
    EXPECT_EQ(GetLastError(), Result::UnexpectedHexCharacter);
    EXPECT_FALSE(HexPairToByte('0', bad, byte));
    EXPECT_EQ(byte, 0x5A) << "no byte is produced";
  }
}

}  // namespace
