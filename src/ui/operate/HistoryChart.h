#pragma once
// The Operate page's history: SWR and bypass SWR on the left axis, forward
// and reflected voltage on the right, over the last minutes. It draws from
// the readings ring: each trace is a run of line pieces, a new piece after
// every gap, so that no line crosses a time without readings. Points older
// than the window leave the chart; a Tune or Memorize is a mark on the SWR,
// and the span of an SWR alarm a red band along the bottom.
// A long window is drawn in time slots of a fixed share of it, each showing
// its highest reading, so that an hour of fast polls draws as fast as a
// minute and no peak of SWR is lost.

#include <QChartView>
#include <QList>
#include <array>
#include <cstdint>

#include "machines/operate/ReadingsHistory.h"

class QDateTimeAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

class CHistoryChart : public QChartView {
  Q_OBJECT
 public:
  static constexpr std::array<int, 4> kWindowMinutes = {1, 5, 15, 60};
  static constexpr int kDefaultWindowMinutes = 5;
  enum Trace { Swr, SwrBypass, ForwardVoltage, ReflectedVoltage, Alarm, TraceCount };
  // Slots per window: about one per pixel of a wide chart.
  static constexpr int kSlots = 600;

  explicit CHistoryChart(const CReadingsHistory& history, QWidget* parent = nullptr);

  // Draws again from the ring for the new window.
  void SetWindowMinutes(int minutes);
  // Draws the points the ring gained since the last call and lets those
  // older than the window go.
  void Update();

 private:
  struct CTraceLine {
    float (*value)(const CHistoryPoint&) = nullptr;
    QValueAxis* axis = nullptr;
    QList<QLineSeries*> pieces;
    bool open = false;  // the last piece takes the next point
    qint64 slot = -1;   // the time slot of the piece's last point
    // Points for the last piece, handed over in one go: the chart lays out
    // a whole series again for each change it is told of.
    QList<QPointF> pending;
  };

  void Draw(const CHistoryPoint& point);
  void DrawOn(CTraceLine& trace, int index, qint64 time, float value);
  static void KeepHigher(CTraceLine& trace, float value);
  static void Flush(CTraceLine& trace);
  void Trim(qint64 oldest);
  void Clear();
  void ShowInLegend(const CTraceLine& trace);
  void ScaleAxes(qint64 newest);
  void Describe();

  const CReadingsHistory& m_history;
  std::array<CTraceLine, TraceCount> m_traces;
  QScatterSeries* m_tuneMarks;
  QScatterSeries* m_memorizeMarks;
  QDateTimeAxis* m_timeAxis;
  QValueAxis* m_swrAxis;
  QValueAxis* m_voltageAxis;
  std::uint64_t m_drawn = 0;
  qint64 m_slotMs = 1;
  int m_minutes = kDefaultWindowMinutes;
};
