// The names out of an FTP server's directory listing.

#include <QStringList>
#include <gtest/gtest.h>

#include "firmware/FtpListing.h"

namespace {

QStringList Files(const QByteArray& listing) {
  QStringList names;
  for (const FtpListEntry& entry : ParseFtpListing(listing))
    if (entry.file) names << entry.name;
  return names;
}

QStringList All(const QByteArray& listing) {
  QStringList names;
  for (const FtpListEntry& entry : ParseFtpListing(listing)) names << entry.name;
  return names;
}

TEST(FtpListingTest, UnixAndDosListingsGiveFilesAndLinksButNotFolders) {
  const QByteArray listing =
      "total 24\r\n"
      "-rw-r--r--   1 ftp      ftp        181234 Nov 30  2025 zu6400fw0105.hex\r\n"
      "-rw-r--r--   1 ftp      ftp         12345 Dec 06 22:05 zu6400fwnotes.rtf\r\n"
      "drwxr-xr-x   2 ftp      ftp          4096 Dec 06 22:05 old\r\n"
      "lrwxrwxrwx   1 ftp      ftp            16 Dec 06 22:05 latest.hex -> zu6400fw0105.hex\r\n"
      "-rw-r--r--   1 ftp          181234 Nov 30  2025 no group.hex\n"  // a server without groups
      "prw-r--r--   1 ftp      ftp             0 Dec 06 22:05 pipe\r\n";
  EXPECT_EQ(Files(listing),
            QStringList({"zu6400fw0105.hex", "zu6400fwnotes.rtf", "latest.hex", "no group.hex"}));
  EXPECT_EQ(All(listing).size(), 6);

  const QByteArray dos =
      "12-06-26  10:05PM       <DIR>          old\r\n"
      "12-06-26  10:05PM               181234 zu6400fw0106.hex\r\n"
      "11-30-25  09:00AM                12345 release notes.rtf\r\n";
  EXPECT_EQ(Files(dos), QStringList({"zu6400fw0106.hex", "release notes.rtf"}));
  EXPECT_EQ(All(dos).size(), 3);
}

TEST(FtpListingTest, NamesComeAsSentAndBrokenLinesAreDropped) {
  const QByteArray listing =
      "-rw-r--r-- 1 o g 10 Dec  6 22:05 ../zu6400fw0201.hex\r\n"
      "-rw-r--r-- 1 o g 10 Dec  6 22:05 x/../../y.hex\r\n"
      "-rw-r--r-- 1 o g 10 Dec  6 22:05 \xc3\xa4nderung.hex\r\n"
      "-rw-r--r-- 1 o g 10 Dec  6 22:05 \r\n"  // no name
      "-rw-r--r-- 1 o g ten Dec 6 22:05 x.hex\r\n"  // no size
      "zu6400fw0107.hex\r\n"  // a bare name: not a listing line
      "12-06-26 10:05PM <FILE> odd.hex\r\n"
      "-rw-r--r-- 1 o g 10 Dec  6 22:05 last.hex";  // no line end
  EXPECT_EQ(Files(listing), QStringList({"../zu6400fw0201.hex", "x/../../y.hex", "änderung.hex", "last.hex"}));
  EXPECT_TRUE(ParseFtpListing(QByteArray()).empty());
}

}  // namespace
