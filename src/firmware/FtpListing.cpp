#include "firmware/FtpListing.h"

#include <QList>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Splits off the first count words; the rest of the line, from the first
// character after their blanks, is the name (which may hold blanks itself).
bool SplitWords(QByteArrayView line, int count, QList<QByteArrayView>& words, QByteArrayView& rest) {
  qsizetype i = 0;
  for (int w = 0; w < count; ++w) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    const qsizetype start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    if (i == start) return false;
    words << line.sliced(start, i - start);
  }
  while (i < line.size() && IsBlank(line[i])) ++i;
  rest = line.sliced(i);
  return !rest.isEmpty();
}

bool IsDigits(QByteArrayView word) {
  if (word.isEmpty()) return false;
  for (const char c : word)
    if (c < '0' || c > '9') return false;
  return true;
}

// "-rw-r--r-- 1 owner group 4711 Dec  6 22:05 zu6400fw0106.hex"; some
// servers leave out the group, so the size is found as the last number
// before the three date words.
bool ParseUnixLine(QByteArrayView line, FtpListEntry& entry) {
  static constexpr char kTypes[] = "-dlbcps";
  if (line.size() < 10 || QByteArrayView(kTypes).indexOf(line[0]) < 0) return false;
  for (const int words : {8, 7}) {
    QList<QByteArrayView> fields;
    QByteArrayView name;
    if (!SplitWords(line, words, fields, name) || !IsDigits(fields[words - 4])) continue;
    if (line[0] == 'l') {
      const qsizetype arrow = name.indexOf(QByteArrayView(" -> "));
      if (arrow >= 0) name = name.first(arrow);
    }
    entry.name = QString::fromUtf8(name);
    entry.file = line[0] == '-' || line[0] == 'l';
    return true;
  }
  return false;
}

// "12-06-26  10:05PM       <DIR>          old" or "12-06-26  10:05PM  4711 zu6400fw0106.hex".
bool ParseDosLine(QByteArrayView line, FtpListEntry& entry) {
  QList<QByteArrayView> fields;
  QByteArrayView name;
  if (!SplitWords(line, 3, fields, name)) return false;
  const QByteArrayView date = fields[0];
  if (date.size() < 8 || date[2] != '-' || date[5] != '-' || !IsDigits(date.first(2))) return false;
  const bool directory = fields[2] == QByteArrayView("<DIR>");
  if (!directory && !IsDigits(fields[2])) return false;
  entry.name = QString::fromUtf8(name);
  entry.file = !directory;
  return true;
}

}  // namespace

std::vector<FtpListEntry> ParseFtpListing(QByteArrayView listing) {
  std::vector<FtpListEntry> entries;
  qsizetype start = 0;
  while (start < listing.size()) {
    qsizetype end = listing.indexOf('\n', start);
    if (end < 0) end = listing.size();
    QByteArrayView line = listing.sliced(start, end - start);
    if (line.endsWith('\r')) line.chop(1);
    start = end + 1;
    FtpListEntry entry;
    if (ParseUnixLine(line, entry) || ParseDosLine(line, entry)) entries.push_back(std::move(entry));
  }
  return entries;
}
