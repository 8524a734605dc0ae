// The firmware loader end to end: the program's serial channel on a real
// pseudo-terminal, the simulated tuner's bootstrap loader on the other side.

#include <gtest/gtest.h>

#include "tests/support/LoaderTestSupport.h"

namespace {

constexpr std::uint32_t kDataEnd = 0xBE8;  // the loader sends up to 0xC00: seven blocks, then 0x800
constexpr std::uint32_t kSendEnd = 0xC00;

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

// The packets of a whole load in order, with extra sends and polls before
// the given blocks.
QByteArray Packets(const QByteArray& image, const std::map<std::uint32_t, QByteArray>& before = {}) {
  QByteArray all;
  for (const std::uint32_t address : LoaderFixture::PacketOrder(0x800 + static_cast<std::uint32_t>(image.size()))) {
    const auto it = before.find(address);
    if (it != before.end()) all += it->second;
    all += Packet(image, address);
  }
  return all;
}

SimOptions LoaderOptions(const std::function<void(SimLoaderOptions&)>& change) {
  SimOptions options;
  change(options.loader);
  return options;
}

// Stands in for the loader's status window, whose trace of each send comes
// before the send's timer starts. The fill polls up to a count the loader
// leaves unanswered, and the pause for the tuner's restart, run a hundred
// times faster; later polls run at real time, so that the loader's "N" comes
// in time however busy the machine.
class CFillPacer : public QObject {
 public:
  CFillPacer(CMcuLoaderStateMachine& machine, unsigned unansweredPolls)
      : m_machine(machine), m_unanswered(unansweredPolls) {}

 protected:
  void customEvent(QEvent* event) override {
    if (event->type() != CModelEvent::EventType()) return;
    const auto* e = static_cast<CModelEvent*>(event);
    if (e->Message != Msg::StateText) return;
    const unsigned fill = m_machine.FillBytes();
    unsigned factor = 0;
    if (fill > 0 && e->Text.endsWith(QStringLiteral(" send ;")))
      factor = fill <= m_unanswered ? kUnansweredTime : 1;
    else if (e->Text.startsWith(QStringLiteral("Waiting")))
      factor = kUnansweredTime;
    if (factor != 0 && m_saved == 0) m_saved = CTimeScale::Factor();
    if (factor == 0 && m_saved != 0) std::swap(factor, m_saved);
    if (factor != 0) CTimeScale::SetFactor(factor);
  }

 private:
  static constexpr unsigned kUnansweredTime = 100;
  CMcuLoaderStateMachine& m_machine;
  unsigned m_unanswered;
  unsigned m_saved = 0;  // the factor before the fast stretch
};

// Of the 132 polls that fill an empty buffer, the last twelve run at real time:
// the simulator has time to read those that went before.
constexpr unsigned kFastFillPolls = 120;

// A contacted loader fixture whose fill polls are paced.
class PacedLoader : public LoaderFixture {
 public:
  explicit PacedLoader(SimOptions options = {}, unsigned unansweredPolls = 0)
      : LoaderFixture(std::move(options)), m_pacer(machine, unansweredPolls) {
    Model().Trace.Set(1);
    statusWindow = &m_pacer;
  }

 private:
  CFillPacer m_pacer;
};

SimOptions Rejecting(std::uint32_t address, unsigned count) {
  return LoaderOptions([=](SimLoaderOptions& o) {
    o.rejectAddress = address;
    o.rejectCount = count;
  });
}

}  // namespace

