#include "ui/operate/HistoryChart.h"

#include <QDateTimeAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {
const char* const kTraceNames[CHistoryChart::TraceCount] = {QT_TRANSLATE_NOOP("CHistoryChart", "SWR"),
                                                             QT_TRANSLATE_NOOP("CHistoryChart", "Bypass SWR"),
                                                             QT_TRANSLATE_NOOP("CHistoryChart", "VFWD"),
                                                             QT_TRANSLATE_NOOP("CHistoryChart", "VRFL"),
                                                             QT_TRANSLATE_NOOP("CHistoryChart", "SWR Alarm")};
const QColor kTraceColors[CHistoryChart::TraceCount] = {QColor(0, 90, 200), QColor(120, 170, 230),
                                                         QColor(200, 60, 30), QColor(230, 150, 40), QColor(220, 0, 0)};
constexpr int kTraceWidths[CHistoryChart::TraceCount] = {2, 2, 1, 1, 8};
// What each trace draws of a point; the alarm's band lies on the SWR axis's floor.
constexpr float (*kTraceValues[CHistoryChart::TraceCount])(const CHistoryPoint&) = {
    [](const CHistoryPoint& p) { return p.swr; }, [](const CHistoryPoint& p) { return p.swrBypass; },
    [](const CHistoryPoint& p) { return p.vfwd; }, [](const CHistoryPoint& p) { return p.vrfl; },
    [](const CHistoryPoint& p) { return p.alarm ? 1.0f : CHistoryPoint::kNone; }};

bool OnSwrAxis(int trace) { return trace != CHistoryChart::ForwardVoltage && trace != CHistoryChart::ReflectedVoltage; }
constexpr double kLowestSwrTop = 3.0;
constexpr double kLowestVoltageTop = 100.0;

// The axis top that holds value: 1, 2 or 5 times a power of ten, at least lowest.
double AxisTop(double value, double lowest) {
  if (!(value > lowest)) return lowest;
  const double decade = std::pow(10.0, std::floor(std::log10(value)));
  for (const double step : {1.0, 2.0, 5.0, 10.0})
    if (step * decade >= value) return step * decade;
  return 10.0 * decade;
}

QScatterSeries* NewMarks(const QString& name, QScatterSeries::MarkerShape shape, const QColor& color) {
  auto* marks = new QScatterSeries;
  marks->setName(name);
  marks->setMarkerShape(shape);
  marks->setMarkerSize(9);
  marks->setColor(color);
  return marks;
}

// Points of a piece before the time, from its start.
int CountOlder(const QLineSeries& piece, qint64 oldest) {
  int n = 0;
  while (n < piece.count() && piece.at(n).x() < static_cast<double>(oldest)) ++n;
  return n;
}
}  // namespace

CHistoryChart::CHistoryChart(const CReadingsHistory& history, QWidget* parent)
    : QChartView(parent), m_history(history) {
  QChart* c = chart();
  c->legend()->setAlignment(Qt::AlignBottom);
  c->setMargins(QMargins(2, 2, 2, 2));
  m_timeAxis = new QDateTimeAxis;
  m_timeAxis->setFormat(QStringLiteral("hh:mm:ss"));
  m_swrAxis = new QValueAxis;
  m_swrAxis->setTitleText(tr("SWR"));
  m_swrAxis->setObjectName("swrAxis");
  m_swrAxis->setLabelFormat(QStringLiteral("%.1f"));
  m_voltageAxis = new QValueAxis;
  m_voltageAxis->setTitleText(tr("Voltage"));
  m_voltageAxis->setObjectName("voltageAxis");
  m_voltageAxis->setLabelFormat(QStringLiteral("%d"));
  c->addAxis(m_timeAxis, Qt::AlignBottom);
  c->addAxis(m_swrAxis, Qt::AlignLeft);
  c->addAxis(m_voltageAxis, Qt::AlignRight);
  for (int i = 0; i < TraceCount; ++i) {
    m_traces[i].value = kTraceValues[i];
    m_traces[i].axis = OnSwrAxis(i) ? m_swrAxis : m_voltageAxis;
  }
  m_tuneMarks = NewMarks(tr("Tune"), QScatterSeries::MarkerShapeTriangle, Qt::darkGreen);
  m_memorizeMarks = NewMarks(tr("Memorize"), QScatterSeries::MarkerShapeRectangle, Qt::darkMagenta);
  for (QScatterSeries* marks : {m_tuneMarks, m_memorizeMarks}) {
    marks->setObjectName("marks");
    c->addSeries(marks);
    marks->attachAxis(m_timeAxis);
    marks->attachAxis(m_swrAxis);
  }
  setRenderHint(QPainter::Antialiasing, false);
  setMinimumHeight(160);
  setAccessibleName(tr("SWR history"));
  SetWindowMinutes(m_minutes);
}

