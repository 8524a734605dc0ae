#pragma once
// Readings the simulated tuner replays in place of those its relays give, so
// that a bad antenna can be staged: each line holds from its second on (since
// the replay began) until the next line's; the last holds for good.

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

struct SimReading {
  double seconds = 0;
  double swr = 0;
  unsigned forward = 0;
  unsigned reflected = 0;
};

// Lines "SECONDS SWR FORWARD REFLECTED" (spaces or commas between), seconds
// rising, an SWR of 0 for no carrier as the tuner reports it; blank lines and
// "#" comments are skipped. None when a line is
// not that: problem names it.
std::optional<std::vector<SimReading>> ParseSimReadings(const QByteArray& text, QString& problem);

// The reading in force at that second; none before the first line's.
const SimReading* ReadingAt(const std::vector<SimReading>& readings, double seconds);
