// A full save and a full restore against the simulated tuner holding every
// reply for its time on the wire at 38400 bit/s: how close the program comes
// to the wire time of the bytes exchanged. Prints the figures; it does not
// pass or fail on them.

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <memory>

#include "BenchmarkSupport.h"
#include "tests/support/TestSupport.h"
#include "config/ConfigurationFileReader.h"
#include "config/ConfigurationFileWriter.h"
#include "machines/configuration/ConfigRestoreStateMachine.h"
#include "machines/configuration/ConfigSaveStateMachine.h"
#include "model/ActiveMachineScope.h"
#include "model/ModelReportSink.h"

namespace {
constexpr unsigned kSpeed = 38400;

double WireSeconds(qint64 bytes) { return double(bytes) * 10 / kSpeed; }

void Report(const char* job, double elapsed, qint64 bytes, qint64 exchanges) {
  const double wire = WireSeconds(bytes);
  QTextStream(stdout) << QString::asprintf("%s: %lld exchanges, %lld bytes, wire %.3f s, elapsed %.3f s, ratio %.4f\n",
                                           job, exchanges, bytes, wire, elapsed, elapsed / wire);
}
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  SimOptions options;
  options.pace = true;
  options.speed = kSpeed;
  options.restartMs = 100;
  ModelFixture f(options);
  if (!f.ContactAndWait()) return 1;
  CTunerModel& model = f.Model();

  auto save = std::make_unique<CConfigSaveStateMachine>(model);
  {
    const CActiveMachineScope active(model, *save);
    f.Sim().ClearReceived();
    QElapsedTimer clock;
    clock.start();
    save->StartSave();
    RunUntil([&] { return save->IsIdle(); });
    const double elapsed = clock.nsecsElapsed() / 1e9;
    if (save->GetResult() != 0) return 1;
    const QByteArray received = f.Sim().Received();
    Report("save", elapsed, received.size() + f.Sim().WrittenBytes(), received.count(';'));
  }

  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("bench.ZU6400Config"));
  CModelReportSink sink(model);
  if (!WriteConfigurationFile(path, QDateTime::currentDateTime(), save->Snapshot(), sink)) return 1;
  auto restore = std::make_unique<CConfigRestoreStateMachine>(model);
  if (ReadConfigurationFile(path, model.SerialNumber.Get(), restore->Data(), sink) != 0) return 1;
  {
    const CActiveMachineScope active(model, *restore);
    f.Sim().ClearReceived();
    QElapsedTimer clock;
    clock.start();
    restore->StartRestore();
    // The writes end where the reset begins; its fixed waits are no wire time.
    RunUntil([&] { return f.Sim().Received().endsWith("rst0;"); });
    const double elapsed = clock.nsecsElapsed() / 1e9;
    const QByteArray received = f.Sim().Received().chopped(5);
    Report("restore (writes)", elapsed, received.size() + f.Sim().WrittenBytes(), received.count(';'));
    RunUntil([&] { return model.ActiveMachine == nullptr && model.ContactMachine->IsIdle(); });
  }
  return 0;
}
