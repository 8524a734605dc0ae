#pragma once
// The desktop program's run: the optional simulated tuner, the main window,
// and the order in which they go at the end (window, model, simulator).

#include <QString>
#include <QStringList>
#include <memory>

class CMainWindow;
class CSimulatorThread;

class CUtilityProgram {
 public:
  // Understands --simulate (a simulated tuner for this run) and --lang (the
  // language of this run).
  explicit CUtilityProgram(const QStringList& arguments);
  ~CUtilityProgram();

  // Creates the window (and the simulator first when asked); false when the
  // simulated tuner could not be started.
  bool Start();
  CMainWindow& Window() { return *m_window; }

 private:
  void InstallLanguage();
  // The window goes (saving what it keeps) and comes back on the simulated
  // tuner, as --simulate would have started it.
  void RestartOnSimulatedTuner();

  bool m_simulate = false;
  QString m_language;
  std::unique_ptr<CSimulatorThread> m_simulator;
  std::unique_ptr<CMainWindow> m_window;
};
