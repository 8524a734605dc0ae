#include "tests/support/CtlRunner.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QProcessEnvironment>
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
  const bool finished = p.waitForFinished(60000);
  EXPECT_TRUE(finished) << p.arguments().join(u' ').toStdString();
  if (!finished) {
    p.kill();  // a crash exit: the run reads as status -1
    p.waitForFinished();
  }
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
          QString::fromUtf8(p.readAllStandardError())};
}

CtlRun InterruptCtl(const QStringList& args, const QString& configHome, const QString& marker, int count,
                    int presses, unsigned timeScale) {
  QProcess p;
  StartCtl(p, args, configHome, timeScale);
  p.setReadChannel(QProcess::StandardError);
  QString err;
  const QDeadlineTimer deadline(60000);
  while (err.count(marker) < count && p.state() != QProcess::NotRunning && !deadline.hasExpired())
    if (p.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
      err += QString::fromUtf8(p.readAllStandardError());
  EXPECT_GE(err.count(marker), count) << err.toStdString();
  // Signals that come together count as one: each press waits for the one before to be seen.
  const QString seen = QStringLiteral("Stopping once");
  for (int i = 0; i < presses; ++i) {
    kill(static_cast<pid_t>(p.processId()), SIGINT);
    while (i + 1 < presses && !err.contains(seen) && p.waitForReadyRead(10000))
      err += QString::fromUtf8(p.readAllStandardError());
  }
  CtlRun run = FinishCtl(p);
  run.err.prepend(err);
  return run;
}

CSimulatorProcess::CSimulatorProcess(const QStringList& args, unsigned timeScale) {
  SetTimeScale(m_process, QProcessEnvironment::systemEnvironment(), timeScale);
  m_process.start(QStringLiteral(ZU6400SIM_PATH), args);
  m_process.waitForReadyRead(5000);
  m_port = QString::fromUtf8(m_process.readLine()).trimmed();
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
