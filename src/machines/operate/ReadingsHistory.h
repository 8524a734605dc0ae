#pragma once
// The recent readings the history chart draws from: a ring of a fixed number
// of points, so that memory stays the same however long the program polls.
// A cycle without readings (a sleeping or silent tuner) is a gap point.

#include <QDateTime>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "base/ResultCodes.h"
#include "machines/operate/OperateValues.h"

enum class HistoryMark : std::uint8_t { None, Tune, Memorize };

struct CHistoryPoint {
  static constexpr float kNone = std::numeric_limits<float>::quiet_NaN();

  qint64 time = 0;  // milliseconds since the epoch
  // Each is kNone where the cycle had no such reading.
  float swr = kNone;
  float swrBypass = kNone;
  float vfwd = kNone;
  float vrfl = kNone;
  HistoryMark mark = HistoryMark::None;
  bool alarm = false;  // the SWR alarm was raised

  bool IsGap() const { return std::isnan(swr) && std::isnan(swrBypass) && std::isnan(vfwd) && std::isnan(vrfl); }
};

class CReadingsHistory {
 public:
  // An hour at a 100 ms poll.
  static constexpr std::size_t kCapacity = 36000;

  explicit CReadingsHistory(std::size_t capacity = kCapacity);

  // The point of a cycle that ended with result at time; the mark waiting
  // for it, if any, goes with it.
  void AddCycle(qint64 time, ResultCode result, const COperateValues& values);
  void Add(const CHistoryPoint& point);
  // The next point carries the mark (a Tune or Memorize the user pressed).
  void MarkNext(HistoryMark mark) { m_nextMark = mark; }
  // Whether the points from now on fall in an SWR alarm.
  void SetAlarm(bool raised) { m_alarm = raised; }

  std::size_t Capacity() const { return m_points.size(); }
  std::size_t Size() const { return m_size; }
  // 0 is the oldest point kept.
  const CHistoryPoint& At(std::size_t i) const { return m_points[(m_first + i) % m_points.size()]; }
  const CHistoryPoint& Newest() const { return At(m_size - 1); }
  // Every point ever added, also those the ring has let go.
  std::uint64_t AddedCount() const { return m_added; }

 private:
  std::vector<CHistoryPoint> m_points;
  std::size_t m_first = 0;
  std::size_t m_size = 0;
  std::uint64_t m_added = 0;
  HistoryMark m_nextMark = HistoryMark::None;
  bool m_alarm = false;
};

// The point a cycle's values make (no mark): readings on Success only, and
// no SWR where the tuner has no carrier to measure ("0.00").
CHistoryPoint HistoryPoint(qint64 time, ResultCode result, const COperateValues& values);
