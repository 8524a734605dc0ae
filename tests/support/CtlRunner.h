#pragma once
// zu6400ctl and zu6400-sim run as processes, as a user runs them: what the
// front end's tests share.

#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

// How many times faster than real time zu6400ctl and zu6400-sim run their
// waits here (ZU6400_TIME_SCALE): a 3 s reset wait passes in 600 ms, and a
// reply still comes within the 40 ms an identification then has. 1: real time,
// for a test whose link takes its real time (ser2net).
constexpr unsigned kCtlTimeScale = 5;

struct CtlRun {
  int status = -1;  // the exit status; -1 when it crashed or never ended
  QString out;
  QString err;
};

// zu6400ctl with its settings in configHome (and its data below it).
CtlRun RunCtl(const QStringList& args, const QString& configHome, unsigned timeScale = kCtlTimeScale);
// The same without the superuser's rights: as the user nobody when the tests
// run as root.
CtlRun RunCtlUnprivileged(const QStringList& args, const QString& configHome);
// The same, started and left running for a test that acts while it runs;
// FinishCtl waits for its end (a minute at most) and collects the run.
void StartCtl(QProcess& process, const QStringList& args, const QString& configHome,
              unsigned timeScale = kCtlTimeScale);
CtlRun FinishCtl(QProcess& process);
// Several runs of zu6400ctl side by side, for runs that wait out real time.
std::vector<CtlRun> RunCtlTogether(const std::vector<QStringList>& argLists, const QString& configHome);

// A run of zu6400ctl that Ctrl+C (a SIGINT) stops once its job is under way.
struct CtlInterrupt {
  QStringList args;
  QString configHome;
  QString marker;  // the job is under way once standard error shows it ...
  int count = 1;   // ... this many times
  int presses = 1;
  unsigned timeScale = kCtlTimeScale;
};
// The runs side by side, each pressed as it asks; their runs in the same order.
std::vector<CtlRun> InterruptCtl(const std::vector<CtlInterrupt>& runs);

// zu6400-sim in its own process; the first line it prints is its port.
class CSimulatorProcess {
 public:
  explicit CSimulatorProcess(const QStringList& args, unsigned timeScale = kCtlTimeScale);
  ~CSimulatorProcess();
  CSimulatorProcess(const CSimulatorProcess&) = delete;
  CSimulatorProcess& operator=(const CSimulatorProcess&) = delete;
  // Empty when the simulator printed nothing. Read at the first ask, so that
  // several simulators start side by side.
  QString Port();

 private:
  QProcess m_process;
  QString m_port;
};

// A test of zu6400ctl against zu6400-sim in its own process, with settings in
// a temporary folder.
class CtlSimTest : public ::testing::Test {
 protected:
  // Starts zu6400-sim with its options.
  void StartSim(const QStringList& args, unsigned timeScale = kCtlTimeScale);
  // zu6400ctl on the simulator's port.
  CtlRun Ctl(QStringList args);

  QTemporaryDir config;
  std::unique_ptr<CSimulatorProcess> sim;
  QString port;
};
