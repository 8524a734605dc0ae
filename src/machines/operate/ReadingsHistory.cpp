#include "machines/operate/ReadingsHistory.h"

#include <algorithm>

namespace {
float SwrValue(const QString& text) {
  bool ok = false;
  const float swr = text.toFloat(&ok);
  return ok && swr >= 1.0f ? swr : CHistoryPoint::kNone;
}
}  // namespace

CHistoryPoint HistoryPoint(qint64 time, ResultCode result, const COperateValues& v) {
  CHistoryPoint point;
  point.time = time;
  if (result != Result::Success || v.IsAsleep()) return point;
  point.swr = SwrValue(v.Swr.Get());
  point.swrBypass = SwrValue(v.SwrBypass.Get());
  point.vfwd = v.ForwardVoltage.Get();
  point.vrfl = v.ReflectedVoltage.Get();
  return point;
}

CReadingsHistory::CReadingsHistory(std::size_t capacity) : m_points(std::max<std::size_t>(capacity, 1)) {}

void CReadingsHistory::AddCycle(qint64 time, ResultCode result, const COperateValues& values) {
  CHistoryPoint point = HistoryPoint(time, result, values);
  point.mark = m_nextMark;
  point.alarm = m_alarm;
  m_nextMark = HistoryMark::None;
  Add(point);
}

void CReadingsHistory::Add(const CHistoryPoint& point) {
  if (m_size < m_points.size()) {
    m_points[(m_first + m_size++) % m_points.size()] = point;
  } else {
    m_points[m_first] = point;  // the oldest makes room
    m_first = (m_first + 1) % m_points.size();
  }
  ++m_added;
}
