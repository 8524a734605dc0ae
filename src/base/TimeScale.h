#pragma once
// The pace of the program's own waits: state timers (reply time-outs, search
// polls) and the serial line's settling pauses. The program runs at real time
// (factor 1; zu6400ctl takes ZU6400_TIME_SCALE). Tests raise the factor so that waits pass sooner; the
// clock behind the engine's tick count then runs as much faster, so that a
// time-out still measures, and is traced, as the milliseconds it stands for.
// Main thread only.

#include <cstdint>

class CTimeScale {
 public:
  static unsigned Factor();
  // From now on waits pass factor times sooner (0 is taken as 1).
  static void SetFactor(unsigned factor);
  // The real milliseconds a wait of ms lasts; a wait is never cut to none.
  static unsigned RealMs(unsigned ms);
  // Milliseconds since the program started, on the clock that keeps this
  // pace; it never jumps when the factor changes.
  static std::uint32_t Now();
};
