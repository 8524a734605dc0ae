// The firmware folder scan: versions read from file names, the choice of the
// newest image, the release-notes flag, folders that cannot be listed, and
// the matcher that decides which names on the maker's server are worth
// copying.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "base/ReportSink.h"
#include "base/StringTable.h"
#include "firmware/FirmwareFolderScan.h"

namespace {

class FirmwareFolderScanTest : public ::testing::Test {
 protected:
  void Touch(const QString& name) {
    QFile file(m_dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  bool Scan() { return m_scan.Scan(m_dir.path()); }

  QTemporaryDir m_dir;
  FirmwareFolderScan m_scan;
};

TEST(FirmwareVersionFromName, ReadsTheDigitsBeforeTheExtension) {
  EXPECT_EQ(FirmwareFolderScan::VersionFromName("zu6400fw0105.hex"), 105);
  EXPECT_EQ(FirmwareFolderScan::VersionFromName("zu6400fw0105b.hex"), 105);
  EXPECT_EQ(FirmwareFolderScan::VersionFromName("/some/dir9/zu6400fw0197.HEX"), 197);
  EXPECT_EQ(FirmwareFolderScan::VersionFromName("zu6400fw_v12_x.hex"), 12);
}

TEST(FirmwareVersionFromName, IsZeroWithoutAVersion) {
  // The prefix's own digits are not a version.
  EXPECT_EQ(FirmwareFolderScan::VersionFromName("zu6400fwX.hex"), 0);
  EXPECT_EQ(FirmwareFolderScan::VersionFromName("zu6400fw.hex"), 0);
  // A run that starts the name does not count.
  EXPECT_EQ(FirmwareFolderScan::VersionFromName("0105.hex"), 0);
  // Too large for 16 bits is no version, not a wrapped one.
  EXPECT_EQ(FirmwareFolderScan::VersionFromName("zu6400fw70000.hex"), 0);
  EXPECT_EQ(FirmwareFolderScan::VersionFromName("zu6400fw65535.hex"), 65535);
}

TEST_F(FirmwareFolderScanTest, ChoosesTheNewestImageWhateverTheCase) {
  Touch("zu6400fw0104.hex");
  Touch("zu6400fw0105.HEX");
  Touch("ZU6400FW0103.hex");
  Touch("readme.txt");
  ASSERT_TRUE(Scan());
  EXPECT_TRUE(m_scan.Found());
  EXPECT_EQ(m_scan.Version(), 105);
  EXPECT_EQ(m_scan.Path(), QDir(m_dir.path()).absoluteFilePath("zu6400fw0105.HEX"));
  EXPECT_EQ(m_scan.AvailableText(), "01.05");
  EXPECT_FALSE(m_scan.HasReleaseNotes());
}

TEST_F(FirmwareFolderScanTest, AnImageWithoutDigitsIsNeverChosen) {
  Touch("zu6400fwX.hex");
  ASSERT_TRUE(Scan());
  EXPECT_FALSE(m_scan.Found());
  EXPECT_EQ(m_scan.Version(), 0);
  EXPECT_EQ(m_scan.AvailableText(), LoadString(Str::FirmwareMissing));
}

TEST_F(FirmwareFolderScanTest, NotesAloneAreMissingFirmware) {
  Touch("ZU6400FWNOTES.RTF");
  ASSERT_TRUE(Scan());
  EXPECT_TRUE(m_scan.HasReleaseNotes());
  EXPECT_FALSE(m_scan.Found());
  EXPECT_EQ(m_scan.AvailableText(), "Missing");
}

TEST_F(FirmwareFolderScanTest, EqualVersionsKeepOneOfThem) {
  Touch("zu6400fw0105a.hex");
  Touch("zu6400fw0105b.hex");
  ASSERT_TRUE(Scan());
  EXPECT_EQ(m_scan.Version(), 105);
  EXPECT_TRUE(m_scan.Path().endsWith("zu6400fw0105a.hex") || m_scan.Path().endsWith("zu6400fw0105b.hex"));
}

TEST_F(FirmwareFolderScanTest, IgnoresFoldersAndOtherNames) {
  ASSERT_TRUE(QDir(m_dir.path()).mkdir("zu6400fw0199.hex"));
  Touch("zu6400fw0150.hex.bak");
  Touch("fw0160.hex");
  Touch("zu6400fw0102.hex");
  ASSERT_TRUE(Scan());
  EXPECT_EQ(m_scan.Version(), 102);
}

TEST_F(FirmwareFolderScanTest, AFolderThatCannotBeListedGivesAnEmptyResult) {
  Touch("zu6400fw0105.hex");
  Touch("zu6400fwnotes.rtf");
  ASSERT_TRUE(Scan());
  EXPECT_FALSE(m_scan.Scan(m_dir.filePath("absent")));
  EXPECT_FALSE(m_scan.Found());
  EXPECT_FALSE(m_scan.HasReleaseNotes());
  // Neither an empty nor a relative folder falls back to the working directory.
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
  EXPECT_FALSE(m_scan.Scan(QString()));
  EXPECT_FALSE(m_scan.Scan(QStringLiteral(".")));
  EXPECT_FALSE(m_scan.Found());
  QDir::setCurrent(previous);
}

TEST_F(FirmwareFolderScanTest, ScanningLeavesTheWorkingDirectoryAlone) {
  Touch("zu6400fw0105.hex");
  const QString before = QDir::currentPath();
  ASSERT_TRUE(Scan());
  EXPECT_EQ(QDir::currentPath(), before);
}

TEST_F(FirmwareFolderScanTest, CheckVersionsAdvisesOnlyWhenNoImageIsFound) {
  CRecordingSink sink;
  EXPECT_FALSE(CheckVersions(m_dir.path(), sink).Found());
  ASSERT_EQ(sink.lines.size(), 1);
  EXPECT_TRUE(sink.lines[0].startsWith("Firmware folder does not contain required firmware files"));
  Touch("zu6400fw0106.hex");
  sink.lines.clear();
  EXPECT_EQ(CheckVersions(m_dir.path(), sink).Version(), 106);
  EXPECT_TRUE(sink.lines.isEmpty());
}

TEST(FirmwareFolderMatch, TheBestVersionMovesUpAsNamesAreOffered) {
  FirmwareFolderScan ascending;
  EXPECT_TRUE(ascending.Match("zu6400fw0103.hex"));
  EXPECT_TRUE(ascending.Match("zu6400fw0106.hex"));
  EXPECT_EQ(ascending.Version(), 106);

  FirmwareFolderScan descending;
  EXPECT_TRUE(descending.Match("zu6400fw0106.hex"));
  EXPECT_FALSE(descending.Match("zu6400fw0103.hex"));
  EXPECT_FALSE(descending.Match("zu6400fw0106.HEX"));
  EXPECT_EQ(descending.Version(), 106);
}

TEST_F(FirmwareFolderScanTest, MatchStartsFromWhatTheFolderHolds) {
  Touch("zu6400fw0105.hex");
  ASSERT_TRUE(Scan());
  EXPECT_FALSE(m_scan.Match("zu6400fw0105.hex"));
  EXPECT_FALSE(m_scan.Match("zu6400fw0104.hex"));
  EXPECT_FALSE(m_scan.HasReleaseNotes());
  EXPECT_TRUE(m_scan.Match("zu6400fwnotes.rtf"));
  EXPECT_TRUE(m_scan.HasReleaseNotes());
  EXPECT_FALSE(m_scan.Match("other.rtf"));
}

TEST(FirmwareFolderMatch, RefusesNamesThatAreNotPlainFileNames) {
  FirmwareFolderScan scan;
  for (const char* name : {"../zu6400fw0107.hex", "zu6400fw../../0107.hex", "zu6400fw0107\\..\\x.hex",
                           "x/../../zu6400fwnotes.rtf", "zu6400fw\n0107.hex", "", ".."}) {
    EXPECT_FALSE(scan.Match(QString::fromUtf8(name))) << name;
  }
  EXPECT_FALSE(scan.Match(QStringLiteral("zu6400fw0107") + QChar(0) + QStringLiteral(".hex")));
  EXPECT_EQ(scan.Version(), 0);
  EXPECT_FALSE(scan.HasReleaseNotes());
}

}  // namespace
