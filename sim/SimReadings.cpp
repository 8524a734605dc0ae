#include "sim/SimReadings.h"

#include <QList>
#include <QRegularExpression>

namespace {
std::optional<SimReading> ParseLine(const QString& line) {
  static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
  const QStringList fields = line.split(separators, Qt::SkipEmptyParts);
  if (fields.size() != 4) return std::nullopt;
  bool ok[4] = {};
  SimReading reading{fields[0].toDouble(&ok[0]), fields[1].toDouble(&ok[1]), fields[2].toUInt(&ok[2]),
                     fields[3].toUInt(&ok[3])};
  if (!(ok[0] && ok[1] && ok[2] && ok[3]) || reading.seconds < 0 || (reading.swr < 1 && reading.swr != 0)) return std::nullopt;
  return reading;
}
}  // namespace

std::optional<std::vector<SimReading>> ParseSimReadings(const QByteArray& text, QString& problem) {
  std::vector<SimReading> readings;
  const QStringList lines = QString::fromUtf8(text).split(u'\n');
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    if (line.isEmpty() || line.startsWith(u'#')) continue;
    const std::optional<SimReading> reading = ParseLine(line);
    if (!reading || (!readings.empty() && reading->seconds < readings.back().seconds)) {
      problem = QStringLiteral("line %1: \"%2\" is not SECONDS SWR FORWARD REFLECTED, seconds rising")
                    .arg(i + 1)
                    .arg(line);
      return std::nullopt;
    }
    readings.push_back(*reading);
  }
  return readings;
}

const SimReading* ReadingAt(const std::vector<SimReading>& readings, double seconds) {
  const SimReading* current = nullptr;
  for (const SimReading& reading : readings) {
    if (reading.seconds > seconds) break;
    current = &reading;
  }
  return current;
}
