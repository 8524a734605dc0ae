#include "tests/support/CtlRunner.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QProcessEnvironment>
#include <QTimer>
#include <grp.h>
#include <unistd.h>

#include <csignal>

namespace {
void SetTimeScale(QProcess& p, QProcessEnvironment env, unsigned timeScale) {
  env.insert(QStringLiteral("ZU6400_TIME_SCALE"), QString::number(timeScale));
  p.setProcessEnvironment(env);
}
}  // namespace

CtlRun RunCtl(const QStringList& args, const QString& configHome, unsigned timeScale) {
  QProcess p;
  StartCtl(p, args, configHome, timeScale);
  return FinishCtl(p);
}

CtlRun RunCtlUnprivileged(const QStringList& args, const QString& configHome) {
  QProcess p;
  if (geteuid() == 0)
    p.setChildProcessModifier([] {
      constexpr uid_t kNobody = 65534;
      if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(127);
    });
  StartCtl(p, args, configHome);
  return FinishCtl(p);
}

void StartCtl(QProcess& p, const QStringList& args, const QString& configHome, unsigned timeScale) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
  env.insert(QStringLiteral("XDG_DATA_HOME"), configHome + QStringLiteral("/data"));
  SetTimeScale(p, env, timeScale);
  p.start(QStringLiteral(ZU6400CTL_PATH), args);
}

CtlRun FinishCtl(QProcess& p) {
  // A run that ended while events were handled is finished; one that never started is not.
  const bool finished =
      p.state() == QProcess::NotRunning ? p.error() != QProcess::FailedToStart : p.waitForFinished(60000);
  EXPECT_TRUE(finished) << p.arguments().join(u' ').toStdString();
  if (!finished) {
    p.kill();  // a crash exit: the run reads as status -1
    p.waitForFinished();
  }
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
          QString::fromUtf8(p.readAllStandardError())};
}

std::vector<CtlRun> RunCtlTogether(const std::vector<QStringList>& argLists, const QString& configHome) {
  std::vector<std::unique_ptr<QProcess>> processes;
  for (const QStringList& args : argLists)
    StartCtl(*processes.emplace_back(std::make_unique<QProcess>()), args, configHome);
  std::vector<CtlRun> runs;
  for (const auto& p : processes) runs.push_back(FinishCtl(*p));
  return runs;
}

namespace {
// Signals that come together count as one: a second press waits for the first to be seen.
bool PressDue(const CtlInterrupt& run, const QString& err, int pressed) {
  if (pressed == 0) return err.count(run.marker) >= run.count;
  return pressed < run.presses && err.contains(QStringLiteral("Stopping once"));
}
}  // namespace

std::vector<CtlRun> InterruptCtl(const std::vector<CtlInterrupt>& runs) {
  std::vector<std::unique_ptr<QProcess>> processes;
  std::vector<QString> errs(runs.size());
  std::vector<int> pressed(runs.size(), 0);
  QEventLoop loop;
  size_t running = runs.size();
  for (size_t i = 0; i < runs.size(); ++i) {
    QProcess* p = processes.emplace_back(std::make_unique<QProcess>()).get();
    QObject::connect(p, &QProcess::readyReadStandardError, [&, p, i] {
      errs[i] += QString::fromUtf8(p->readAllStandardError());
      if (!PressDue(runs[i], errs[i], pressed[i])) return;
      kill(static_cast<pid_t>(p->processId()), SIGINT);
      ++pressed[i];
    });
    QObject::connect(p, &QProcess::finished, [&] {
      if (--running == 0) loop.quit();
    });
    StartCtl(*p, runs[i].args, runs[i].configHome, runs[i].timeScale);
  }
  QTimer::singleShot(60000, &loop, &QEventLoop::quit);
  loop.exec();
  std::vector<CtlRun> results;
  for (size_t i = 0; i < runs.size(); ++i) {
    EXPECT_EQ(pressed[i], runs[i].presses) << errs[i].toStdString();
    processes[i]->disconnect();
    results.push_back(FinishCtl(*processes[i]));
    results.back().err.prepend(errs[i]);
  }
  return results;
}

CSimulatorProcess::CSimulatorProcess(const QStringList& args, unsigned timeScale) {
  SetTimeScale(m_process, QProcessEnvironment::systemEnvironment(), timeScale);
  m_process.start(QStringLiteral(ZU6400SIM_PATH), args);
}

QString CSimulatorProcess::Port() {
  if (m_port.isEmpty() && (m_process.canReadLine() || m_process.waitForReadyRead(5000)))
    m_port = QString::fromUtf8(m_process.readLine()).trimmed();
  return m_port;
}

CSimulatorProcess::~CSimulatorProcess() {
  m_process.kill();
  m_process.waitForFinished();
}

void CtlSimTest::StartSim(const QStringList& args, unsigned timeScale) {
  sim = std::make_unique<CSimulatorProcess>(args, timeScale);
  port = sim->Port();
  ASSERT_FALSE(port.isEmpty());
}

CtlRun CtlSimTest::Ctl(QStringList args) {
  args.prepend(port);
  args.prepend(QStringLiteral("--port"));
  return RunCtl(args, config.path());
}
