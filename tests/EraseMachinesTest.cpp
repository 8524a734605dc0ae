// Factory reset and the erasing of tuning memories, end to end against the
// simulated tuner.

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "machines/EraseConfigurationStateMachine.h"
#include "machines/EraseMemoryStateMachine.h"
#include "model/ActiveMachineScope.h"

namespace {

// Memorizes relay settings for a band and antenna in the simulated tuner.
void Remember(CSimulatedTuner& sim, unsigned frequency, unsigned antenna) {
  sim.Live().Modify([&](SimLive& live) {
    live.frequency = frequency;
    live.antenna = antenna;
    live.capacitor = 17;
  });
  sim.Live().Answer("sm;");
}

class EraseMemoryFixture : public ModelFixture {
 public:
  EraseMemoryFixture() {
    if (!ContactAndWait()) ADD_FAILURE() << "no contact";
    Sim().ClearReceived();
  }
  ResultCode Run(bool (CEraseMemoryStateMachine::*start)()) {
    const int before = Recorder().Count(Msg::MachineFinished);
    if (!(machine.*start)()) return machine.GetResult();
    if (!WaitFor([&] { return Recorder().Count(Msg::MachineFinished) > before; }, 15000)) return 0xFFFFFFFF;
    return LastResult();
  }
  CEraseMemoryStateMachine machine{Model()};
  CActiveMachineScope active{Model(), machine};
};

TEST(EraseMemory, ReadsTheBandTheTunerIsOn) {
  EraseMemoryFixture f;
  f.Sim().Live().Modify([](SimLive& live) { live.frequency = 21200; });
  ASSERT_EQ(f.Run(&CEraseMemoryStateMachine::StartReadBand), 0u);
  EXPECT_EQ(f.machine.Band.Get(), 7);
  EXPECT_EQ(f.Sim().Received(), ";bn;");
}

TEST(EraseMemory, BandOutsideTheTableFailsAtOnce) {
  EraseMemoryFixture f;
  f.Sim().OverrideReply("bn;", "BN11;");
  const CTimeScaleScope fast(kFastTime);
  EXPECT_EQ(f.Run(&CEraseMemoryStateMachine::StartReadBand), Result::NoResponseBandNumber);
  EXPECT_EQ(f.Sim().Received().count("bn;"), 1);  // no retry
}

TEST(EraseMemory, OneBandOrAllBandsInOneTransmission) {
  EraseMemoryFixture f;
  Remember(f.Sim(), 14200, 3);
  Remember(f.Sim(), 7100, 3);
  Remember(f.Sim(), 7100, 1);

  f.machine.Band.Set(5);
  f.machine.Antenna = 3;
  ASSERT_EQ(f.Run(&CEraseMemoryStateMachine::StartErase), 0u);
  EXPECT_EQ(f.Sim().Received(), ";em053;rv;");
  EXPECT_FALSE(f.Sim().Live().Memory(5, 3));
  EXPECT_TRUE(f.Sim().Live().Memory(3, 3));

  f.Sim().ClearReceived();
  f.machine.Band.Set(kAllBands);
  ASSERT_EQ(f.Run(&CEraseMemoryStateMachine::StartErase), 0u);
  EXPECT_EQ(f.Sim().Received(), ";em003;em013;em023;em033;em043;em053;em063;em073;em083;em093;em103;rv;");
  EXPECT_FALSE(f.Sim().Live().Memory(3, 3));
  EXPECT_TRUE(f.Sim().Live().Memory(3, 1));  // another antenna's memory stays
}

// Runs a factory reset on a contacted tuner to its end.
ResultCode FactoryReset(ModelFixture& f) {
  CEraseConfigurationStateMachine machine(f.Model());
  CActiveMachineScope active(f.Model(), machine);
  const int before = f.Recorder().Count(Msg::MachineFinished);
  if (!machine.StartErase()) return machine.GetResult();
  if (!WaitFor([&] { return f.Recorder().Count(Msg::MachineFinished) > before; }, 20000)) return 0xFFFFFFFF;
  return f.LastResult();
}

TEST(EraseConfiguration, ResetsThenContactsTheTunerAgain) {
  ModelFixture f;
  ASSERT_TRUE(f.ContactAndWait());
  f.Sim().SetRestartTime(200);
  Remember(f.Sim(), 14200, 1);
  f.Sim().Config().Modify([](SimConfig& c) { c.sleep = 1; });
  f.Sim().ClearReceived();
  const CTimeScaleScope fast(kSearchTime);  // the search after the reset must still be answered
  EXPECT_EQ(FactoryReset(f), 0u);
  EXPECT_TRUE(f.Sim().Received().startsWith(";I;eeinit;rst0;;I;rv;sn;")) << f.Sim().Received().data();
  EXPECT_EQ(f.Recorder().CountLinesContaining("Waiting 3 seconds for reset"), 1);
  EXPECT_EQ(f.Sim().Config().State().sleep, 0u);
  EXPECT_FALSE(f.Sim().Live().Memory(5, 1));
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusRunning);
}

TEST(EraseConfiguration, TunerInItsLoaderIsNotReset) {
  SimOptions loader;
  loader.identity = QStringLiteral("zu6400");
  ModelFixture f(loader);
  ASSERT_TRUE(f.ContactAndWait());
  f.Sim().ClearReceived();
  EXPECT_EQ(FactoryReset(f), Result::BootstrapLoaderRunning);
  EXPECT_EQ(f.Sim().Received(), ";I;");
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusLoader);
}

}  // namespace
