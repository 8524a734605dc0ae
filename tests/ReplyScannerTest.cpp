// The reply scanners on their own, over reply texts: which forms each accepts
// or refuses (echoed queries and values not wholly of their form included),
// and the value it reads. A refused reply must leave the output as it was, or
// a state would store half a value.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "engine/ReplyScanner.h"

namespace {

template <class V>
struct ScanCase {
  const char* reply;
  bool accepted;
  V value{};
};

// Scans each reply into an output that starts as untouched.
template <class V, class Scan>
void ExpectScans(const std::vector<ScanCase<V>>& cases, const V& untouched, Scan scan) {
  for (const ScanCase<V>& c : cases) {
    SCOPED_TRACE(c.reply);
    V v = untouched;
    EXPECT_EQ(scan(QString::fromLatin1(c.reply), v), c.accepted);
    EXPECT_EQ(v, c.accepted ? c.value : untouched);
  }
}

TEST(ReplyScanner, FlagCharacterAndTextFollowThePrefixInAnyCase) {
  ExpectScans<int>({{"PS1;", true, 1}, {"ps0;", true, 0}, {"PS2;", false}, {"AN1;", false}, {"PS1Z;", false}}, -1,
                   [](const QString& r, int& v) { return ReplyScanner::ScanFlag(r, u"PS", v); });
  ExpectScans<QChar>({{"MDM;", true, u'M'}, {"MD;", false}, {"MDMA;", false}}, u'?',
                     [](const QString& r, QChar& v) { return ReplyScanner::ScanChar(r, u"MD", v); });
  ExpectScans<QString>({{"TS  tuned;;", true, "tuned"}, {"ts;", true, ""}, {"T;", false}}, "untouched",
                       [](const QString& r, QString& v) { return ReplyScanner::ScanText(r, u"TS", v); });
  EXPECT_TRUE(ReplyScanner::HasPrefix(u"vswrb1.00;", u"VSWRB"));
  EXPECT_FALSE(ReplyScanner::HasPrefix(u"VSWR1.00;", u"VSWRB"));
}

TEST(ReplyScanner, NumbersAreWhollyDigitsWithinTheirLimitsAndAnEchoedQueryIsNone) {
  const auto number = [](const char16_t* prefix, unsigned max) {
    return [=](const QString& r, unsigned& v) { return ReplyScanner::ScanNumber(r, prefix, max, v); };
  };
  ExpectScans<unsigned>({{"SN70000;", false}, {"SN65535;", true, 65535}, {"sn;", false}, {"SN-1;", false},
                         {"SN99999999999999999999;", false}, {"SN1420Z;", false}, {"SN14200", false}},
                        7, number(u"SN", 0xFFFF));
  ExpectScans<unsigned>({{"BN256;", false}, {"BN10;", true, 10}}, 7, number(u"BN", 0xFF));
  using Range = std::pair<unsigned, unsigned>;
  const auto range = [](const QString& r, Range& v) { return ReplyScanner::ScanRange(r, u"FY", v.first, v.second); };
  ExpectScans<Range>(
      {{"FY1800-2000;", true, {1800, 2000}}, {"FY1800;", false}, {"FY1800-70000;", false}, {"FY1800-20Z0;", false}},
      {7, 7},
      range);
  ExpectScans<std::uint8_t>({{"C0a;", true, 0x0A}, {"C;", false}, {"CG1;", false}, {"C0a1;", false}}, 7,
                            [](const QString& r, std::uint8_t& v) { return ReplyScanner::ScanHexByte(r, u"C", v); });
}

TEST(ReplyScanner, VersionIsTwoDigitsAPointAndTwoDigits) {
  const auto version = [](const QString& r, unsigned short& v) { return ReplyScanner::ScanVersion(r, u"RV", v); };
  ExpectScans<unsigned short>({{"RV1.23;", false}, {"rv01.06;", true, 106}, {"rv;", false}, {"RV01.06", false}}, 7,
                              version);
}

}  // namespace
