// Every job through a network serial port: the program's channel on TCP to a
// real ser2net, which serves the simulated tuner's pseudo-terminal; then a
// port that misbehaves: a station that never confirms a speed, one that goes
// away mid-job, and a link with 50 ms each way.

#include <gtest/gtest.h>

#include <QDateTime>
#include <QTemporaryDir>

#include "tests/support/FaultStation.h"
#include "tests/support/LoaderTestSupport.h"
#include "tests/support/Ser2NetServer.h"
#include "tests/support/TestSupport.h"
#include "config/ConfigurationFileReader.h"
#include "config/ConfigurationFileWriter.h"
#include "machines/configuration/ConfigRestoreStateMachine.h"
#include "machines/configuration/ConfigSaveStateMachine.h"
#include "machines/configuration/FaultTableStateMachine.h"
#include "machines/operate/OperateStateMachine.h"
#include "model/ActiveMachineScope.h"
#include "model/ModelReportSink.h"

namespace {

constexpr std::uint32_t kImageEnd = 0xBE8;  // seven blocks and the first

QByteArray Bytes(const auto& image) { return QByteArray(reinterpret_cast<const char*>(image.data()), image.size()); }

// Points the fixture's model at ser2net on its simulated tuner and contacts it.
class NetworkTuner {
 public:
  explicit NetworkTuner(ModelFixture& f) : m_f(f), m_ser2net(f.SimPort()) {}
  bool Contact() {
    if (!m_ser2net.Start()) return false;
    m_f.Model().ClosePort();
    m_f.Model().Run.port = m_ser2net.PortName();
    return m_f.ContactAndWait() && m_f.LastResult() == 0;
  }

 private:
  ModelFixture& m_f;
  CSer2Net m_ser2net;
};

// Paces the jobs as the loader tests' pacer does, and lets the waits for a
// restart pass sooner still: nothing has to answer in them.
class CRestartPacer : public CLoadPacer {
 public:
  explicit CRestartPacer(ModelFixture& f) : CLoadPacer(f.Recorder(), kSearchTime), m_f(f) {
    f.Model().SetNotifyWindow(this);
  }
  ~CRestartPacer() override { m_f.Model().SetNotifyWindow(&m_f.Recorder()); }

 protected:
  void customEvent(QEvent* event) override {
    const bool waiting = event->type() == CModelEvent::EventType() &&
                         static_cast<CModelEvent*>(event)->Text.startsWith(QStringLiteral("Waiting "));
    CLoadPacer::customEvent(event);
    if (waiting) CTimeScale::SetFactor(kFastTime);
  }

 private:
  ModelFixture& m_f;
};

template <class M, class Start>
ResultCode RunJob(ModelFixture& f, M& machine, Start start, int timeoutMs = 60000) {
  const CActiveMachineScope active(f.Model(), machine);
  const int before = f.Recorder().Count(Msg::MachineFinished);
  start();
  EXPECT_TRUE(WaitFor([&] { return f.Recorder().Count(Msg::MachineFinished) > before; }, timeoutMs));
  return f.LastResult();
}

TEST(Ser2Net, SaveAndRestoreRoundTripAndTheFaultTable) {
  SimOptions options;
  options.restartMs = 50;
  ModelFixture f(options);
  NetworkTuner station(f);
  ASSERT_TRUE(station.Contact());
  // Time-outs shortened only as far as replies through ser2net still come in time.
  const CRestartPacer pacer(f);
  CTimeScale::SetFactor(kSearchTime);
  // Bytes that need escaping on the way in, and the fault log's newest record.
  f.Sim().Proms().SetSerial(0x2000, QByteArray(64, '\xFF') + QByteArray::fromHex("00FF01FE"));
  const QByteArray pic = f.Sim().Proms().Pic(), serial = f.Sim().Proms().Serial();
  auto save = std::make_unique<CConfigSaveStateMachine>(f.Model());
  ASSERT_EQ(RunJob(f, *save, [&] { save->StartSave(); }), 0u) << f.Recorder().LogLines().join('\n').toStdString();
  EXPECT_EQ(Bytes(save->Snapshot().pic), pic);
  EXPECT_EQ(Bytes(save->Snapshot().serial), serial);

  f.Sim().Proms().SetPic(0x0100, QByteArray(0x40, '\x55'));
  f.Sim().Proms().SetSerial(0x2000, QByteArray(0x80, '\x00'));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("tuner.ZU6400Config"));
  CModelReportSink sink(f.Model());
  ASSERT_TRUE(WriteConfigurationFile(path, QDateTime::currentDateTime(), save->Snapshot(), sink));
  auto restore = std::make_unique<CConfigRestoreStateMachine>(f.Model());
  ASSERT_EQ(ReadConfigurationFile(path, f.Model().SerialNumber.Get(), restore->Data(), sink), 0u);
  ASSERT_EQ(RunJob(f, *restore, [&] { restore->StartRestore(); }), 0u);
  EXPECT_EQ(f.Sim().Proms().Pic(), pic);
  EXPECT_EQ(f.Sim().Proms().Serial(), serial);
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusRunning) << "found again after the restart";

  CFaultTableStateMachine faults(f.Model());
  ASSERT_EQ(RunJob(f, faults, [&] { faults.StartReading(); }), 0u);
  EXPECT_FALSE(faults.Rows().empty());
}

// The search sets each speed through the station until the tuner answers at
// 9600; the loader runs at 38400, so the load changes speed both ways.
TEST(Ser2Net, SearchLiveOperationAndFlashWithLostBytesThroughTheLoadersSpeedChange) {
  SimOptions options;
  options.speed = 9600;
  options.live.frequency = 7100;
  options.loader.dropAddress = 0x980;
  options.loader.dropBytes = 5;
  options.loader.flashVersion = QStringLiteral("01.06");
  options.restartMs = 50;
  LoaderFixture f(options, kSearchTime);
  const CRestartPacer pacer(f);
  NetworkTuner station(f);
  ASSERT_TRUE(station.Contact());
  EXPECT_EQ(f.Model().Channel->Speed(), 9600u);
  EXPECT_EQ(f.Recorder().CountLinesContaining("Connected to ZU6400 on " + f.Model().Run.port + " at 9600 bit/s"), 1);
  EXPECT_EQ(f.Recorder().CountLinesContaining("Network round trip "), 1);
  COperateStateMachine live(f.Model());
  ASSERT_EQ(RunJob(f, live, [&] { live.StartCycle(); }), 0u);
  EXPECT_EQ(live.Values().Frequency.Get(), 7100);
  EXPECT_FALSE(live.Values().Swr.Get().isEmpty());

  f.Model().Run.fixedSpeed = 9600;  // the load's own contacts need not search again
  const QString path = f.WriteImage(kImageEnd);
  ASSERT_TRUE(SentImage(kImageEnd).contains('\xFF')) << "packets with bytes the client must double";
  ASSERT_EQ(f.Load(path), 0u);
  EXPECT_EQ(f.Sim().Loader().Flash(0x800, 0x400), SentImage(kImageEnd));
  EXPECT_EQ(f.Recorder().CountLinesContaining("Retry 1 successful at address x0980, 5 fill bytes"), 1);
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
  const CTimeScaleScope fast(kSearchTime);  // the save's wait for its lost reply passes sooner
  CConfigSaveStateMachine save(f.Model());
  EXPECT_EQ(RunJob(f, save, [&] { save.StartSave(); }, 30000), Result::ConnectionReset);
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
  options.restartMs = 50;
  LoaderFixture f(options, kSearchTime);
  const CRestartPacer pacer(f);
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
