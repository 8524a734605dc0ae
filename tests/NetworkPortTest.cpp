// Every job through a network serial port: the program's channel on TCP to a
// real ser2net, which serves the simulated tuner's pseudo-terminal.

#include <gtest/gtest.h>

#include <QDateTime>
#include <QTemporaryDir>

#include "LoaderTestSupport.h"
#include "Ser2NetServer.h"
#include "TestSupport.h"
#include "config/ConfigurationFileReader.h"
#include "config/ConfigurationFileWriter.h"
#include "machines/ConfigRestoreStateMachine.h"
#include "machines/ConfigSaveStateMachine.h"
#include "machines/FaultTableStateMachine.h"
#include "machines/OperateStateMachine.h"
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
  CSer2Net& Ser2Net() { return m_ser2net; }

 private:
  ModelFixture& m_f;
  CSer2Net m_ser2net;
};

template <class M, class Start>
ResultCode RunJob(ModelFixture& f, M& machine, Start start, int timeoutMs = 60000) {
  const CActiveMachineScope active(f.Model(), machine);
  const int before = f.Recorder().Count(Msg::MachineFinished);
  start();
  EXPECT_TRUE(WaitFor([&] { return f.Recorder().Count(Msg::MachineFinished) > before; }, timeoutMs));
  return f.LastResult();
}

TEST(Ser2Net, SearchFindsTheTunerAt9600AndLiveOperationReadsIt) {
  SimOptions options = Firmware("01.97");
  options.speed = 9600;
  options.live.frequency = 7100;
  ModelFixture f(options);
  NetworkTuner station(f);
  ASSERT_TRUE(station.Contact());
  EXPECT_EQ(f.Model().Channel->Speed(), 9600u);
  EXPECT_EQ(f.Recorder().CountLinesContaining("Connected to ZU6400 on " + f.Model().Run.port + " at 9600 bit/s"), 1);
  EXPECT_EQ(f.Recorder().CountLinesContaining("Network round trip "), 1);
  COperateStateMachine machine(f.Model());
  ASSERT_EQ(RunJob(f, machine, [&] { machine.StartCycle(); }), 0u);
  EXPECT_EQ(machine.Values().Frequency.Get(), 7100);
  EXPECT_FALSE(machine.Values().Swr.Get().isEmpty());
}

TEST(Ser2Net, SaveAndRestoreRoundTripAndTheFaultTable) {
  SimOptions options;
  options.restartMs = 50;
  ModelFixture f(options);
  NetworkTuner station(f);
  ASSERT_TRUE(station.Contact());
  // Time-outs shortened only as far as replies through ser2net still come in time.
  const CTimeScaleScope fast(kSearchTime);
  // Bytes that need escaping on the way in, and the fault log's newest record.
  f.Sim().Proms().SetSerial(0x2000, QByteArray(64, '\xFF') + QByteArray::fromHex("00FF01FE"));
  const QByteArray pic = f.Sim().Proms().Pic(), serial = f.Sim().Proms().Serial();
  auto save = std::make_unique<CConfigSaveStateMachine>(f.Model());
  ASSERT_EQ(RunJob(f, *save, [&] { save->StartSave(); }), 0u) << f.Recorder().LogLines().join('\n').toStdString();
  EXPECT_EQ(Bytes(save->Snapshot().pic), pic);
  EXPECT_EQ(Bytes(save->Snapshot().serial), serial);

  f.Sim().Proms().SetPic(0x0100, QByteArray(0x300, '\x55'));
  f.Sim().Proms().SetSerial(0x2000, QByteArray(0x800, '\x00'));
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

TEST(Ser2Net, FlashWithLostBytesThroughTheLoadersSpeedChange) {
  SimOptions options;
  options.speed = 9600;  // the loader runs at 38400: the load changes speed both ways
  options.loader.dropAddress = 0x980;
  options.loader.dropBytes = 5;
  options.loader.flashVersion = QStringLiteral("01.06");
  LoaderFixture f(options, kSearchTime);
  NetworkTuner station(f);
  ASSERT_TRUE(station.Contact());
  const QString path = f.WriteImage(kImageEnd);
  ASSERT_TRUE(SentImage(kImageEnd).contains('\xFF')) << "packets with bytes the client must double";
  ASSERT_EQ(f.Load(path), 0u);
  EXPECT_EQ(f.Sim().Loader().Flash(0x800, 0x400), SentImage(kImageEnd));
  EXPECT_EQ(f.Recorder().CountLinesContaining("Retry 1 successful at address x0980, 5 fill bytes"), 1);
  EXPECT_EQ(f.Model().Channel->Speed(), 9600u) << "back at the tuner's speed";
}

TEST(NetworkPort, RefusedUnknownAndMisnamedPortsFailNamingTheAddress) {
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
      {QStringLiteral("rfc2217://station"), Result::NetworkPortNameInvalid,
       QStringLiteral("Could not connect to station: the name is not of the form rfc2217://HOST:PORT")},
  };
  for (const auto& c : cases) {
    ModelFixture f({}, false);
    f.Model().Run.port = c.name;
    ASSERT_TRUE(f.ContactAndWait());
    EXPECT_EQ(f.LastResult(), c.code) << c.name.toStdString();
    EXPECT_EQ(f.Recorder().CountLinesContaining(c.text), 1) << f.Recorder().LogLines().join('\n').toStdString();
  }
}

}  // namespace
