#pragma once
// The SWR alarm every front end shares: raised when the SWR stays above the
// threshold for the hold time while the tuner sees power (a forward reading
// above zero), cleared when it stays at or below the threshold as long. A
// cycle without a measured SWR (no power, a sleeping or silent tuner) breaks
// a span that was counting and leaves the alarm as it is.

#include <cstdint>
#include <optional>

#include "machines/operate/ReadingsHistory.h"

// A threshold of 0 is no alarm.
struct SwrAlarmSettings {
  static constexpr double kDefaultSeconds = 3;
  // What a user may choose.
  static constexpr double kLowestSwr = 1.1;
  static constexpr double kHighestSwr = 9.9;
  static constexpr unsigned kLongestSeconds = 3600;

  double swr = 0;
  double seconds = kDefaultSeconds;
  bool IsOn() const { return swr > 0; }
};

class CSwrAlarm {
 public:
  enum class Change { None, Raised, Cleared };

  explicit CSwrAlarm(const SwrAlarmSettings& settings = {}) : m_settings(settings) {}

  // Starts over, cleared, with other settings.
  void Configure(const SwrAlarmSettings& settings);
  const SwrAlarmSettings& Settings() const { return m_settings; }

  // A cycle's point, at nowMs on a clock that keeps the program's pace
  // (CTimeScale::Now()); what it changed.
  Change Feed(std::uint32_t nowMs, const CHistoryPoint& point);
  bool IsRaised() const { return m_raised; }
  // The SWR of the point that last changed the alarm.
  float ChangedAtSwr() const { return m_changedAtSwr; }

 private:
  SwrAlarmSettings m_settings;
  bool m_raised = false;
  // Since when the readings have said the opposite of the alarm's state.
  std::optional<std::uint32_t> m_turningSince;
  float m_changedAtSwr = CHistoryPoint::kNone;
};

// A poll cycle's end as the front ends with a history take it: its point fed
// to the alarm on the program's clock, then added to the history, marked when
// the alarm is raised. What the alarm did.
CSwrAlarm::Change AddCycleWithAlarm(CReadingsHistory& history, CSwrAlarm& alarm, qint64 time, ResultCode result,
                                    const COperateValues& values);
