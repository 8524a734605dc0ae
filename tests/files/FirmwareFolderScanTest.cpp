// The firmware folder scan: versions read from file names, the choice of the
// newest image, the release-notes flag, folders that cannot be listed, and
// the matcher that decides which names on the maker's server are worth
// copying, and the names out of an FTP server's directory listing.

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"
#include "firmware/FirmwareFolderScan.h"
#include "firmware/FtpListing.h"

namespace {

class FirmwareFolderScanTest : public ::testing::Test {
 protected:
  void Touch(const QString& name) { WriteFileBytes(m_dir.filePath(name), {}); }
  bool Scan() { return m_scan.Scan(m_dir.path()); }

  QTemporaryDir m_dir;
  FirmwareFolderScan m_scan;
};

TEST(FirmwareVersionFromName, ReadsTheDigitsBeforeTheExtensionAfterThePrefix) {
  const struct {
    const char* name;
    int version;
  } cases[] = {
      {"zu6400fw0105b.hex", 105}, {"/some/dir9/zu6400fw0197.HEX", 197}, {"zu6400fw_v12_x.hex", 12},
      {"zu6400fwX.hex", 0},       // the prefix's own digits are not a version
      {"0105.hex", 0},            // nor is a run that starts the name
      {"zu6400fw70000.hex", 0},   // too large for 16 bits is no version, not a wrapped one
  };
  for (const auto& c : cases) EXPECT_EQ(FirmwareFolderScan::VersionFromName(c.name), c.version) << c.name;
}

TEST_F(FirmwareFolderScanTest, ChoosesTheNewestImageWhateverTheCaseAndNothingElse) {
  ASSERT_TRUE(QDir(m_dir.path()).mkdir("zu6400fw0199.hex"));
  for (const char* name : {"zu6400fw0104.hex", "zu6400fw0105.HEX", "ZU6400FW0103.hex", "readme.txt",
                           "zu6400fw0150.hex.bak", "fw0160.hex", "zu6400fwX.hex"})
    Touch(name);
  ASSERT_TRUE(Scan());
  EXPECT_EQ(m_scan.Version(), 105);
  EXPECT_EQ(m_scan.Path(), QDir(m_dir.path()).absoluteFilePath("zu6400fw0105.HEX"));
}

// A scan starts afresh: what an earlier folder held is gone when the next
// cannot be listed, and no folder falls back to the working directory.
// (Notes without an image are the firmware command's proof.)
TEST_F(FirmwareFolderScanTest, AFolderThatCannotBeListedGivesAnEmptyResult) {
  Touch("zu6400fw0105.hex");
  Touch("zu6400fwnotes.rtf");
  ASSERT_TRUE(Scan());
  EXPECT_FALSE(m_scan.Scan(m_dir.filePath("absent")));
  EXPECT_FALSE(m_scan.Found());
  EXPECT_FALSE(m_scan.HasReleaseNotes());
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
  EXPECT_FALSE(m_scan.Scan(QStringLiteral(".")));
  QDir::setCurrent(previous);
}

// The best version starts from what the folder holds and moves up as names
// are offered; only plain file names are taken.
TEST_F(FirmwareFolderScanTest, MatchTakesOnlyPlainNamesOfNewerImagesThanTheBestSoFar) {
  Touch("zu6400fw0105.hex");
  ASSERT_TRUE(Scan());
  EXPECT_FALSE(m_scan.Match("zu6400fw0105.hex"));
  EXPECT_TRUE(m_scan.Match("zu6400fw0106.hex"));
  EXPECT_FALSE(m_scan.Match("zu6400fw0106.HEX"));
  for (const char* name : {"../zu6400fw0107.hex", "zu6400fw0107\\..\\x.hex", "x/../../zu6400fwnotes.rtf",
                           "zu6400fw\n0107.hex", ""})
    EXPECT_FALSE(m_scan.Match(QString::fromUtf8(name))) << name;
  EXPECT_FALSE(m_scan.Match(QStringLiteral("zu6400fw0107") + QChar(0) + QStringLiteral(".hex")));
  EXPECT_EQ(m_scan.Version(), 106);
  EXPECT_FALSE(m_scan.HasReleaseNotes());
  EXPECT_TRUE(m_scan.Match("zu6400fwnotes.rtf"));
  EXPECT_TRUE(m_scan.HasReleaseNotes());
}

QStringList Files(const QByteArray& listing) {
  QStringList names;
  for (const FtpListEntry& entry : ParseFtpListing(listing))
    if (entry.file) names << entry.name;
  return names;
}

// Files and links come out under their names as sent (the matcher judges
// them); folders are entries but no files; broken lines are dropped.
TEST(FtpListingTest, UnixAndDosListingsGiveFilesAndLinksButNotFoldersNorBrokenLines) {
  const QByteArray listing =
      "total 24\r\n"
      "-rw-r--r--   1 ftp      ftp        181234 Nov 30  2025 zu6400fw0105.hex\r\n"
      "drwxr-xr-x   2 ftp      ftp          4096 Dec 06 22:05 old\r\n"
      "lrwxrwxrwx   1 ftp      ftp            16 Dec 06 22:05 latest.hex -> zu6400fw0105.hex\r\n"
      "-rw-r--r--   1 ftp          181234 Nov 30  2025 no group.hex\n"  // a server without groups
      "12-06-26  10:05PM       <DIR>          older\r\n"
      "12-06-26  10:05PM               181234 zu6400fw0106.hex\r\n"
      "-rw-r--r-- 1 o g 10 Dec  6 22:05 ../zu6400fw0201.hex\r\n"
      "-rw-r--r-- 1 o g 10 Dec  6 22:05 \xc3\xa4nderung.hex\r\n"
      "-rw-r--r-- 1 o g 10 Dec  6 22:05 \r\n"       // no name
      "-rw-r--r-- 1 o g ten Dec 6 22:05 x.hex\r\n"  // no size
      "-rw-r--r-- 1 o g 10 Dec  6 22:05 last.hex";  // no line end
  EXPECT_EQ(Files(listing), QStringList({"zu6400fw0105.hex", "latest.hex", "no group.hex", "zu6400fw0106.hex",
                                         "../zu6400fw0201.hex", "änderung.hex", "last.hex"}));
  EXPECT_EQ(ParseFtpListing(listing).size(), 9u) << "the two folders besides";
}

}  // namespace
