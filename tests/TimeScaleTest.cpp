// The pace of the program's waits, which tests raise: the engine's clock must
// keep it, so that a time-out measures as the milliseconds it stands for, and
// must never run back when the pace changes, or a time-out running across the
// change would read as weeks.

#include <gtest/gtest.h>

#include <QThread>

#include "TestSupport.h"
#include "engine/StateHostBase.h"

namespace {

TEST(TimeScale, EngineClockKeepsThePaceOfTheWaitsAndNeverRunsBack) {
  EXPECT_EQ(CTimeScale::RealMs(500), 500u) << "real time unless a test asks";
  QThread::msleep(20);  // the clock has run a while at real time
  const std::uint32_t start = TickCount();
  std::uint32_t fastEnd = 0;
  {
    const CTimeScaleScope fast(10);
    EXPECT_EQ(CTimeScale::RealMs(500), 50u);
    EXPECT_EQ(CTimeScale::RealMs(225), 23u);
    EXPECT_EQ(CTimeScale::RealMs(1), 1u) << "a wait is never cut to none";
    EXPECT_EQ(CTimeScale::RealMs(0), 0u);
    QThread::msleep(20);
    fastEnd = TickCount();
    EXPECT_GE(fastEnd - start, 200u) << "20 ms at ten times the pace";
  }
  EXPECT_EQ(CTimeScale::Factor(), 1u);
  const std::uint32_t end = TickCount();
  EXPECT_GE(end, fastEnd) << "back at real time the clock goes on from where it was";
  EXPECT_LT(end - fastEnd, 1000u);
}

}  // namespace
