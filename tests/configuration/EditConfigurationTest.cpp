// The rules the sheet and zu6400ctl share (threshold texts, the tuner's
// encodings of them, whether a change is sent), and the edit-configuration
// machine and the erasing of tuning memories, end to end: the program's serial
// channel on a real pseudo-terminal, the simulated tuner on the other side.

#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"
#include "machines/configuration/ConfigurationValues.h"
#include "machines/configuration/EditConfigurationStateMachine.h"
#include "machines/configuration/EraseMemoryStateMachine.h"
#include "model/ActiveMachineScope.h"

namespace {

// The tuner keeps a threshold in hundredths, its whole part up to 99; a change
// it cannot tell apart is none (the edit machine's tests show one not sent).
TEST(ConfigurationRules, ThresholdTextsEncodingsAndChangesFollowTheTunersResolution) {
  EXPECT_EQ(NormalizeSwrThreshold("2"), "2.00");
  EXPECT_EQ(NormalizeSwrThreshold("2.555"), "2.55");
  EXPECT_EQ(SwrThresholdFine("3.05"), 768u + 12u);
  EXPECT_EQ(SwrThresholdFine("0.99"), 253u);
  EXPECT_EQ(SwrThresholdCoarse("0.99"), 252u);
  EXPECT_EQ(SwrThresholdFine("2.5"), SwrThresholdFine("2.50"));  // one digit counts as tenths
  EXPECT_EQ(SwrThresholdFine("150.00"), 99u * 256);
  EXPECT_EQ(SwrThresholdFine("abc"), 0u);
  EXPECT_FALSE(IsSwrThresholdChange("1.50", "1.501"));
  EXPECT_TRUE(IsSwrThresholdChange("1.50", "1.51"));
  EXPECT_FALSE(IsSwrThresholdChange("99.00", "150.00"));
}

// A contacted model with an edit-configuration machine as the running job.
class EditFixture : public ModelFixture {
 public:
  explicit EditFixture(SimOptions options = Firmware("01.39")) : ModelFixture(options), machine(Model()) {
    if (!ContactAndWait()) ADD_FAILURE() << "no contact";
  }

  // Runs a chain to its end; leaves what it sent in sent.
  ResultCode Run(bool (CEditConfigurationStateMachine::*start)()) {
    Sim().ClearReceived();
    const ResultCode result = RunJob([&] { return (machine.*start)(); });
    WaitFor([] { return false; }, 20);  // anything sent after the end would show up here
    sent = Sim().Received();
    return result;
  }
  ResultCode Read() { return Run(&CEditConfigurationStateMachine::StartRead); }
  ResultCode Write() { return Run(&CEditConfigurationStateMachine::StartWrite); }
  CConfigurationValues& Values() { return machine.Values(); }

