// A network serial port that misbehaves: a station that never confirms a
// speed, one that goes away mid-job, and a link with 50 ms each way.

#include <gtest/gtest.h>

#include "FaultStation.h"
#include "LoaderTestSupport.h"
#include "Ser2NetServer.h"
#include "TestSupport.h"
#include "machines/ConfigSaveStateMachine.h"
#include "model/ActiveMachineScope.h"

namespace {

constexpr std::uint32_t kImageEnd = 0xBE8;  // seven blocks and the first

TEST(FaultStation, ASpeedNeverConfirmedFailsTheOpenNamingTheAddress) {
  ModelFixture f;
  CFaultStation station(CFaultStation::Serving(f.SimPort(), {"--never-confirm-speed"}));
  ASSERT_TRUE(station.Start());
  f.Model().Run.port = station.PortName();
  const CTimeScaleScope fast(kFastTime);  // the confirmation's wait passes sooner
  ASSERT_TRUE(f.ContactAndWait());
  EXPECT_EQ(f.LastResult(), Result::NoSerialPortControl);
  EXPECT_EQ(f.Recorder().CountLinesContaining("Could not connect to " + station.PortName().mid(10) +
                                              ": the station does not answer serial port control (RFC 2217)"),
            1);
}

TEST(FaultStation, AConnectionDroppedMidJobEndsItLikeAnUnpluggedAdapter) {
  ModelFixture f;
  CFaultStation station(CFaultStation::Serving(f.SimPort(), {"--drop-after", "600"}));
  ASSERT_TRUE(station.Start());
  f.Model().Run.port = station.PortName();
  ASSERT_TRUE(f.ContactAndWait());
  ASSERT_EQ(f.LastResult(), 0u);
  CConfigSaveStateMachine save(f.Model());
  const CActiveMachineScope active(f.Model(), save);
  const int before = f.Recorder().Count(Msg::MachineFinished);
  save.StartSave();
  ASSERT_TRUE(WaitFor([&] { return f.Recorder().Count(Msg::MachineFinished) > before; }, 30000));
  EXPECT_EQ(f.LastResult(), Result::ConnectionReset);
  EXPECT_FALSE(f.Model().IsPortOpen());
  const QStringList boxes = f.Recorder().Lines(Msg::MessageBox);
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_TRUE(boxes[0].startsWith("The connection to " + station.PortName().mid(10) +
                                  " was lost: the connection was reset by the other side (error 0x00002746)"))
      << boxes[0].toStdString();
}

// Every reply a tenth of a second late: the time-outs grow by the round trip
// measured while connecting, so the search and a load still succeed.
TEST(SlowLink, SearchAndFlashCompleteWith50MsEachWay) {
  SimOptions options;
  options.loader.flashVersion = QStringLiteral("01.06");
  LoaderFixture f(options, kSearchTime);
  CSer2Net ser2net(f.SimPort());
  ASSERT_TRUE(ser2net.Start());
  CFaultStation proxy(CFaultStation::Delaying(ser2net.PortName().section(u':', -1).toUShort(), 50));
  ASSERT_TRUE(proxy.Start());
  f.Model().ClosePort();
  f.Model().Run.port = proxy.PortName();
  CTimeScale::SetFactor(1);  // the search at real time: the network's delay is real
  ASSERT_TRUE(f.ContactAndWait());
  ASSERT_EQ(f.LastResult(), 0u);
  EXPECT_GE(f.Model().Channel->RoundTripMs(), 100u);
  EXPECT_EQ(f.Recorder().CountLinesContaining("Connected to ZU6400 on " + proxy.PortName()), 1);
  const QString path = f.WriteImage(kImageEnd);
  ASSERT_EQ(f.Load(path), 0u);
  EXPECT_EQ(f.Sim().Loader().Flash(0x800, 0x400), SentImage(kImageEnd));
}

}  // namespace
