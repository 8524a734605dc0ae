// The edit-configuration machine end to end: the program's serial channel on a
// real pseudo-terminal, the simulated tuner's stored configuration on the
// other side.

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "machines/EditConfigurationStateMachine.h"
#include "model/ActiveMachineScope.h"

namespace {

// A contacted model with an edit-configuration machine as the running job.
class EditFixture : public ModelFixture {
 public:
  explicit EditFixture(SimOptions options = Firmware("01.39")) : ModelFixture(options), machine(Model()) {
    if (!ContactAndWait()) ADD_FAILURE() << "no contact";
  }

  // Runs a chain to its end; leaves what it sent in sent.
  ResultCode Run(bool (CEditConfigurationStateMachine::*start)()) {
    Sim().ClearReceived();
    const int before = Recorder().Count(Msg::MachineFinished);
    if (!(machine.*start)()) return machine.GetResult();
    if (!WaitFor([&] { return Recorder().Count(Msg::MachineFinished) > before; }, 15000)) return 0xFFFFFFFF;
    WaitFor([] { return false; }, 20);  // anything sent after the end would show up here
    sent = Sim().Received();
    return LastResult();
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

TEST(EditConfiguration, ReadChainAsksWhatTheFirmwareHas) {
  struct Case {
    const char* version;
    QByteArray head;
    bool fineTune;
  };
  for (const Case& c : {Case{"01.04", "", false}, Case{"01.38", "akip;psi;sl;", false},
                        Case{"01.39", "akip;psi;sl;", true}}) {
    EditFixture f(Firmware(c.version));
    ASSERT_EQ(f.Read(), 0u) << c.version;
    EXPECT_TRUE(f.sent.startsWith(c.head + BandQueries(0, c.fineTune))) << c.version << ": " << f.sent.left(80).data();
    EXPECT_TRUE(f.sent.endsWith(BandQueries(10, c.fineTune))) << c.version;
    EXPECT_EQ(f.sent.count(';'), c.head.count(';') + 11 * (c.fineTune ? 8 : 7)) << c.version;
    EXPECT_TRUE(f.machine.IsLoaded());
  }
}

TEST(EditConfiguration, ReadStoresEveryValueOfEveryBand) {
  EditFixture f;
  f.Sim().Config().Modify([](SimConfig& c) {
    c.keyInterruptPower = 800;
    c.bands[10].antennas = {0, 0, 1};
    c.bands[10].preferred = 3;
    c.bands[7].fineTune = 1;
    c.bands[0].bypassThreshold = "3.25";
  });
  ASSERT_EQ(f.Read(), 0u);
  const CConfigurationValues& v = f.Values();
  EXPECT_EQ(v.KeyInterruptPower.Get(), 800);
  EXPECT_EQ(v.AntennaEnable1.Get(10), 0);
  EXPECT_EQ(v.AntennaEnable3.Get(10), 1);
  EXPECT_EQ(v.AntennaPreferred.Get(10), 3);
  EXPECT_EQ(v.AutoFineTune.Get(7), 1);
  EXPECT_EQ(v.SwrThresholdBypass.Get(0), "3.25");
  EXPECT_FALSE(v.IsAnyPending());
}

TEST(EditConfiguration, WriteSendsOnlyWhatChanged) {
  EditFixture f;
  ASSERT_EQ(f.Read(), 0u);
  EXPECT_EQ(f.Write(), 0u);
  EXPECT_EQ(f.sent, "");

  f.Values().AntennaEnable2.SetRequested(7, 1);
  ASSERT_EQ(f.Write(), 0u);
  EXPECT_EQ(f.sent, "AE0721;ae072;");
  EXPECT_EQ(f.Sim().Config().State().bands[7].antennas[1], 1u);
  EXPECT_EQ(f.Values().AntennaEnable2.Get(7), 1);
  EXPECT_FALSE(f.Values().IsAnyPending());

  f.Values().KeyInterruptPower.SetRequested(1000);
  f.Values().AntennaPreferred.SetRequested(0, 3);
  f.Values().AutoFineTune.SetRequested(5, 1);
  ASSERT_EQ(f.Write(), 0u);
  EXPECT_EQ(f.sent, "AKIP1000;akip;AP003;ap00;AFT051;aft05;");
  EXPECT_FALSE(f.Values().HasChangesToSend());
}

TEST(EditConfiguration, ThresholdIsWrittenOnlyWhenTheTunerCanTell) {
  EditFixture f;
  f.Sim().Config().Modify([](SimConfig& c) { c.bands[3].autotuneThreshold = "2.0"; });
  ASSERT_EQ(f.Read(), 0u);
  ASSERT_EQ(f.Values().SwrThresholdAutotune.Get(3), "2.0");

  f.Values().SwrThresholdAutotune.SetRequested(3, "2.00");
  EXPECT_EQ(f.Write(), 0u);
  EXPECT_EQ(f.sent, "");

  f.Values().SwrThresholdAutotune.SetRequested(3, "2.5");
  EXPECT_EQ(f.Write(), 0u);
  EXPECT_EQ(f.sent, "ST03A2.5;st03a;");
  EXPECT_EQ(f.Values().SwrThresholdAutotune.Get(3), "2.50");  // the tuner's form
  EXPECT_FALSE(f.Values().HasChangesToSend());
}

TEST(EditConfiguration, FirmwareWithoutASettingIsNeverSentIt) {
  EditFixture f(Firmware("01.04"));
  ASSERT_EQ(f.Read(), 0u);
  f.Values().Sleep.SetRequested(1);
  f.Values().AutoFineTune.SetRequested(2, 1);
  f.Values().AntennaEnable3.SetRequested(2, 1);
  ASSERT_EQ(f.Write(), 0u);
  EXPECT_EQ(f.sent, "AE0231;ae023;");
}

TEST(EditConfiguration, BadReplyEndsTheChain) {
  EditFixture f;
  f.Sim().OverrideReply("ap00;", "AP004;");  // a digit above 3 is not a preferred antenna
  const CTimeScaleScope fast(kFastTime);
  EXPECT_EQ(f.Read(), Result::NoResponseAntennaPreferred);
  EXPECT_FALSE(f.sent.contains("ap01;"));  // later bands are not touched
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusNone);
}

TEST(EditConfiguration, TunerInItsLoaderEndsBothChains) {
  SimOptions loader = Firmware("01.39");
  loader.identity = QStringLiteral("zu6400");
  EditFixture f(loader);
  ASSERT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusLoader);
  EXPECT_EQ(f.Read(), Result::BootstrapLoaderRunning);
  EXPECT_EQ(f.sent, "");
  f.Values().Sleep.SetRequested(1);
  EXPECT_EQ(f.Write(), Result::BootstrapLoaderRunning);
  EXPECT_EQ(f.sent, "");
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusLoader);  // still there to take firmware
}

}  // namespace
