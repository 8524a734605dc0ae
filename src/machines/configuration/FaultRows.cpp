#include "machines/configuration/FaultRows.h"

#include "base/StringTable.h"
#include "base/TextFormat.h"

namespace {
constexpr std::uint8_t kEmptyRecord = 0xFF;
constexpr std::uint8_t kPowerOn = 0x00;
constexpr std::uint8_t kNoMatchDetail = 0x81;

unsigned Word(std::span<const std::uint8_t, kFaultRecordSize> r, std::size_t at) { return r[at] | (r[at + 1] << 8); }

// 8.8 fixed point as "2.50": the fraction in hundredths, cut off.
unsigned Hundredths(std::uint8_t fraction) { return fraction * 100u / 256u; }

QString TimeOn(unsigned seconds) {
  if (seconds == 0) return {};
  const unsigned days = seconds / 86400;
  const QString prefix = days != 0 ? Format("%uD ", days) : QString();
  return prefix + Format("%02u:%02u:%02u", seconds / 3600 % 24, seconds / 60 % 60, seconds % 60);
}

QString FaultText(std::uint8_t code) {
  switch (code) {
    case kPowerOn: return LoadString(Str::FaultPowerOn);
    case 0x01: return LoadString(Str::FaultNoMatchCode);
    case 0x02: return LoadString(Str::FaultVfwdTooHigh);
    case 0x03: return LoadString(Str::FaultVfwdHotswitch);
    case 0x04: return LoadString(Str::FaultSwrAboveKeyInterruptCode);
    case kNoMatchDetail: return LoadString(Str::FaultNoMatchDetail);
    default: return FormatString(Str::FaultUnrecognized, unsigned{code});
  }
}

char Letter(std::uint8_t byte, char zero, char one) {
  if (byte == 0 || byte == zero) return zero;
  return byte == 1 || byte == one ? one : '?';
}

QString Data(std::span<const std::uint8_t, kFaultRecordSize> r) {
  if (r[0] == kPowerOn) {
    const unsigned times = Word(r, 4);
    return times > 1 ? FormatString(Str::FaultTimes, times) : QString();
  }
  if (r[0] == kNoMatchDetail)
    return FormatString(Str::FaultStepsFormat, Word(r, 4), unsigned{r[6]}, Letter(r[7], 'B', 'N'), Letter(r[8], 'T', 'A'),
                        unsigned{r[9]}, unsigned{r[10]});
  return FormatString(Str::FaultDataFormat, Word(r, 4), Word(r, 6), Word(r, 8), unsigned{r[11]}, Hundredths(r[10]),
                      unsigned{r[13]}, Hundredths(r[12]));
}
}  // namespace

FaultRow FormatFaultRow(unsigned index, std::span<const std::uint8_t, kFaultRecordSize> record) {
  const unsigned seconds = record[1] | (record[2] << 8) | (record[3] << 16);
  return {index, TimeOn(seconds), FaultText(record[0]), Data(record)};
}

std::vector<FaultRow> FaultRows(std::uint8_t newest, const FaultTable& table) {
  std::vector<FaultRow> rows;
  unsigned i = newest;
  for (std::size_t n = 0; n < kFaultRecordCount; ++n, i = (i + kFaultRecordCount - 1) % kFaultRecordCount) {
    const std::span<const std::uint8_t, kFaultRecordSize> record(table.data() + i * kFaultRecordSize, kFaultRecordSize);
    if (record[0] != kEmptyRecord) rows.push_back(FormatFaultRow(i, record));
  }
  return rows;
}

QString FaultRowsCsv(const std::vector<FaultRow>& rows) {
  QStringList header;
  for (unsigned id : {Str::FaultColumnIndex, Str::FaultColumnTimeOn, Str::FaultColumnCode, Str::FaultColumnData})
    header << LoadString(id).trimmed();
  QString text = CsvLine(header) + QStringLiteral("\r\n");
  for (const FaultRow& row : rows)
    text += CsvLine({QString::number(row.index), row.timeOn, row.fault, row.data}) + QStringLiteral("\r\n");
  return text;
}
