// The jobs through a network serial port: the program's channel on TCP to a
// real ser2net, which serves the simulated tuner's pseudo-terminal; then a
// port that misbehaves: a station that never confirms a speed, one that goes
// away mid-job, and a link with 50 ms each way.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "tests/support/FaultStation.h"
#include "tests/support/LoaderTestSupport.h"
#include "tests/support/Ser2NetServer.h"
#include "tests/support/TestSupport.h"
#include "machines/configuration/ConfigRestoreStateMachine.h"
#include "machines/configuration/ConfigSaveStateMachine.h"
#include "machines/connection/ContactStateMachine.h"
#include "machines/operate/OperateStateMachine.h"
#include "model/ActiveMachineScope.h"

namespace {

constexpr std::uint32_t kImageEnd = 0xBE8;  // seven blocks and the first

QByteArray Bytes(const auto& image) { return QByteArray(reinterpret_cast<const char*>(image.data()), image.size()); }

// The pace of every window's lines, after the rules given: the searches at
// real time, whose polls even a busy machine answers; the jobs' replies within
// time-outs shortened only as far as they come in time through the station;
// the waits nothing answers (the loader's start, the reset) at once.
std::vector<PaceRule> NetworkPace(std::vector<PaceRule> rules) {
  rules.insert(rules.end(), {{"Waiting", kIdleTime},
                             {"LoadEnterBootLoader send", kIdleTime},
                             {"PowerOn send", kFastTime},  // its reply may come late
                             {"Resync", kSearchTime},
                             {"Attempting to contact", 1},
                             {"Connected to", kSearchTime},
                             {"LoadBeginDownload send", kSearchTime},
                             {"LoadFirmware", kAnsweredTime}});
  return rules;
}

// A simulated tuner behind a real ser2net, its jobs paced and traced to the
// recorder; the model is pointed at the station.
class NetworkTuner {
 public:
  explicit NetworkTuner(SimOptions options, std::vector<PaceRule> rules = {})
      : f(Quick(std::move(options))), m_pacer(NetworkPace(std::move(rules)), CPacer::EveryWindow), m_ser2net(f.SimPort()) {
    f.Model().Trace.Set(1);
    TraceContactTo(&f.Recorder());
  }
  ~NetworkTuner() { TraceContactTo(nullptr); }
  bool Start() {
    if (!m_ser2net.Start()) return false;
    f.Model().Run.port = m_ser2net.PortName();
    return true;
  }
  bool Contact() { return Start() && f.ContactAndWait() && f.LastResult() == 0; }
  QString StationPort() const { return m_ser2net.PortName(); }
  // Runs a job to its end (after a restart, the contact machine's end).
  template <class M, class Start>
  ResultCode Run(M& machine, Start start) {
    machine.SetStatusWindow(&f.Recorder());
    const CActiveMachineScope active(f.Model(), machine);
    return f.RunJob([&] {
      start();
      return true;
    });
  }
  ResultCode Load(std::uint32_t end) {
    const QString path = WriteFirmwareFile(m_dir.path(), QStringLiteral("zu6400fw0106.hex"), end);
    CMcuLoaderStateMachine loader(f.Model());
    const CActiveMachineScope active(f.Model(), loader);
    return f.RunJob([&] { return loader.Start(path, &f.Recorder()); });
  }

  ModelFixture f;

 private:
  static SimOptions Quick(SimOptions options) {
    options.restartMs = 50;
    options.loader.flashVersion = QStringLiteral("01.06");
    return options;
  }
  void TraceContactTo(QObject* window) {
    dynamic_cast<CContactStateMachine&>(*f.Model().ContactMachine).SetStatusWindow(window);
  }

