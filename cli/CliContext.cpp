#include "cli/CliContext.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "cli/ConsoleLog.h"
#include "cli/StopSignals.h"
#include "link/Rfc2217Port.h"
#include "machines/connection/ContactStateMachine.h"
#include "machines/connection/TunerModel.h"
#include "model/ModelReportSink.h"
#include "sim/SimulatorThread.h"

namespace {
// Ends a local event loop when a machine finishes.
class CFinishWatcher : public QObject {
 public:
  explicit CFinishWatcher(QEventLoop& loop) : m_loop(loop) {}
  ResultCode result = 0;
  bool finished = false;

 protected:
  void customEvent(QEvent* event) override {
    if (event->type() != CModelEvent::EventType()) return;
    const auto* e = static_cast<CModelEvent*>(event);
    if (e->Message != Msg::MachineFinished) return;
    result = static_cast<ResultCode>(e->Param);
    finished = true;
    m_loop.quit();
  }

 private:
  QEventLoop& m_loop;
};
}  // namespace

CCliContext::CCliContext(const CliOptions& options) : m_options(options) {}

CCliContext::~CCliContext() {
  ReleaseModel();  // closes the port before the simulator goes
  m_simulator.reset();
}

bool CCliContext::Prepare() {
  CTunerModel& model = GetModel();
  m_console = std::make_unique<CConsoleLog>(m_options.trace);
  model.SetNotifyWindow(m_console.get());
  model.LoadSettings();
  // The front end never saves settings: Trace holds for this run only.
  if (m_options.trace) {
    model.Trace.Set(1);
    if (auto* contact = dynamic_cast<CContactStateMachine*>(model.ContactMachine.get()))
      contact->SetStatusWindow(m_console.get());
  }
  RunSettings& run = model.Run;
  if (m_options.simulate) {
    m_simulator = std::make_unique<CSimulatorThread>(SimOptions::Newest());
    if (!m_simulator->Start()) {
      QTextStream(stderr) << "zu6400ctl: the simulated tuner could not open a pseudo-terminal\n";
      return false;
    }
    run.port = m_simulator->SlavePath();
    run.fixedSpeed = 0;  // the simulated tuner keeps its own speed, whatever the saved one is
  } else if (!m_options.port.isEmpty()) {
    run.port = m_options.port;
  }
  if (m_options.speedGiven) run.fixedSpeed = m_options.fixedSpeed;
  if (!m_options.folder.isEmpty()) run.firmwareFolder = m_options.folder;
  if (!m_options.server.isEmpty()) run.firmwareServer = m_options.server;
  return true;
}

ResultCode CCliContext::RunUntilFinished(const std::function<void()>& start, unsigned seconds, ResultCode onTimeout) {
  QEventLoop loop;
  CFinishWatcher watcher(loop);
  CTunerModel& model = GetModel();
  model.MachineFinished.AddObserver(&watcher);
  // The contact run that a restarting job hands over to, else the job.
  const QMetaObject::Connection stop = StopWith([&model] {
    if (!model.ContactMachine->Cancel() && model.ActiveMachine != nullptr) model.ActiveMachine->Cancel();
  });
  start();  // a machine may finish at once
  if (!watcher.finished) {
    QTimer::singleShot(std::chrono::seconds(seconds), &loop, &QEventLoop::quit);
    loop.exec();
  }
  QObject::disconnect(stop);
  model.MachineFinished.RemoveObserver(&watcher);
  return watcher.finished ? watcher.result : onTimeout;
}

ResultCode CCliContext::Contact() {
  CTunerModel& model = GetModel();
  model.ClosePort();
  const ResultCode result = RunUntilFinished([&model] { model.ContactMachine->StartAtOpenPort(); },
                                             m_options.waitSeconds, Result::NoResponseAfterReset);
  // The search never ends by itself; nothing may poll behind the job that follows.
  model.ContactMachine->Abandon();
  return result;
}

CStopSignals& CCliContext::StopSignals() {
  if (!m_stopSignals) m_stopSignals = std::make_unique<CStopSignals>();
  return *m_stopSignals;
}

QMetaObject::Connection CCliContext::StopWith(const std::function<void()>& cancel) {
  return QObject::connect(&StopSignals(), &CStopSignals::Raised, [this, cancel] {
    if (++m_stops == 1) {
      CConsoleLog::PrintLogLine(
          QStringLiteral("Stopping once the command in progress is done (stop again to end at once)"));
      cancel();
      return;
    }
    QTextStream(stderr) << QString::asprintf("error 0x%08X: ", Result::Cancelled) << ErrorText(Result::Cancelled)
                        << " (stopped at once)" << Qt::endl;
    std::_Exit(1);  // no clean-up: the second stop asked for none
  });
}

int CCliContext::Stopped(const QString& state) {
  if (!state.isEmpty()) CConsoleLog::PrintLogLine(state);
  return Fail(Result::Cancelled);
}

QObject* CCliContext::StatusWindow() const { return m_options.trace ? m_console.get() : nullptr; }

FirmwareFolderScan CCliContext::ScanFirmwareFolder() {
  CTunerModel& model = GetModel();
  CModelReportSink sink(model);
  return CheckVersions(model.Run.firmwareFolder, sink,
                       QStringLiteral("Firmware folder does not contain required firmware files\r\n"
                                      "Run \"zu6400ctl download\"\r\n"
                                      "or name a folder containing firmware files with --folder"));
}

int CCliContext::Fail(ResultCode code) {
  // After a search that found nothing, say where it looked and what to check;
  // after the port's device went away, which connection was lost.
  const QString& port = GetModel().Run.port;
  if (!port.isEmpty()) {
    if (code == Result::NoResponseAfterReset) return Fail(code, GetModel().NoAnswerText());
    if (code == Result::DeviceNotConnected) return Fail(code, GetModel().ConnectionLostText());
    // A network port's failure names the address.
    if (CRfc2217Port::IsNetworkName(port) && CRfc2217Port::IsConnectionFailure(code))
      return Fail(code, GetModel().Channel->FailureText(code));
  }
  if (code == Result::SerialPortNameMissing)
    return Fail(code, QStringLiteral("Serial port name is missing: give the tuner's port with --port PORT "
                                     "(zu6400ctl ports lists them), save one on the desktop program's Port page, "
                                     "or try the simulated tuner with --simulate"));
  return Fail(code, ErrorText(code));
}

int CCliContext::Fail(ResultCode code, const QString& text) {
  QTextStream(stderr) << QString::asprintf("error 0x%08X: ", code) << text << Qt::endl;
  return 1;
}
