// Not a pass/fail test: the time to add one cycle's point to a full 60-minute
// history at a 100 ms poll (36,000 points) and repaint the chart.

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <cmath>

#include "ui/operate/HistoryChart.h"

namespace {
CHistoryPoint Reading(qint64 time, int i) {
  CHistoryPoint p;
  p.time = time;
  p.swr = 1.5f + 0.4f * std::sin(i / 50.0f);
  p.swrBypass = p.swr + 0.8f;
  p.vfwd = 150 + 20 * std::sin(i / 70.0f);
  p.vrfl = p.vfwd / 8;
  return p;
}
}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  constexpr qint64 kInterval = 100;
  CReadingsHistory ring;
  CHistoryChart chart(ring);
  chart.resize(1200, 400);
  chart.show();
  chart.SetWindowMinutes(60);
  qint64 time = 1'000'000'000'000;
  int i = 0;
  for (; i < static_cast<int>(CReadingsHistory::kCapacity); ++i) ring.Add(Reading(time += kInterval, i));
  QElapsedTimer fill;
  fill.start();
  chart.Update();
  chart.repaint();
  const qint64 fillMs = fill.elapsed();

  constexpr int kCycles = 200;
  qint64 updateNs = 0, paintNs = 0;
  for (int n = 0; n < kCycles; ++n, ++i) {
    QElapsedTimer clock;
    clock.start();
    ring.Add(Reading(time += kInterval, i));
    chart.Update();
    updateNs += clock.nsecsElapsed();
    clock.restart();
    chart.viewport()->repaint();
    paintNs += clock.nsecsElapsed();
  }
  const auto ms = [](qint64 ns) { return QString::number(static_cast<double>(ns) / 1e6 / kCycles, 'f', 2); };
  QTextStream(stdout) << "history chart, " << ring.Size() << " points per trace in a 60-minute window: first drawing "
                      << fillMs << " ms; per cycle " << ms(updateNs + paintNs) << " ms (point added " << ms(updateNs)
                      << " ms, repaint " << ms(paintNs) << " ms)\n";
  return 0;
}
