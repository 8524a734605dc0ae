// The firmware loader end to end: the program's serial channel on a real
// pseudo-terminal, the simulated tuner's bootstrap loader on the other side.

#include <gtest/gtest.h>

#include "tests/support/LoaderTestSupport.h"

namespace {

constexpr std::uint32_t kDataEnd = 0xBE8;  // the loader sends up to 0xC00: seven blocks, then 0x800

// A packet as the loader must see it, built here from the image alone.
QByteArray Packet(const QByteArray& image, std::uint32_t address) {
  QByteArray packet = image.mid(address - 0x800, 128);
  packet += static_cast<char>(address & 0xFF);
  packet += static_cast<char>(address >> 8 & 0xFF);
  packet += static_cast<char>(address == 0x800 ? 2 : address >> 16);
  std::uint8_t sum = 0;
  for (const char c : packet) sum = static_cast<std::uint8_t>(sum + static_cast<std::uint8_t>(c));
  return packet + static_cast<char>(-sum);
}

// The packets of a whole load of kDataEnd in order, the first block last, with
// extra sends and polls before the given blocks.
QByteArray Packets(const std::map<std::uint32_t, QByteArray>& before = {}) {
  const QByteArray image = SentImage(kDataEnd);
  QByteArray all;
  for (const std::uint32_t address : {0x880u, 0x900u, 0x980u, 0xA00u, 0xA80u, 0xB00u, 0xB80u, 0x800u}) {
    const auto it = before.find(address);
    if (it != before.end()) all += it->second;
    all += Packet(image, address);
  }
  return all;
}

// A contacted loader whose loads go at the given pace.
class PacedLoader : public LoaderFixture {
 public:
  explicit PacedLoader(const std::function<void(SimLoaderOptions&)>& change = {},
                       std::vector<PaceRule> first = {})
      : LoaderFixture([&] {
          SimOptions options;
          options.loader.flashVersion = QStringLiteral("01.06");
          if (change) change(options.loader);
          return options;
        }()) {
    Pace(LoadPace(std::move(first)));
  }
  // Loads an image of data up to end.
  ResultCode LoadUpTo(std::uint32_t end = kDataEnd) { return Load(WriteImage(end)); }
};

QByteArray Repeated(std::uint32_t address, int times) { return Packet(SentImage(kDataEnd), address).repeated(times); }

}  // namespace

TEST(LoaderMachine, FullLoadSendsEveryBlockThenTheFirstAndVerifiesTheVersion) {
  PacedLoader f;
  ASSERT_EQ(f.LoadUpTo(), 0u);

  CSimLoader& loader = f.Sim().Loader();
  const QByteArray image = SentImage(kDataEnd);
  EXPECT_EQ(loader.Flash(0x800, 0x400), image);
  EXPECT_EQ(WordSum(loader.Flash(0x800, 0x1FD80 - 0x800)), 0);  // the whole flash, unsent blocks erased
  EXPECT_EQ(loader.Taken(), Packets());
  EXPECT_EQ(loader.Restarts(), 1u);

  const QByteArray received = f.Sim().Received();
  EXPECT_EQ(received.count("lpf;"), 1);
  EXPECT_GT(received.indexOf("ps1;"), received.lastIndexOf(Packet(image, 0x800)));
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusRunning) << "contacted again";
  EXPECT_EQ(f.Model().McuVersion.Get(), 106);

  EXPECT_EQ(f.machine.VerifyVersion(106), 0u);
  EXPECT_EQ(f.machine.VerifyVersion(105), Result::VersionVerificationFailed);
  EXPECT_EQ(f.Recorder().CountLinesContaining("Firmware version verify failed. Reload MCU firmware."), 1);
}

// Four rejections of one block are sent again at once; lost bytes of another
// leave the loader silent until two fill polls complete its buffer.
TEST(LoaderMachine, RejectedBlocksAreResentAndLostBytesRecoveredByFillPolls) {
  PacedLoader f(
      [](SimLoaderOptions& o) {
        o.rejectAddress = 0x900;
        o.rejectCount = 4;
        o.dropAddress = 0x980;
        o.dropBytes = 2;
      },
      [] {  // the packet that goes unanswered times out at once
        std::vector<PaceRule> pace = FillPolls("ResyncInitial", 1);
        pace.push_back({QString::fromLatin1(Repeated(0x980, 1).toHex().toUpper()), kIdleTime});
        return pace;
      }());
  ASSERT_EQ(f.LoadUpTo(), 0u);
  EXPECT_EQ(f.Sim().Loader().Taken(), Packets({{0x900, Repeated(0x900, 4)}, {0x980, Repeated(0x980, 1) + ";;"}}));
  EXPECT_EQ(f.Recorder().CountLinesContaining("Retry 4 succeeded at address x0900"), 1);
  EXPECT_EQ(f.Recorder().CountLinesContaining("Retry 1 successful at address x0980, 2 fill bytes"), 1);
  EXPECT_EQ(f.Sim().Loader().Flash(0x800, 0x400), SentImage(kDataEnd));
  EXPECT_EQ(f.machine.TotalRetries(), 5u);
  EXPECT_EQ(f.machine.HighestRetries(), 4u);
}

