// Configuration files: the writer's layout, the CRC, the reader's verdicts
// and boxes, data-line forms, and saves that fail part-way.

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/support/ReadingsTestSupport.h"
#include "tests/support/TestSupport.h"
#include "config/ConfigCrc.h"
#include "config/ConfigurationFileReader.h"
#include "config/ConfigurationFileWriter.h"
#include "model/ModelReportSink.h"

namespace {

const QDateTime kSavedAt(QDate(2021, 9, 15), QTime(14, 25, 30));
const char kAltered[] =
    "The configuration file has been altered after it was saved.\r\nCannot restore from a modified configuration file.";
const char kIncomplete[] =
    "The configuration file is incomplete.\r\nCannot restore from an incomplete configuration file.";

ConfigSnapshot MakeSnapshot(std::uint16_t serialNumber, int seed = 0) {
  ConfigSnapshot s;
  for (std::size_t i = 0; i < s.pic.size(); ++i) s.pic[i] = static_cast<std::uint8_t>(i * 7 + 3 + seed);
  for (std::size_t i = 0; i < s.serial.size(); ++i) s.serial[i] = static_cast<std::uint8_t>(i * 13 + (i >> 8) + seed);
  s.firmwareVersionText = QStringLiteral("01.05");
  s.serialNumber = serialNumber;
  return s;
}

// Lines of a written file without their CR LF (the last, empty piece dropped).
QList<QByteArray> Lines(const QByteArray& content) {
  QList<QByteArray> lines = content.split('\n');
  lines.removeLast();
  for (QByteArray& line : lines) line.chop(1);
  return lines;
}

QByteArray Joined(const QList<QByteArray>& lines) {
  QByteArray content;
  for (const QByteArray& line : lines) content += line + "\r\n";
  return content;
}

// Lines joined with CR LF, each CRC32 line given the value the lines before it call for.
QByteArray Sealed(QList<QByteArray> lines) {
  ConfigCrc crc;  // proved against the standard check value below
  for (QByteArray& line : lines) {
    if (line.startsWith("CRC32"))
      line = QString::asprintf("CRC32 = 0x%08X", crc.CheckValue()).toLatin1();
    else
      crc.AddLine(line);
  }
  return Joined(lines);
}

class ConfigurationFileTest : public ::testing::Test {
 protected:
  QString Path(const QString& name = QStringLiteral("saved.ZU6400Config")) const { return m_dir.filePath(name); }

  QByteArray Written(std::uint16_t serialNumber) {
    CModelReportSink sink(m_fixture.Model());
    EXPECT_TRUE(WriteConfigurationFile(Path(), kSavedAt, MakeSnapshot(serialNumber), sink));
    return FileBytes(Path());
  }
  // A good file of serial number 1234, written once.
  const QByteArray& Good() {
    if (m_good.isEmpty()) m_good = Written(1234);
    return m_good;
  }

  ResultCode Read(const QByteArray& content, std::uint16_t tunerSerial = kNoSerialNumber) {
    const QString path = WriteFileBytes(Path(QStringLiteral("read.ZU6400Config")), content);
    m_data = ConfigRestoreData();
    CModelReportSink sink(m_fixture.Model());
    return ReadConfigurationFile(path, tunerSerial, m_data, sink);
  }

  // The lines of a good file with extra lines put just before its CRC32 line.
  QByteArray WithLinesBeforeCrc(const QList<QByteArray>& extra) {
    QList<QByteArray> lines = Lines(Good());
    const QByteArray crc = lines.takeLast();
    return Sealed(lines + extra + QList<QByteArray>{crc});
  }

  QStringList BoxTexts(const char* title) {
    QStringList texts;
    for (const RecordedEvent& e : m_fixture.Recorder().events)
      if (e.message == Msg::MessageBox && e.title == QLatin1String(title)) texts << e.text;
    return texts;
  }