  CPacer m_pacer;
  CSer2Net m_ser2net;
  QTemporaryDir m_dir;
};

// A save, then a serial block damaged and restored from it.
TEST(Ser2Net, SaveAndRestoreRoundTrip) {
  NetworkTuner station({});
  ASSERT_TRUE(station.Contact());
  CSimulatedTuner& sim = station.f.Sim();
  // Bytes that need escaping on the way in.
  sim.Proms().SetSerial(0x2000, QByteArray(32, '\xFF') + QByteArray::fromHex("00FF01FE"));
  const QByteArray pic = sim.Proms().Pic(), serial = sim.Proms().Serial();
  CConfigSaveStateMachine save(station.f.Model());
  ASSERT_EQ(station.Run(save, [&] { save.StartSave(); }), 0u);
  EXPECT_EQ(Bytes(save.Snapshot().pic), pic);
  EXPECT_EQ(Bytes(save.Snapshot().serial), serial);

  sim.Proms().SetSerial(0x2000, QByteArray(0x40, '\x00'));
  CConfigRestoreStateMachine restore(station.f.Model());
  SerialPromBlock& block = restore.Data().serialBlocks.emplace_back();
  block.start = 0x2000;
  block.count = 64;
  std::copy_n(save.Snapshot().serial.begin() + block.start, 64, block.data.begin());
  ASSERT_EQ(station.Run(restore, [&] { restore.StartRestore(); }), 0u);
  EXPECT_EQ(sim.Proms().Serial(), serial);
  EXPECT_EQ(station.f.Model().FirmwareStatus.Get(), FirmwareStatusRunning) << "found again after the restart";
}

// The search sets each speed through the station until the tuner answers at
// 9600; the loader runs at 38400, so the load changes speed both ways.
TEST(Ser2Net, SearchLiveOperationAndFlashThroughTheLoadersSpeedChange) {
  SimOptions options;
  options.speed = 9600;
  options.live.frequency = 7100;
  // Nothing answers at the speeds before.
  NetworkTuner station(options, {{"at 38400 bit/s", kFastTime}, {"at 19200 bit/s", kFastTime}});
  ModelFixture& f = station.f;
  ASSERT_TRUE(station.Contact());
  EXPECT_EQ(f.Model().Channel->Speed(), 9600u);
  COperateStateMachine live(f.Model());
  ASSERT_EQ(station.Run(live, [&] { live.StartCycle(); }), 0u);
  EXPECT_EQ(live.Values().Frequency.Get(), 7100);

  f.Model().Run.fixedSpeed = 9600;  // the load's own contacts need not search again
  ASSERT_TRUE(SentImage(kImageEnd).contains('\xFF')) << "packets with bytes the client must double";
  ASSERT_EQ(station.Load(kImageEnd), 0u);
  EXPECT_EQ(f.Sim().Loader().Flash(0x800, 0x400), SentImage(kImageEnd));
  EXPECT_EQ(f.Model().Channel->Speed(), 9600u) << "back at the tuner's speed";
}

TEST(NetworkPort, RefusedAndUnknownPortsFailNamingTheAddress) {
  const quint16 closed = FreeTcpPort();
  const struct {
    QString name;
    ResultCode code;
    QString text;
  } cases[] = {
      {QStringLiteral("rfc2217://127.0.0.1:%1").arg(closed), Result::ConnectionRefused,
       QStringLiteral("Could not connect to 127.0.0.1:%1: the connection was refused").arg(closed)},
      {QStringLiteral("rfc2217://no-such-station.invalid:3001"), Result::HostNotFound,
       QStringLiteral("Could not connect to no-such-station.invalid:3001: the host was not found")},
  };
  for (const auto& c : cases) {
    ModelFixture f({}, false);
    f.Model().Run.port = c.name;
    ASSERT_TRUE(f.ContactAndWait());
    EXPECT_EQ(f.LastResult(), c.code) << c.name.toStdString();
    EXPECT_EQ(f.Recorder().CountLinesContaining(c.text), 1) << f.Recorder().LogLines().join('\n').toStdString();
  }
}

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
  CFaultStation station(CFaultStation::Serving(f.SimPort(), {"--drop-after", "200"}));
  ASSERT_TRUE(station.Start());
  f.Model().Run.port = station.PortName();
  ASSERT_TRUE(f.ContactAndWait());
  ASSERT_EQ(f.LastResult(), 0u);
  const CTimeScaleScope fast(kFastTime);  // the save's wait for its lost reply passes sooner
  CConfigSaveStateMachine save(f.Model());
  const CActiveMachineScope active(f.Model(), save);
  EXPECT_EQ(f.RunJob([&] { return save.StartSave(); }), Result::ConnectionReset);
  EXPECT_FALSE(f.Model().IsPortOpen());
  const QStringList boxes = f.Recorder().Lines(Msg::MessageBox);
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_TRUE(boxes[0].startsWith("The connection to " + station.PortName().mid(10) +
                                  " was lost: the connection was reset by the other side (error 0x00002746)"))
      << boxes[0].toStdString();
}

// Every reply a tenth of a second late, longer than a poll's shortened
// time-out: the time-outs grow by the round trip measured while connecting,
// so the search and a poll still succeed (of a tuner switched off, whose
// cycle is one poll).
TEST(SlowLink, TheSearchAndAPollSucceedWith50MsEachWay) {
  SimOptions off;
  off.live.power = 0;
  NetworkTuner station(off);
  ModelFixture& f = station.f;
  ASSERT_TRUE(station.Start());
  CFaultStation proxy(CFaultStation::Delaying(station.StationPort().section(u':', -1).toUShort(), 50));
  ASSERT_TRUE(proxy.Start());
  f.Model().Run.port = proxy.PortName();
  ASSERT_TRUE(f.ContactAndWait());
  ASSERT_EQ(f.LastResult(), 0u);
  EXPECT_GE(f.Model().Channel->RoundTripMs(), 100u);
  COperateStateMachine live(f.Model());
  const CTimeScaleScope fast(kFastTime);  // 50 ms
  EXPECT_EQ(station.Run(live, [&] { live.StartCycle(); }), Result::DevicePoweredOff);
}

}  // namespace
