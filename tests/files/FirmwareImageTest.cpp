// Intel HEX firmware files: records of every type, malformed records with
// their codes and lines, the image's address window and the checksum
// reconciliation. (The send length is the hex check command's proof.)

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/support/HexRecords.h"
#include "tests/support/TestSupport.h"
#include "base/ReportSink.h"
#include "firmware/FirmwareImage.h"
#include "firmware/IntelHexReader.h"

namespace {

const QByteArray kEnd = kEndRecord;

class FirmwareImageTest : public ::testing::Test {
 protected:
  // Loads content from a real file; the image's byte at an MCU address.
  bool Load(const QByteArray& content) {
    return m_image.Load(WriteFileBytes(m_path, content));
  }
  std::uint8_t At(std::uint32_t address) const { return m_image.Data()[address - FirmwareImage::kStartAddress]; }
  bool AllFill() const {
    return std::all_of(m_image.Data(), m_image.Data() + m_image.Length(), [](std::uint8_t b) { return b == 0xFF; });
  }
  static constexpr std::uint32_t kWords = (FirmwareImage::kEndAddress - FirmwareImage::kStartAddress) / 2;
  // The big-endian word that makes an image with these words sum to zero.
  static std::uint16_t Balance(std::uint32_t sumOfOthers) {
    return static_cast<std::uint16_t>(0x10000 - (sumOfOthers & 0xFFFF));
  }

