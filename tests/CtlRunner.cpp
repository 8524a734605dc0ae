#include "CtlRunner.h"

#include <gtest/gtest.h>

#include <QProcessEnvironment>

CtlRun RunCtl(const QStringList& args, const QString& configHome) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
  env.insert(QStringLiteral("XDG_DATA_HOME"), configHome + QStringLiteral("/data"));
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(ZU6400CTL_PATH), args);
  const bool finished = p.waitForFinished(60000);
  EXPECT_TRUE(finished) << args.join(u' ').toStdString();
  if (!finished) {
    p.kill();  // a crash exit: the run reads as status -1
    p.waitForFinished();
  }
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
          QString::fromUtf8(p.readAllStandardError())};
}

CSimulatorProcess::CSimulatorProcess(const QStringList& args) {
  m_process.start(QStringLiteral(ZU6400SIM_PATH), args);
  m_process.waitForReadyRead(5000);
  m_port = QString::fromUtf8(m_process.readLine()).trimmed();
}

CSimulatorProcess::~CSimulatorProcess() {
  m_process.kill();
  m_process.waitForFinished();
}

void CtlSimTest::StartSim(const QStringList& args) {
  sim = std::make_unique<CSimulatorProcess>(args);
  port = sim->Port();
  ASSERT_FALSE(port.isEmpty());
}

CtlRun CtlSimTest::Ctl(QStringList args) {
  args.prepend(port);
  args.prepend(QStringLiteral("--port"));
  return RunCtl(args, config.path());
}
