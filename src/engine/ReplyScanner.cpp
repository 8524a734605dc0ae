#include "engine/ReplyScanner.h"

#include <optional>

#include "base/ResultCodes.h"

namespace {
bool IsAsciiDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }

// The value of a reply: what lies between the prefix and the closing ";".
// Nothing when the reply does not begin with the prefix or is not closed, and
// an echoed query (the prefix alone) has an empty value.
std::optional<QStringView> ValueOf(QStringView reply, QStringView prefix) {
  if (!ReplyScanner::HasPrefix(reply, prefix) || !reply.endsWith(u';') || reply.size() <= prefix.size())
    return std::nullopt;
  return reply.mid(prefix.size(), reply.size() - prefix.size() - 1);
}

// A value that is wholly decimal digits, at most max.
bool WholeNumber(QStringView text, unsigned max, unsigned& v) {
  if (text.isEmpty()) return false;
  unsigned long long n = 0;
  for (const QChar c : text) {
    if (!IsAsciiDigit(c)) return false;
    n = n * 10 + (c.unicode() - '0');
    if (n > max) return false;
  }
  v = static_cast<unsigned>(n);
  return true;
}
}  // namespace

namespace ReplyScanner {

bool HasPrefix(QStringView reply, QStringView prefix) {
  return reply.size() >= prefix.size() && reply.left(prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0;
}

bool ScanFlag(QStringView reply, QStringView prefix, int& v) {
  const std::optional<QStringView> value = ValueOf(reply, prefix);
  if (!value || (*value != u"0" && *value != u"1")) return false;
  v = *value == u"1" ? 1 : 0;
  return true;
}

bool ScanText(QStringView reply, QStringView prefix, QString& v) {
  if (!HasPrefix(reply, prefix)) return false;
  v = reply.mid(prefix.size()).trimmed().toString();
  while (v.endsWith(u';')) v.chop(1);
  return true;
}

bool ScanNumber(QStringView reply, QStringView prefix, unsigned max, unsigned& v) {
  const std::optional<QStringView> value = ValueOf(reply, prefix);
  return value && WholeNumber(*value, max, v);
}

bool ScanRange(QStringView reply, QStringView prefix, unsigned& first, unsigned& second) {
  const std::optional<QStringView> value = ValueOf(reply, prefix);
  const qsizetype dash = value ? value->indexOf(u'-') : -1;
  unsigned a = 0, b = 0;
  if (dash < 0 || !WholeNumber(value->left(dash), 0xFFFF, a) || !WholeNumber(value->mid(dash + 1), 0xFFFF, b))
    return false;
  first = a;
  second = b;
  return true;
}

bool ScanHexByte(QStringView reply, QStringView prefix, std::uint8_t& v) {
  const std::optional<QStringView> value = ValueOf(reply, prefix);
  return value && value->size() == 2 && HexPairToByte((*value)[0], (*value)[1], v);
}

bool ScanChar(QStringView reply, QStringView prefix, QChar& c) {
  const std::optional<QStringView> value = ValueOf(reply, prefix);
  if (!value || value->size() != 1) return false;
  c = value->front();
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
