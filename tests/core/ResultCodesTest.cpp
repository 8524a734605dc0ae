// Result codes: the catalogue, the rules of ErrorText, the failure texts
// built on them, and the hex-pair reader.

#include <gtest/gtest.h>

#include "base/FailureText.h"
#include "base/ResultCodes.h"

namespace {

TEST(ErrorText, ChoosesTheTableByRangeAndFacility) {
  // The internet client's range, inclusive at both ends.
  EXPECT_EQ(ErrorText(12002), "The operation timed out.");
  EXPECT_EQ(ErrorText(12029), "A connection with the server could not be established.");
  // Just past it the system's messages apply; the system has none for 12176.
  EXPECT_EQ(ErrorText(12176), "");
  EXPECT_EQ(ErrorText(Result::Cancelled), "The operation was canceled by the user.");
  EXPECT_EQ(ErrorText(0x620004CE), "Device is powered off (sleeping)");
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
      {IoOperation::ClearReceived, Result::GenFailure,
       "Could not clear what was received on \"/dev/ttyUSB0\"\r\n"
       "Error 0x0000001F: A device attached to the system is not functioning."},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FailureText(c.operation, QStringLiteral("/dev/ttyUSB0"), c.code), c.text);
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
