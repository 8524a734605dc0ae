#pragma once
// What the timing benchmarks share: running the event loop without sleeps,
// and noting when a load's packets begin and end.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <functional>

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
