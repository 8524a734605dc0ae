#pragma once
// What the timing benchmarks share: running the event loop without sleeps,
// and timing a firmware load from its first packet to its last.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <functional>

#include "tests/support/TestSupport.h"
#include "machines/firmware/McuLoaderStateMachine.h"
#include "model/ModelEvents.h"

// Runs the event loop (no sleeps between events) until the condition holds.
inline void RunUntil(const std::function<bool()>& done) {
  QEventLoop loop;
  QTimer check;
  QObject::connect(&check, &QTimer::timeout, &loop, [&] {
    if (done()) loop.quit();
  });
  check.start(2);
  loop.exec();
}

// Notes when the packets begin and when the tuner restarts.
class CPhaseClock : public QObject {
 public:
  QElapsedTimer clock;
  qint64 packetsStart = -1;
  qint64 packetsEnd = -1;

 protected:
  void customEvent(QEvent* event) override {
    if (event->type() != CModelEvent::EventType()) return;
    const QString& text = static_cast<CModelEvent*>(event)->Text;
    if (text.startsWith(QStringLiteral("Sending MCU firmware file"))) packetsStart = clock.nsecsElapsed();
    if (text.startsWith(QStringLiteral("Waiting"))) packetsEnd = clock.nsecsElapsed();
  }
};

struct LoadTiming {
  bool done = false;       // the load ended, and well
  double packetsMs = 0;    // from the first packet to the last acknowledgement
  double totalMs = 0;      // the whole run, fixed waits and contact after included
  std::uint32_t sent = 0;  // bytes of image sent
};

inline LoadTiming TimeLoad(ModelFixture& f, const QString& path, int timeoutMs) {
  CMcuLoaderStateMachine machine(f.Model());
  f.Model().ActiveMachine = &machine;
  CPhaseClock phases;
  phases.clock.start();
  const int before = f.Recorder().Count(Msg::MachineFinished);
  machine.Start(path, &phases);
  LoadTiming timing;
  timing.done =
      WaitFor([&] { return f.Recorder().Count(Msg::MachineFinished) > before; }, timeoutMs) && f.LastResult() == 0;
  f.Model().ActiveMachine = nullptr;
  timing.packetsMs = (phases.packetsEnd - phases.packetsStart) / 1e6;
  timing.totalMs = phases.clock.nsecsElapsed() / 1e6;
  timing.sent = machine.SendLength();
  return timing;
}
