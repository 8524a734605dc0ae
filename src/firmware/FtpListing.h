#pragma once
// The entries of a directory listing as FTP servers send it for LIST: Unix
// "ls -l" lines or MS-DOS lines. The listing comes from the network and is
// untrusted: lines that fit neither shape are dropped, and names are returned
// as sent, for the caller to judge.

#include <QByteArrayView>
#include <QString>
#include <vector>

struct FtpListEntry {
  QString name;
  bool file = false;  // a regular file or a link; directories and devices are not
};

std::vector<FtpListEntry> ParseFtpListing(QByteArrayView listing);
