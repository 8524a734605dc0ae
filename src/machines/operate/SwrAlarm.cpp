#include "machines/operate/SwrAlarm.h"

#include <cmath>

#include "base/TimeScale.h"

void CSwrAlarm::Configure(const SwrAlarmSettings& settings) {
  m_settings = settings;
  m_raised = false;
  m_turningSince.reset();
  m_changedAtSwr = CHistoryPoint::kNone;
}

CSwrAlarm::Change CSwrAlarm::Feed(std::uint32_t nowMs, const CHistoryPoint& point) {
  const bool measured = m_settings.IsOn() && !std::isnan(point.swr) && point.vfwd > 0;
  if (!measured || (point.swr > m_settings.swr) == m_raised) {
    m_turningSince.reset();
    return Change::None;
  }
  if (!m_turningSince) m_turningSince = nowMs;
  if (double(std::uint32_t(nowMs - *m_turningSince)) < m_settings.seconds * 1000) return Change::None;
  m_raised = !m_raised;
  m_turningSince.reset();
  m_changedAtSwr = point.swr;
  return m_raised ? Change::Raised : Change::Cleared;
}

CSwrAlarm::Change AddCycleWithAlarm(CReadingsHistory& history, CSwrAlarm& alarm, qint64 time, ResultCode result,
                                    const COperateValues& values) {
  const CSwrAlarm::Change change = alarm.Feed(CTimeScale::Now(), HistoryPoint(time, result, values));
  history.SetAlarm(alarm.IsRaised());
  history.AddCycle(time, result, values);
  return change;
}