void CHistoryChart::SetWindowMinutes(int minutes) {
  m_minutes = minutes;
  m_slotMs = std::max<qint64>(1, qint64{minutes} * 60'000 / kSlots);
  Clear();
  Update();
  Describe();
}

void CHistoryChart::Update() {
  const std::uint64_t added = m_history.AddedCount();
  if (added == m_drawn || m_history.Size() == 0) return;
  const std::size_t fresh = static_cast<std::size_t>(std::min<std::uint64_t>(added - m_drawn, m_history.Size()));
  const qint64 newest = m_history.Newest().time;
  // What the ring has let go leaves the chart too, however long the window.
  const qint64 oldest = std::max(newest - qint64{m_minutes} * 60'000, m_history.At(0).time);
  for (std::size_t i = m_history.Size() - fresh; i < m_history.Size(); ++i)
    if (m_history.At(i).time >= oldest) Draw(m_history.At(i));
  for (CTraceLine& trace : m_traces) Flush(trace);
  m_drawn = added;
  Trim(oldest);
  ScaleAxes(newest);
  Describe();
}

// A screen reader cannot see the lines: the description says the latest and
// the lowest SWR of the span.
void CHistoryChart::Describe() {
  const qint64 oldest = m_history.Size() == 0 ? 0 : m_history.Newest().time - qint64{m_minutes} * 60'000;
  float lowest = CHistoryPoint::kNone;
  for (std::size_t i = m_history.Size(); i-- > 0 && m_history.At(i).time >= oldest;) {
    const float swr = m_history.At(i).swr;
    if (!std::isnan(swr) && !(swr >= lowest)) lowest = swr;
  }
  const float latest = m_history.Size() == 0 ? CHistoryPoint::kNone : m_history.Newest().swr;
  auto text = [](float swr) { return std::isnan(swr) ? tr("none") : QString::number(swr, 'f', 2); };
  setAccessibleDescription(tr("Last %n minute(s): latest SWR %1, lowest SWR %2", nullptr, m_minutes)
                               .arg(text(latest), text(lowest)));
}

void CHistoryChart::Draw(const CHistoryPoint& point) {
  for (int i = 0; i < TraceCount; ++i) DrawOn(m_traces[i], i, point.time, m_traces[i].value(point));
  if (point.mark == HistoryMark::None) return;
  const double y = std::isnan(point.swr) ? 1.0 : point.swr;
  (point.mark == HistoryMark::Tune ? m_tuneMarks : m_memorizeMarks)->append(static_cast<double>(point.time), y);
}

void CHistoryChart::DrawOn(CTraceLine& trace, int index, qint64 time, float value) {
  if (std::isnan(value)) {
    Flush(trace);
    trace.open = false;  // a gap: the next reading starts a new piece
    return;
  }
  const qint64 slot = time / m_slotMs;
  if (trace.open && slot == trace.slot) {
    KeepHigher(trace, value);
    return;
  }
  trace.slot = slot;
  if (!trace.open) {
    Flush(trace);
    auto* piece = new QLineSeries;
    piece->setName(tr(kTraceNames[index]));
    piece->setObjectName(QString::fromLatin1(kTraceNames[index]));
    piece->setPen(QPen(kTraceColors[index], kTraceWidths[index]));
    chart()->addSeries(piece);
    piece->attachAxis(m_timeAxis);
    piece->attachAxis(trace.axis);
    trace.pieces.append(piece);
    trace.open = true;
    ShowInLegend(trace);
  }
  trace.pending.append(QPointF(static_cast<double>(time), value));
}

// The slot's point shows its highest reading, at the slot's first time.
void CHistoryChart::KeepHigher(CTraceLine& trace, float value) {
  if (!trace.pending.isEmpty()) {
    QPointF& last = trace.pending.back();
    last.setY(std::max<double>(last.y(), value));
    return;
  }
  QLineSeries* piece = trace.pieces.back();
  const QPointF last = piece->at(piece->count() - 1);
  if (value > last.y()) piece->replace(piece->count() - 1, QPointF(last.x(), value));
}

// One change for the chart to lay out, however many points.
void CHistoryChart::Flush(CTraceLine& trace) {
  if (trace.pending.isEmpty()) return;
  QLineSeries* piece = trace.pieces.back();
  piece->count() == 0 ? piece->replace(trace.pending) : piece->append(trace.pending);
  trace.pending.clear();
}

void CHistoryChart::Trim(qint64 oldest) {
  for (CTraceLine& trace : m_traces) {
    bool removed = false;
    while (!trace.pieces.isEmpty()) {
      QLineSeries* piece = trace.pieces.front();
      const int older = CountOlder(*piece, oldest);
      if (older < piece->count()) {
        if (older > 0) piece->removePoints(0, older);
        break;
      }
      chart()->removeSeries(piece);
      delete piece;
      trace.pieces.removeFirst();
      removed = true;
    }
    if (trace.pieces.isEmpty()) trace.open = false;
    if (removed) ShowInLegend(trace);
  }
  for (QScatterSeries* marks : {m_tuneMarks, m_memorizeMarks}) {
    int older = 0;
    while (older < marks->count() && marks->at(older).x() < static_cast<double>(oldest)) ++older;
    if (older > 0) marks->removePoints(0, older);
  }
}

void CHistoryChart::Clear() {
  for (CTraceLine& trace : m_traces) {
    for (QLineSeries* piece : trace.pieces) {
      chart()->removeSeries(piece);
      delete piece;
    }
    trace.pieces.clear();
    trace.open = false;
  }
  m_tuneMarks->clear();
  m_memorizeMarks->clear();
  m_drawn = m_history.AddedCount() - m_history.Size();  // draw the whole ring again
}

// A trace is named once in the legend, by its oldest piece.
void CHistoryChart::ShowInLegend(const CTraceLine& trace) {
  for (QLineSeries* piece : trace.pieces)
    for (QLegendMarker* marker : chart()->legend()->markers(piece)) marker->setVisible(piece == trace.pieces.front());
}

void CHistoryChart::ScaleAxes(qint64 newest) {
  m_timeAxis->setRange(QDateTime::fromMSecsSinceEpoch(newest - qint64{m_minutes} * 60'000),
                       QDateTime::fromMSecsSinceEpoch(newest));
  double swr = 0, voltage = 0;
  for (int i = 0; i < TraceCount; ++i) {
    double& top = OnSwrAxis(i) ? swr : voltage;
    for (const QLineSeries* piece : m_traces[i].pieces)
      for (const QPointF& p : piece->points()) top = std::max(top, p.y());
  }
  m_swrAxis->setRange(1.0, AxisTop(swr, kLowestSwrTop));
  m_voltageAxis->setRange(0.0, AxisTop(voltage, kLowestVoltageTop));
}