  ModelFixture m_fixture{SimOptions{}, false};
  QTemporaryDir m_dir;
  ConfigRestoreData m_data;
  QByteArray m_good;
};

TEST(ConfigCrcTest, GivesTheCheckValueOfTheStandardString) {
  ConfigCrc crc;
  crc.AddLine("123456789");
  EXPECT_EQ(crc.Value(), 0xCBF43926u);
  EXPECT_EQ(crc.CheckValue(), 0x340BC6D9u);
}

TEST_F(ConfigurationFileTest, WriterLaysOutEveryLine) {
  const QByteArray content = Good();
  const QList<QByteArray> lines = Lines(content);
  ASSERT_EQ(lines.size(), 1063);
  EXPECT_EQ(lines[0], "*Configuration saved on 2021-09-15 at 14:25:30");
  const QRegularExpression utility(QStringLiteral("^ZU6400 Utility Version = ZU6400 Utility Version [\\d.]+$"));
  EXPECT_TRUE(QString::fromLatin1(lines[3]).contains(utility)) << lines[3].constData();
  EXPECT_EQ(lines[4], "ZU6400 Firmware Version = 01.05");
  EXPECT_EQ(lines[5], "ZU6400 Serial Number = 01234");

  const ConfigSnapshot s = MakeSnapshot(1234);
  const auto hex = [](const std::uint8_t* p, int n) {
    return QByteArray(reinterpret_cast<const char*>(p), n).toHex().toUpper();
  };
  EXPECT_EQ(lines[37], "MEM2 03 E0 20 " + hex(&s.pic[0x3E0], 32));
  EXPECT_EQ(lines[1061], "MEM3 FFC0 40 " + hex(&s.serial[0xFFC0], 64));

  EXPECT_EQ(Sealed(lines), content);

  EXPECT_EQ(Lines(Written(kNoSerialNumber)).size(), 1062);
}

// Any changed character before the CRC line, or a CRC line not of its form, is
// an alteration; what follows the CRC line decides completeness.
TEST_F(ConfigurationFileTest, VerdictsOnAlteredAndIncompleteFiles) {
  const QByteArray good = Good();
  QList<QByteArray> lines = Lines(good);
  const QByteArray crc = lines.takeLast();
  const QByteArray body = Joined(lines);
  const struct {
    const char* what;
    QByteArray content;
    ResultCode code;
  } cases[] = {
      {"header", QByteArray(good).replace("14:25:30", "14:25:31"), Result::CorruptConfigurationFile},
      {"the last MEM3 line", QByteArray(good).replace("MEM3 FFC0", "MEM3 FF80"), Result::CorruptConfigurationFile},
      {"CRC without 0x", body + QByteArray(crc).replace("0x", "0y") + "\r\n", Result::CorruptConfigurationFile},
      {"text after the CRC value", body + crc + "trailing text ignored\r\n", Result::Success},
      {"a comment after the CRC line", good + "*a comment after the check\r\n", Result::Success},
      {"no final line end", good.chopped(2), Result::IncompleteConfigurationFile},
      {"data after the CRC line", good + "MEM3 2000 01 AA\r\n", Result::IncompleteConfigurationFile},
      {"only a header", Sealed({"*only a header", "CRC32"}), Result::IncompleteConfigurationFile},
      {"empty", QByteArray(), Result::IncompleteConfigurationFile},
  };
  for (const auto& c : cases) {
    m_fixture.Recorder().Clear();
    EXPECT_EQ(Read(c.content), c.code) << c.what;
    const QStringList box = c.code == Result::Success ? QStringList()
                            : QStringList{c.code == Result::CorruptConfigurationFile ? kAltered : kIncomplete};
    EXPECT_EQ(BoxTexts(kRestoreErrorTitle), box) << c.what;
  }
}

TEST_F(ConfigurationFileTest, PicBytesJoinRunsOnlyWhenConsecutiveAndAccepted) {
  EXPECT_EQ(Read(WithLinesBeforeCrc({"MEM 001.032 = 171", "MEM 001.033 = 7", "MEM 000.016 = 5",
                                     "mem2 ignored as a comment", "MEM2 04 00 01 AA", "MEM2 01 FF 02 CCDD"})),
            Result::Success);
  ASSERT_EQ(m_data.picRuns.size(), 7u);
  const PicPromRun& decimal = m_data.picRuns[4];
  const auto run = [](const PicPromRun& r) { return std::tuple(int(r.page), int(r.first), int(r.last)); };
  EXPECT_EQ(run(decimal), std::tuple(1, 0x20, 0x21));
  EXPECT_EQ(decimal.data[0x20], 171);
  EXPECT_EQ(decimal.data[0x21], 7);
  // One MEM2 line across a page boundary gives a run on each page.
  EXPECT_EQ(run(m_data.picRuns[5]), std::tuple(1, 0xFF, 0xFF));
  EXPECT_EQ(m_data.picRuns[5].data[0xFF], 0xCC);
  EXPECT_EQ(run(m_data.picRuns[6]), std::tuple(2, 0x00, 0x00));
  EXPECT_EQ(m_data.picRuns[6].data[0x00], 0xDD);
}

TEST_F(ConfigurationFileTest, MalformedDataLinesAreRefusedWithTheLine) {
  const QByteArray bad[] = {"MEM2 0G 20 01 AA", "MEM2 00 20 02 AA", "MEM2X 00 20 01 AA", "MEM3 1000 01 A",
                            "MEM",              "MEM 001.032 = 256", "MEM 001,032 = 1"};
  for (const QByteArray& line : bad) {
    m_fixture.Recorder().Clear();
    EXPECT_EQ(Read(WithLinesBeforeCrc({line})), Result::CorruptConfigurationFile) << line.constData();
    const QString box = QStringLiteral("Unable to parse line \"%1\"").arg(QString::fromLatin1(line));
    EXPECT_EQ(BoxTexts(kRestoreErrorTitle), QStringList{box}) << line.constData();
  }
}

TEST_F(ConfigurationFileTest, SerialNumberLineIsCheckedOnlyAgainstAKnownTuner) {
  QByteArray noEquals = Good();
  noEquals.replace("ZU6400 Serial Number = 01234", "ZU6400 Serial Number 01234");
  noEquals = Sealed(Lines(noEquals));
  EXPECT_EQ(Read(noEquals, kNoSerialNumber), Result::Success);
  EXPECT_FALSE(m_data.fileSerialNumber.has_value());

  EXPECT_EQ(Read(noEquals, 1234), Result::CorruptConfigurationFile);
  EXPECT_EQ(BoxTexts(kRestoreErrorTitle),
            QStringList{"Unable to parse ZU6400 Serial Number line \"ZU6400 Serial Number 01234\", Serial number "
                        "verification skipped"});
}

TEST_F(ConfigurationFileTest, FilesThatCannotBeReadAreReported) {
  CModelReportSink sink(m_fixture.Model());
  const QString missing = Path(QStringLiteral("missing.ZU6400Config"));
  EXPECT_EQ(ReadConfigurationFile(missing, kNoSerialNumber, m_data, sink), Result::FileNotFound);
  EXPECT_EQ(BoxTexts(kConfigReadErrorTitle), QStringList{"Could not open \"" + missing +
                                                         "\"\r\nError 0x00000002: The system cannot find the file "
                                                         "specified."});

  // Far larger than any configuration file: refused before it is read.
  const QByteArray huge = Good() + QByteArray(kMaxConfigFileSize, '*');
  m_fixture.Recorder().Clear();
  EXPECT_EQ(Read(huge), Result::FileTooLarge);
  EXPECT_EQ(BoxTexts(kRestoreErrorTitle),
            QStringList{"The file is too large for a configuration file (more than 4 MiB).\r\n"
                        "Cannot restore from it."});
}

// A save that fails part-way leaves the earlier file as it was, and no
// temporary file behind.
// A save that fails part way, as on a full disk, leaves the earlier file whole.
TEST_F(ConfigurationFileTest, AFailedSaveKeepsTheEarlierFile) {
  const QByteArray earlier = Good();
  CModelReportSink sink(m_fixture.Model());
  bool saved = true;
  {
    const CFileSizeLimit limit(4096);
    ASSERT_TRUE(limit.IsSet());
    saved = WriteConfigurationFile(Path(), kSavedAt, MakeSnapshot(1234, 1), sink);
  }
  EXPECT_FALSE(saved);
  EXPECT_EQ(BoxTexts(kConfigWriteErrorTitle).size(), 1);
  EXPECT_EQ(FileBytes(Path()), earlier);
  EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"saved.ZU6400Config"});
}

}  // namespace