// A load that fails names the block it failed at and leaves the tuner in its
// loader; one whose start the loader never echoes leaves it as it was. The
// fifth of eight rejections empties the loader's buffer: 132 polls fill it
// before the block is sent again.
TEST(LoaderMachine, FailuresNameTheBlockAndTheTunerLeftInItsLoader) {
  const struct {
    const char* what;
    std::function<void(SimLoaderOptions&)> change;
    std::vector<PaceRule> pace;
    unsigned retryLimit;  // of time-outs
    ResultCode result;
    QByteArray taken;
    QStringList lines;
    FirmwareStatusEnum status;
  } cases[] = {
      {"eight rejections",
       [](SimLoaderOptions& o) {
         o.rejectAddress = 0x900;
         o.rejectCount = 8;
       },
       FillPolls("ResyncInitial", 131), 10, Result::RetryLimitExhausted,
       Repeated(0x880, 1) + Repeated(0x900, 5) + QByteArray(132, ';') + Repeated(0x900, 3),
       {"Send MCU firmware failed at load address x0900", "left in its bootstrap loader"}, FirmwareStatusLoader},
      {"no answer to the final packet", [](SimLoaderOptions& o) { o.silentFinal = true; },
       {{"LoadFirmwareLast Send", kIdleTime}}, 0, Result::NoResponseFirmwarePacket, Packets(),
       {"Send MCU firmware failed at load address x0800", "left in its bootstrap loader"}, FirmwareStatusLoader},
      {"no echo of the download start", [](SimLoaderOptions& o) { o.noEcho = true; }, {{"send D", kIdleTime}}, 0,
       Result::LoaderNoD, "", {"ZU6400 Bootstrap Loader did not echo \"D\"\r\nRemove power and retry firmware load"},
       FirmwareStatusNone},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    PacedLoader f(c.change, c.pace);
    f.Model().FirmwareLoadRetryLimit.Set(c.retryLimit);
    EXPECT_EQ(f.LoadUpTo(), c.result);
    EXPECT_EQ(f.Sim().Loader().Taken(), c.taken);
    for (const QString& line : c.lines) EXPECT_EQ(f.Recorder().CountLinesContaining(line), 1) << line.toStdString();
    EXPECT_EQ(f.Model().FirmwareStatus.Get(), c.status);
  }
}

TEST(LoaderMachine, CancelledLoadCompletesOnASecondRunFromTheLoader) {
  PacedLoader f([](SimLoaderOptions& o) { o.keepPartial = true; });
  const QString path = f.WriteImage(kDataEnd);
  // The third packet is built, then the user cancels: it is never sent.
  f.machine.SetProgressBar([&](int position, int) {
    if (position >= 3 * 128 / 32 && f.machine.GetResult() == 0) f.machine.Cancel();
  });
  EXPECT_EQ(f.Load(path), Result::Cancelled);
  EXPECT_EQ(f.Sim().Loader().Written(), (QList<std::uint32_t>{0x880, 0x900}));
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusLoader);

  // The second run sends no command to enter the loader. Its search goes
  // unanswered (the loader takes the five polls at 38400 bit/s as bytes of a
  // packet); 127 fill polls complete that packet, and the search after the
  // restart is answered. A simulator that reads late may take a poll of the
  // search at another speed: more fill polls go at real time.
  f.machine.SetProgressBar({});
  f.Sim().ClearReceived();
  std::vector<PaceRule> pace = FillPolls("LoadRecover", 118);
  pace.insert(pace.end(), {{"FindSpeed send", kSearchTime, 21}, {"FindSpeed send", kIdleTime}});
  f.Pace(LoadPace(pace));
  ASSERT_EQ(f.Load(path), 0u);
  EXPECT_FALSE(f.Sim().Received().contains("lpf;"));
  EXPECT_EQ(f.Sim().Loader().Flash(0x800, 0x400), SentImage(kDataEnd));
  EXPECT_EQ(f.Model().McuVersion.Get(), 106);
}

// Nothing reaches the loader for an image whose name carries no version
// (it could never be checked after the load) or for another device; an image
// that ends in the first block is that block's final packet alone.
TEST(LoaderMachine, BadImageOrOtherDeviceSendsNothingAndTheFirstBlockAloneOnlyTheFinalPacket) {
  PacedLoader f;
  f.Sim().ClearReceived();
  EXPECT_EQ(f.Load(f.WriteImage(kDataEnd, QStringLiteral("newfirmware.hex"))), Result::InvalidName);
  EXPECT_TRUE(f.Sim().Received().isEmpty()) << "the tuner was not touched";

  ASSERT_EQ(f.LoadUpTo(0x87F), 0u);
  EXPECT_EQ(f.Sim().Loader().Taken(), Packet(SentImage(0x87F), 0x800));

  f.Sim().ClearReceived();
  f.Sim().SetIdentity(QStringLiteral("ZP5100"));
  EXPECT_EQ(f.LoadUpTo(), Result::UnexpectedDevice);
  EXPECT_FALSE(f.Sim().Received().contains("lpf;"));
}
