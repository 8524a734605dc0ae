// Result codes: the rules of ErrorText, and the hex-pair reader; the string
// table, where every name reaches its own words.

#include <gtest/gtest.h>

#include "base/ResultCodes.h"
#include "base/StringTable.h"

namespace {

TEST(ErrorText, ChoosesTheTableByRangeAndFacility) {
  EXPECT_EQ(ErrorText(12002), "The operation timed out.");  // the internet client's range
  EXPECT_EQ(ErrorText(12176), "") << "past the range the system's messages apply, and it has none";
  EXPECT_EQ(ErrorText(Result::Cancelled), "The operation was canceled by the user.");
  EXPECT_EQ(ErrorText(0x620004CE), "Device is powered off (sleeping)");
  // A system error wrapped as an HRESULT reads as the error itself.
  EXPECT_EQ(ErrorText(Result::InvalidArg), ErrorText(Result::InvalidParameter));
  EXPECT_EQ(ErrorText(0xE2000FFF), "") << "facility 0x200 without a catalogue entry";
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

struct Row {
  const char* name;
  unsigned id;
  const char* text;
};

#define ZU_ROW(name, number, text) {#name, Str::name, text},
constexpr Row kRows[] = {ZU_STRING_TABLE(ZU_ROW, ZU_ROW)};
#undef ZU_ROW

// A number given to two names would hand one of them the other's text.
TEST(StringTable, EveryNameLoadsItsOwnNonEmptyText) {
  for (const Row& row : kRows) {
    EXPECT_STRNE(row.text, "") << row.name;
    EXPECT_EQ(LoadString(row.id), QString::fromUtf8(row.text)) << row.name;
  }
}

}  // namespace