TEST(LoaderMachine, FullLoadSendsEveryBlockThenTheFirstAndVerifiesTheVersion) {
  PacedLoader f(LoaderOptions([](SimLoaderOptions& o) { o.flashVersion = QStringLiteral("01.06"); }));
  const QString path = f.WriteImage(kDataEnd);
  ASSERT_EQ(f.Load(path), 0u);

  CSimLoader& loader = f.Sim().Loader();
  EXPECT_EQ(loader.Written(), LoaderFixture::PacketOrder(kSendEnd));
  const QByteArray image = SentImage(kDataEnd);
  ASSERT_EQ(image.size(), 0x400);
  EXPECT_NE(image.left(2), QByteArray(2, '\0'));  // the reconciliation word was computed
  EXPECT_EQ(loader.Flash(0x800, 0x400), image);
  EXPECT_EQ(WordSum(loader.Flash(0x800, 0x1FD80 - 0x800)), 0);  // the whole flash, unsent blocks erased
  EXPECT_EQ(loader.Taken(), Packets(image));
  EXPECT_EQ(loader.Restarts(), 1u);

  const QByteArray received = f.Sim().Received();
  EXPECT_EQ(received.count("lpf;"), 1);
  EXPECT_GT(received.indexOf("ps1;"), received.lastIndexOf(Packet(image, 0x800)));
  EXPECT_GT(received.lastIndexOf("rv;"), received.indexOf("ps1;"));  // contacted again
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusRunning);
  EXPECT_EQ(f.Model().McuVersion.Get(), 106);
  EXPECT_EQ(f.machine.Position(), f.machine.Maximum());

  EXPECT_EQ(f.machine.VerifyVersion(106), 0u);
  EXPECT_EQ(f.machine.VerifyVersion(105), Result::VersionVerificationFailed);
  EXPECT_EQ(f.Recorder().CountLinesContaining("Sent MCU firmware file " + path + "\r\nZU6400 responded with version 01.06"), 1);
  EXPECT_EQ(f.Recorder().CountLinesContaining("Firmware version verify failed. Reload MCU firmware."), 1);
}

TEST(LoaderMachine, RejectionsResendAndTheFifthResynchronisesFirst) {
  {
    PacedLoader f(Rejecting(0x900, 4));
    const QString path = f.WriteImage(kDataEnd);
    ASSERT_EQ(f.Load(path), 0u);
    const QByteArray image = SentImage(kDataEnd);
    EXPECT_EQ(f.Sim().Loader().Taken(), Packets(image, {{0x900, Packet(image, 0x900).repeated(4)}}));
    EXPECT_EQ(f.Recorder().CountLinesContaining("Retry 4 succeeded at address x0900"), 1);
    EXPECT_EQ(f.machine.TotalRetries(), 4u);
    EXPECT_EQ(f.machine.HighestRetries(), 4u);
  }
  {
    // After the fifth "N" the buffer is empty: 132 polls fill it before the resend.
    PacedLoader f(Rejecting(0x900, 5), kFastFillPolls);
    const QString path = f.WriteImage(kDataEnd);
    ASSERT_EQ(f.Load(path), 0u);
    const QByteArray image = SentImage(kDataEnd);
    EXPECT_EQ(f.Sim().Loader().Taken(),
              Packets(image, {{0x900, Packet(image, 0x900).repeated(5) + QByteArray(132, ';')}}));
    EXPECT_EQ(f.Recorder().CountLinesContaining("Retry 5 successful at address x0900, 132 fill bytes"), 1);
    EXPECT_EQ(f.Sim().Loader().Flash(0x800, 0x400), image);
  }
}

TEST(LoaderMachine, LostBytesAreRecoveredByFillPolls) {
  PacedLoader f(LoaderOptions([](SimLoaderOptions& o) {
                    o.dropAddress = 0x980;
                    o.dropBytes = 5;
                  }));
  const QString path = f.WriteImage(kDataEnd);
  ASSERT_EQ(f.Load(path), 0u);
  const QByteArray image = SentImage(kDataEnd);
  // The time-out, five polls that complete the short buffer (answered "N"), the resend.
  EXPECT_EQ(f.Sim().Loader().Taken(), Packets(image, {{0x980, Packet(image, 0x980) + ";;;;;"}}));
  EXPECT_EQ(f.Recorder().CountLinesContaining("Retry 1 successful at address x0980, 5 fill bytes"), 1);
  EXPECT_EQ(f.Sim().Loader().Flash(0x800, 0x400), image);
}

TEST(LoaderMachine, FailuresNameTheBlockAndTheTunerLeftInItsLoader) {
  {
    PacedLoader f(Rejecting(0x900, 8), kFastFillPolls);
    const QString path = f.WriteImage(kDataEnd);
    EXPECT_EQ(f.Load(path), Result::RetryLimitExhausted);
    EXPECT_EQ(f.Sim().Loader().Taken().count(Packet(SentImage(kDataEnd), 0x900)), 8);
    EXPECT_EQ(f.Recorder().CountLinesContaining("Send MCU firmware failed at load address x0900"), 1);
    EXPECT_EQ(f.Recorder().CountLinesContaining("left in its bootstrap loader"), 1);
    EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusLoader);
    EXPECT_EQ(f.machine.TotalRetries(), 8u);
  }
  {
    PacedLoader f(LoaderOptions([](SimLoaderOptions& o) { o.silentFinal = true; }));
    f.Model().FirmwareLoadRetryLimit.Set(0);
    EXPECT_EQ(f.Load(f.WriteImage(kDataEnd)), Result::NoResponseFirmwarePacket);
    EXPECT_EQ(f.Recorder().CountLinesContaining("Send MCU firmware failed at load address x0800"), 1);
    EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusLoader);
  }
}

