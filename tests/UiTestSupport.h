#pragma once
// Helpers for the desktop program's tests: a recorder in place of message
// boxes, and a fixture with clean settings, an optional simulated tuner and
// the real main window.

#include <memory>
#include <vector>

#include "TestSupport.h"
#include "ui/MainWindow.h"

class CBoxRecorder {
 public:
  struct Box {
    BoxIcon icon;
    QString title;
    QString text;
  };
  CBoxRecorder();
  ~CBoxRecorder();
  std::vector<Box> boxes;
  int Count(const QString& title) const;
};

class UiFixture {
 public:
  UiFixture();
  ~UiFixture();
  // A value in the settings as a previous run would have left it.
  static void SaveSetting(const QString& name, const QVariant& value);
  static QVariant Setting(const QString& name);
  bool StartSimulator(SimOptions options = {});
  CSimulatedTuner& Sim() { return m_sim->Tuner(); }
  QString SimPort() const { return m_sim->SlavePath(); }
  // Creates and shows the main window.
  CMainWindow& OpenWindow(const QString& portForThisRun = {});
  // Closes the window as the user would and lets the model go.
  void CloseWindow();
  CMainWindow& Window() { return *m_window; }
  bool WaitRunning(int timeoutMs = 15000);
  CBoxRecorder boxes;

 private:
  std::unique_ptr<CSimulatorThread> m_sim;
  std::unique_ptr<CMainWindow> m_window;
};
