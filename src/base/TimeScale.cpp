#include "base/TimeScale.h"

#include <QElapsedTimer>
#include <algorithm>

namespace {
// Real time since the start, and where the scaled clock stood when the
// factor last changed (both in nanoseconds).
struct Pace {
  QElapsedTimer real;
  qint64 realAtChange = 0;
  qint64 scaledAtChange = 0;
  unsigned factor = 1;
};

Pace& ThePace() {
  static Pace pace = [] {
    Pace p;
    p.real.start();
    return p;
  }();
  return pace;
}

qint64 ScaledNanoseconds(const Pace& p, qint64 realNow) {
  return p.scaledAtChange + (realNow - p.realAtChange) * p.factor;
}
}  // namespace

unsigned CTimeScale::Factor() { return ThePace().factor; }

void CTimeScale::SetFactor(unsigned factor) {
  Pace& p = ThePace();
  const qint64 realNow = p.real.nsecsElapsed();
  p.scaledAtChange = ScaledNanoseconds(p, realNow);
  p.realAtChange = realNow;
  p.factor = std::max(1u, factor);
}

unsigned CTimeScale::RealMs(unsigned ms) {
  if (ms == 0) return 0;
  const unsigned factor = Factor();
  return std::max(1u, (ms + factor / 2) / factor);
}

std::uint32_t CTimeScale::Now() {
  const Pace& p = ThePace();
  return static_cast<std::uint32_t>(ScaledNanoseconds(p, p.real.nsecsElapsed()) / 1'000'000);
}