TEST(LoaderMachine, NoEchoOfTheDownloadStart) {
  PacedLoader f(LoaderOptions([](SimLoaderOptions& o) { o.noEcho = true; }));
  EXPECT_EQ(f.Load(f.WriteImage(kDataEnd)), Result::LoaderNoD);
  EXPECT_EQ(f.Recorder().CountLinesContaining(
                "ZU6400 Bootstrap Loader did not echo \"D\"\r\nRemove power and retry firmware load"),
            1);
  EXPECT_TRUE(f.Sim().Loader().Taken().isEmpty());
  EXPECT_EQ(f.Model().McuVersion.Get(), 0);
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusNone);
}

TEST(LoaderMachine, ImageEndingInTheFirstBlockSendsOnlyTheFinalPacket) {
  PacedLoader f;
  const QString path = f.WriteImage(0x87F);
  ASSERT_EQ(f.Load(path), 0u);
  const QByteArray image = SentImage(0x87F);
  ASSERT_EQ(image.size(), 128);
  EXPECT_EQ(f.Sim().Loader().Written(), QList<std::uint32_t>{0x800});
  EXPECT_EQ(f.Sim().Loader().Taken(), Packet(image, 0x800));
}

TEST(LoaderMachine, BadImageOrOtherDeviceSendsNothingToTheLoader) {
  PacedLoader f;
  f.Sim().ClearReceived();
  // A good image whose name carries no version could never be checked after the load.
  EXPECT_EQ(f.Load(f.WriteImage(kDataEnd, QStringLiteral("newfirmware.hex"))), Result::InvalidName);
  EXPECT_EQ(f.Recorder().CountLinesContaining("firmware images are named like zu6400fw0105.hex"), 1);
  EXPECT_TRUE(f.Sim().Received().isEmpty());
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusRunning);  // the tuner was not touched

  f.Sim().SetIdentity(QStringLiteral("ZP5100"));
  EXPECT_EQ(f.Load(f.WriteImage(kDataEnd)), Result::UnexpectedDevice);
  EXPECT_FALSE(f.Sim().Received().contains("lpf;"));
  EXPECT_TRUE(f.Sim().Loader().Taken().isEmpty());
}

TEST(LoaderMachine, CancelledLoadCompletesOnASecondRunFromTheLoader) {
  // The second run's search finds a loader that takes its five polls at
  // 38400 bit/s as bytes of a packet: 127 fill polls complete it.
  PacedLoader f(LoaderOptions([](SimLoaderOptions& o) {
                  o.keepPartial = true;
                  o.flashVersion = QStringLiteral("01.06");
                }),
                kFastFillPolls);
  const QString path = f.WriteImage(0x2000);
  // The third packet is built, then the user cancels: it is never sent.
  bool refused = false;
  f.machine.SetProgressBar([&](int position, int) {
    if (position < 3 * 128 / 32 || f.machine.GetResult() != 0) return;
    refused = !f.machine.Start(path) && GetLastError() == Result::BusyStateMachine;
    EXPECT_TRUE(f.machine.Cancel());
  });
  EXPECT_EQ(f.Load(path), Result::Cancelled);
  EXPECT_TRUE(refused);  // a second start is refused and the load runs on to the cancel
  EXPECT_EQ(f.Sim().Loader().Written(), (QList<std::uint32_t>{0x880, 0x900}));
  EXPECT_EQ(f.Recorder().CountLinesContaining("The ZU6400 is left in its bootstrap loader"), 1);
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusLoader);

  // The second run finds the loader and sends no command to enter it.
  f.machine.SetProgressBar({});
  f.Sim().ClearReceived();
  ASSERT_EQ(f.Load(path), 0u);
  EXPECT_FALSE(f.Sim().Received().contains("lpf;"));
  EXPECT_EQ(f.Sim().Loader().Flash(0x800, 0x1800), SentImage(0x2000));
  EXPECT_EQ(f.Model().McuVersion.Get(), 106);
}
