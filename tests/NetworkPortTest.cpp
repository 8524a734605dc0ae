// A load through a network serial port: the program's channel on TCP to a
// real ser2net, which serves the simulated tuner's pseudo-terminal (the CLI's
// test saves through one), and a station that cannot be found.

#include <gtest/gtest.h>

#include "LoaderTestSupport.h"
#include "Ser2NetServer.h"
#include "TestSupport.h"

namespace {

constexpr std::uint32_t kImageEnd = 0xBE8;  // seven blocks and the first

TEST(Ser2Net, FlashWithLostBytesThroughTheLoadersSpeedChange) {
  SimOptions options;
  options.speed = 9600;  // the loader runs at 38400: the load changes speed both ways
  options.loader.dropAddress = 0x980;
  options.loader.dropBytes = 5;
  options.loader.flashVersion = QStringLiteral("01.06");
  LoaderFixture f(options, kSearchTime);
  CSer2Net ser2net(f.SimPort());
  ASSERT_TRUE(ser2net.Start());
  f.Model().ClosePort();
  f.Model().Port.Set(ser2net.PortName());
  ASSERT_TRUE(f.ContactAndWait());
  ASSERT_EQ(f.LastResult(), 0u);
  EXPECT_EQ(f.Model().Channel->Speed(), 9600u);
  const QString path = f.WriteImage(kImageEnd);
  ASSERT_TRUE(SentImage(kImageEnd).contains('\xFF')) << "packets with bytes the client must double";
  ASSERT_EQ(f.Load(path), 0u);
  EXPECT_EQ(f.Sim().Loader().Flash(0x800, 0x400), SentImage(kImageEnd));
  EXPECT_EQ(f.Recorder().CountLinesContaining("Retry 1 successful at address x0980, 5 fill bytes"), 1);
  EXPECT_EQ(f.Model().Channel->Speed(), 9600u) << "back at the tuner's speed";
}

TEST(NetworkPort, AnUnknownHostFailsNamingTheAddress) {
  ModelFixture f({}, false);
  f.Model().Port.Set(QStringLiteral("rfc2217://no-such-station.invalid:3001"));
  ASSERT_TRUE(f.ContactAndWait());
  EXPECT_EQ(f.LastResult(), Result::HostNotFound);
  const QString text = QStringLiteral("Could not connect to no-such-station.invalid:3001: the host was not found");
  EXPECT_EQ(f.Recorder().CountLinesContaining(text), 1) << f.Recorder().LogLines().join('\n').toStdString();
}

}  // namespace
