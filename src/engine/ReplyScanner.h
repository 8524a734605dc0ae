#pragma once
// Reads a value out of one collected reply. The reply must begin with the
// prefix (any case); the value follows it up to the closing ";" and must be
// wholly of the form meant (an echoed query has none). A scan that refuses
// the reply leaves its output as it was.

#include <QChar>
#include <QString>
#include <QStringView>
#include <cstdint>

namespace ReplyScanner {
bool HasPrefix(QStringView reply, QStringView prefix);
// "0" or "1".
bool ScanFlag(QStringView reply, QStringView prefix, int& v);
// The rest, trimmed, without trailing ";".
bool ScanText(QStringView reply, QStringView prefix, QString& v);
// A decimal number from 0 to max.
bool ScanNumber(QStringView reply, QStringView prefix, unsigned max, unsigned& v);
// Two 16-bit numbers joined by "-".
bool ScanRange(QStringView reply, QStringView prefix, unsigned& first, unsigned& second);
// Two hexadecimal digits.
bool ScanHexByte(QStringView reply, QStringView prefix, std::uint8_t& v);
// One character, whatever it is.
bool ScanChar(QStringView reply, QStringView prefix, QChar& c);
// "dd.dd;" as dddd (01.06 is 106).
bool ScanVersion(QStringView reply, QStringView prefix, unsigned short& version);
}  // namespace ReplyScanner
