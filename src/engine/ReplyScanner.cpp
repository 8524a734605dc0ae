#include "engine/ReplyScanner.h"

#include "base/ResultCodes.h"

namespace {
// A leading decimal integer as the C library reads one: white space, a sign,
// digits; no digits read as 0. Saturates instead of overflowing.
long long LeadingDecimal(QStringView text) {
  qsizetype i = 0;
  while (i < text.size() && (text[i] == u' ' || (text[i].unicode() >= 9 && text[i].unicode() <= 13))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  long long n = 0;
  for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i)
    if (n < 1'000'000'000'000LL) n = n * 10 + (text[i].unicode() - '0');
  return negative ? -n : n;
}

bool IsAsciiDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }
}  // namespace

namespace ReplyScanner {

bool HasPrefix(QStringView reply, QStringView prefix) {
  return reply.size() >= prefix.size() && reply.left(prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0;
}

bool ScanFlag(QStringView reply, QStringView prefix, int& v) {
  if (!HasPrefix(reply, prefix) || reply.size() <= prefix.size()) return false;
  const QChar c = reply[prefix.size()];
  if (c != u'0' && c != u'1') return false;
  v = c == u'1' ? 1 : 0;
  return true;
}

bool ScanText(QStringView reply, QStringView prefix, QString& v) {
  if (!HasPrefix(reply, prefix)) return false;
  v = reply.mid(prefix.size()).trimmed().toString();
  while (v.endsWith(u';')) v.chop(1);
  return true;
}

bool ScanNumber(QStringView reply, QStringView prefix, unsigned max, unsigned& v) {
  if (!HasPrefix(reply, prefix)) return false;
  const long long n = LeadingDecimal(reply.mid(prefix.size()));
  if (n < 0 || n > static_cast<long long>(max)) return false;
  v = static_cast<unsigned>(n);
  return true;
}

bool ScanRange(QStringView reply, QStringView prefix, unsigned& first, unsigned& second) {
  if (!HasPrefix(reply, prefix)) return false;
  const QStringView rest = reply.mid(prefix.size());
  const qsizetype dash = rest.indexOf(u'-');
  if (dash < 0) return false;
  const long long a = LeadingDecimal(rest);
  const long long b = LeadingDecimal(rest.mid(dash + 1));
  if (a < 0 || a > 0xFFFF || b < 0 || b > 0xFFFF) return false;
  first = static_cast<unsigned>(a);
  second = static_cast<unsigned>(b);
  return true;
}

bool ScanHexByte(QStringView reply, QStringView prefix, std::uint8_t& v) {
  if (!HasPrefix(reply, prefix) || reply.size() < prefix.size() + 2) return false;
  return HexPairToByte(reply[prefix.size()], reply[prefix.size() + 1], v);
}

bool ScanChar(QStringView reply, QStringView prefix, QChar& c) {
  if (!HasPrefix(reply, prefix) || reply.size() <= prefix.size()) return false;
  c = reply[prefix.size()];
  return true;
}

bool ScanVersion(QStringView reply, QStringView prefix, unsigned short& version) {
  if (!HasPrefix(reply, prefix) || reply.size() < prefix.size() + 6) return false;
  const QStringView v = reply.mid(prefix.size(), 6);
  if (!IsAsciiDigit(v[0]) || !IsAsciiDigit(v[1]) || v[2] != u'.' || !IsAsciiDigit(v[3]) || !IsAsciiDigit(v[4]) ||
      v[5] != u';')
    return false;
  auto d = [&](int i) { return static_cast<unsigned>(v[i].unicode() - '0'); };
  version = static_cast<unsigned short>(1000 * d(0) + 100 * d(1) + 10 * d(3) + d(4));
  return true;
}

}  // namespace ReplyScanner