  CEditConfigurationStateMachine machine;
  CActiveMachineScope active{Model(), machine};
  QByteArray sent;
};

// The queries of one band, in the order the chain asks them.
QByteArray BandQueries(unsigned band, bool fineTune) {
  const QByteArray b = QByteArray::number(band).rightJustified(2, '0');
  QByteArray q = "ae" + b + "1;ae" + b + "2;ae" + b + "3;ap" + b + ";";
  if (fineTune) q += "aft" + b + ";";
  return q + "st" + b + "k;st" + b + "a;st" + b + "b;";
}

// The chain reads, and writes, only what the firmware has.
TEST(EditConfiguration, ReadAndWriteChainsAskWhatTheFirmwareHas) {
  struct Case {
    const char* version;
    QByteArray head;
    bool fineTune;
    QByteArray written;  // of a sleep, a fine tune and an antenna requested
  };
  for (const Case& c : {Case{"01.04", "", false, "AE0231;ae023;"},
                        Case{"01.38", "akip;psi;sl;", false, "SL1;sl;AE0231;ae023;"},
                        Case{"01.39", "akip;psi;sl;", true, "SL1;sl;AE0231;ae023;AFT021;aft02;"}}) {
    EditFixture f(Firmware(c.version));
    ASSERT_EQ(f.Read(), 0u) << c.version;
    EXPECT_TRUE(f.sent.startsWith(c.head + BandQueries(0, c.fineTune))) << c.version << ": " << f.sent.left(80).data();
    EXPECT_TRUE(f.sent.endsWith(BandQueries(10, c.fineTune))) << c.version;
    EXPECT_EQ(f.sent.count(';'), c.head.count(';') + 11 * (c.fineTune ? 8 : 7)) << c.version;
    f.Values().Sleep.SetRequested(1);
    f.Values().AutoFineTune.SetRequested(2, 1);
    f.Values().AntennaEnable3.SetRequested(2, 1);
    ASSERT_EQ(f.Write(), 0u);
    EXPECT_EQ(f.sent, c.written) << c.version;
  }
}

// A read stores every value of every band; a write sends only what changed
// (a threshold only when the tuner can tell the change, back in its form); a
// bad reply ends the chain.
TEST(EditConfiguration, ReadStoresEveryValueWriteSendsOnlyWhatChangedAndABadReplyEndsTheChain) {
  CPacer pacer({{" send ap00;", kIdleTime}});  // its time-outs pass at once: no good reply comes
  EditFixture f;
  f.Sim().Config().Modify([](SimConfig& c) {
    c.keyInterruptPower = 800;
    c.bands[10].antennas = {0, 0, 1};
    c.bands[10].preferred = 3;
    c.bands[7].fineTune = 1;
    c.bands[0].bypassThreshold = "3.25";
    c.bands[3].autotuneThreshold = "2.0";
  });
  ASSERT_EQ(f.Read(), 0u);
  const CConfigurationValues& v = f.Values();
  EXPECT_EQ(v.KeyInterruptPower.Get(), 800);
  EXPECT_EQ(v.AntennaEnable3.Get(10), 1);
  EXPECT_EQ(v.AntennaPreferred.Get(10), 3);
  EXPECT_EQ(v.AutoFineTune.Get(7), 1);
  EXPECT_EQ(v.SwrThresholdBypass.Get(0), "3.25");
  EXPECT_EQ(v.SwrThresholdAutotune.Get(3), "2.0");
  EXPECT_FALSE(v.IsAnyPending());
  f.Values().SwrThresholdAutotune.SetRequested(3, "2.00");
  EXPECT_TRUE(f.Values().IsAnyPending()) << "Apply is offered, but nothing goes out";
  EXPECT_EQ(f.Write(), 0u);
  EXPECT_EQ(f.sent, "");

  f.Values().KeyInterruptPower.SetRequested(1000);
  f.Values().AntennaPreferred.SetRequested(0, 3);
  f.Values().AntennaEnable2.SetRequested(7, 1);
  f.Values().SwrThresholdAutotune.SetRequested(3, "2.5");
  ASSERT_EQ(f.Write(), 0u);
  EXPECT_EQ(f.sent, "AKIP1000;akip;AP003;ap00;ST03A2.5;st03a;AE0721;ae072;");
  EXPECT_EQ(f.Values().SwrThresholdAutotune.Get(3), "2.50");
  EXPECT_FALSE(f.Values().IsAnyPending());

  f.Sim().OverrideReply("ap00;", "AP004;");  // a digit above 3 is not a preferred antenna
  f.Model().Trace.Set(1);
  f.machine.SetStatusWindow(&pacer);
  EXPECT_EQ(f.Read(), Result::NoResponseAntennaPreferred);
  EXPECT_FALSE(f.sent.contains("ap01;"));  // later bands are not touched
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusNone);
}

// Memorizes relay settings for a band and antenna in the simulated tuner.
void Remember(CSimulatedTuner& sim, unsigned frequency, unsigned antenna) {
  sim.Live().Modify([&](SimLive& live) {
    live.frequency = frequency;
    live.antenna = antenna;
    live.capacitor = 17;
  });
  sim.Live().Answer("sm;");
}

// The band the tuner is on is read; one band's memory of an antenna, or every
// band's, is erased in one transmission; a band outside the table fails at once.
TEST(EraseMemory, ReadsTheBandAndErasesOneBandOrAllInOneTransmission) {
  ModelFixture f;
  ASSERT_TRUE(f.ContactAndWait());
  CEraseMemoryStateMachine machine(f.Model());
  const CActiveMachineScope active(f.Model(), machine);
  const auto run = [&](bool (CEraseMemoryStateMachine::*start)()) {
    f.Sim().ClearReceived();
    return f.RunJob([&] { return (machine.*start)(); });
  };
  Remember(f.Sim(), 14200, 3);
  Remember(f.Sim(), 7100, 3);
  Remember(f.Sim(), 7100, 1);
  f.Sim().Live().Modify([](SimLive& live) { live.frequency = 21200; });
  ASSERT_EQ(run(&CEraseMemoryStateMachine::StartReadBand), 0u);
  EXPECT_EQ(machine.Band.Get(), 7);
  EXPECT_EQ(f.Sim().Received(), ";bn;");

  machine.Band.Set(5);
  machine.Antenna = 3;
  ASSERT_EQ(run(&CEraseMemoryStateMachine::StartErase), 0u);
  EXPECT_EQ(f.Sim().Received(), ";em053;rv;");
  EXPECT_FALSE(f.Sim().Live().Memory(5, 3));
  EXPECT_TRUE(f.Sim().Live().Memory(3, 3));

  machine.Band.Set(kAllBands);
  ASSERT_EQ(run(&CEraseMemoryStateMachine::StartErase), 0u);
  EXPECT_EQ(f.Sim().Received(), ";em003;em013;em023;em033;em043;em053;em063;em073;em083;em093;em103;rv;");
  EXPECT_FALSE(f.Sim().Live().Memory(3, 3));
  EXPECT_TRUE(f.Sim().Live().Memory(3, 1));  // another antenna's memory stays

  f.Sim().OverrideReply("bn;", "BN11;");
  const CTimeScaleScope fast(kFastTime);
  EXPECT_EQ(run(&CEraseMemoryStateMachine::StartReadBand), Result::NoResponseBandNumber);
  EXPECT_EQ(f.Sim().Received().count("bn;"), 1);  // no retry
}

}  // namespace