  QTemporaryDir m_dir;
  QString m_path = m_dir.filePath(QStringLiteral("zu6400fw0105.hex"));
  FirmwareImage m_image;
  CRecordingSink m_log;
};

TEST_F(FirmwareImageTest, LoadsDataAmidTextAndLowerCaseDigits) {
  const QByteArray content = "Comment before the first record\r\n\r\n" + DataRecord(0x0800, "\x12\x34\x56").toLower() +
                             "\n  text between records :not a record\r\n" + DataRecord(0x1000, "\xAB") + kEnd;
  ASSERT_TRUE(Load(content));
  EXPECT_EQ(At(0x802), 0x56);
  EXPECT_EQ(At(0x1000), 0xAB);
  EXPECT_EQ(m_image.LineCount(), 7u);  // the end record's line
}

TEST_F(FirmwareImageTest, MalformedRecordsFailWithCodeAndLine) {
  const QByteArray good = DataRecord(0x800, "\x01\x02");
  const struct {
    const char* what;
    QByteArray content;
    ResultCode code;
    std::uint32_t line;
  } cases[] = {
      {"byte count beyond the line", ":10080000AABB\r\n" + kEnd, Result::UnexpectedHexCharacter, 2},
      {"non-hexadecimal digit", good + good + ":01080000G1F6\r\n" + kEnd, Result::UnexpectedHexCharacter, 3},
      {"one wrong checksum digit", good + ":0108000001F7\r\n" + kEnd, Result::HexChecksumError, 2},
      {"unknown record type", Record(6, 0, "\x01") + kEnd, Result::HexUnknownRecordType, 1},
      {"no end record", good + good, Result::HexMissingEndRecord, 3},
      {"address record without data", good + Record(4, 0, "") + kEnd, Result::HexRecordLength, 2},
      {"record cut by the end of the file", good + ":10080000AABB", Result::HexRecordLength, 2},
      {"file far too large, refused unread", good + kEnd + QByteArray(IntelHexReader::kMaxFileSize, '\n'),
       Result::FileTooLarge, 0},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(Load(c.content)) << c.what;
    EXPECT_EQ(GetLastError(), c.code) << c.what;
    EXPECT_EQ(m_image.LineCount(), c.line) << c.what;
    EXPECT_FALSE(m_image.Loaded()) << c.what;
  }
}

// Only records beginning inside the image are kept, cut at its end; neither
// data after the end record nor addresses near the top (which must not wrap
// around) reach it.
TEST_F(FirmwareImageTest, ExtendedAddressesPlaceDataAndOnlyRecordsBeginningInsideTheImageAreKept) {
  const QByteArray sixteen(16, '\x5A');
  ASSERT_TRUE(Load(DataRecord(0x0000, sixteen) + DataRecord(0x07F8, sixteen) + Linear(1) +
                   DataRecord(0xFD78, sixteen) + DataRecord(0xFD80, sixteen) + kEnd));
  EXPECT_EQ(At(0x1FD78), 0x5A);
  EXPECT_EQ(std::count(m_image.Data(), m_image.Data() + m_image.Length(), 0x5A), 8);

  // Segment, linear and start address records.
  ASSERT_TRUE(Load(Record(2, 0, Word(0x1000)) + DataRecord(0x0010, "\x11") +  // segment: 0x10000 + 0x10
                   Linear(1) + DataRecord(0x0020, "\x22") +             // linear: 0x10000 + 0x20
                   Record(3, 0, QByteArray("\0\0\x08\0", 4)) + Record(5, 0, QByteArray("\0\0\x08\0", 4)) + kEnd));
  EXPECT_EQ(At(0x10010), 0x11);
  EXPECT_EQ(At(0x10020), 0x22);

  ASSERT_TRUE(Load(kEnd + DataRecord(0x800, "\x01") + "garbage :zz"));
  EXPECT_TRUE(AllFill());
  ASSERT_TRUE(Load(Linear(0xFFFF) + DataRecord(0xFFF8, QByteArray(255, '\x33')) + Record(2, 0, "\xFF\xFF") +
                   DataRecord(0xFFFF, QByteArray(255, '\x44')) + kEnd));
  EXPECT_TRUE(AllFill());
}

TEST_F(FirmwareImageTest, ReconciliationWordIsCheckedOrComputed) {
  // A word of all ones: the image must already sum to zero.
  const std::uint16_t balance = Balance((kWords - 1) * 0xFFFFu);
  ASSERT_TRUE(Load(DataRecord(0x900, Word(balance)) + kEnd));
  EXPECT_EQ(m_image.CheckReconciliation(m_log), Result::Success);
  EXPECT_EQ(m_log.lines, QStringList{"ZU6400 firmware file " + m_path + " checksum reconciliation value is 0xFFFF"});

  ASSERT_TRUE(Load(DataRecord(0x900, Word(balance + 1)) + kEnd));
  m_log.lines.clear();
  EXPECT_EQ(m_image.CheckReconciliation(m_log), Result::HexChecksumNotZero);
  EXPECT_EQ(m_log.lines.last(), QStringLiteral("File does not checksum to zero. Checksum is 0x1"));

  // A zero word is computed, high byte first.
  ASSERT_TRUE(Load(DataRecord(0x800, QByteArray("\x00\x00\x12\x34", 4)) + kEnd));
  const std::uint16_t expected = Balance((kWords - 2) * 0xFFFFu + 0x1234);
  EXPECT_EQ(m_image.CheckReconciliation(m_log), Result::Success);
  EXPECT_EQ(At(0x800), expected >> 8);
  EXPECT_EQ(At(0x801), expected & 0xFF);
  EXPECT_EQ(m_log.lines.last(), QString::asprintf("ZU6400 computed checksum reconciliation value is 0x%X",
                                                   unsigned((expected & 0xFF) << 8 | expected >> 8)));

  // A zero word where the rest already sums to zero goes on with an alert.
  ASSERT_TRUE(Load(DataRecord(0x800, Word(0) + Word(Balance((kWords - 2) * 0xFFFFu))) + kEnd));
  EXPECT_EQ(m_image.CheckReconciliation(m_log), Result::Success);
  EXPECT_EQ(At(0x800), 0);
  EXPECT_TRUE(m_log.lines.last().startsWith("Checksum reconciliation value is zero; alert Corvanta\r\n"));
}

}  // namespace
