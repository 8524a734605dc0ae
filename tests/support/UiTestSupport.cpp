#include "tests/support/UiTestSupport.h"

#include <QCoreApplication>

UiFixture::UiFixture() {
  ReleaseModel();
  ClearSettings();
}

UiFixture::~UiFixture() {
  m_window.reset();
  ReleaseModel();
  m_sim.reset();
  ClearSettings();
}

bool UiFixture::StartSimulator(SimOptions options) {
  m_sim = std::make_unique<CSimulatorThread>(std::move(options));
  return m_sim->Start();
}

CMainWindow& UiFixture::OpenWindow(const QString& portForThisRun) {
  m_window = std::make_unique<CMainWindow>(portForThisRun);
  m_window->show();
  QCoreApplication::processEvents();
  return *m_window;
}

void UiFixture::CloseWindow() {
  m_window->close();
  m_window.reset();
  ReleaseModel();
}

bool UiFixture::WaitRunning(int timeoutMs) {
  return WaitFor([] { return GetModel().FirmwareStatus.Get() == FirmwareStatusRunning; }, timeoutMs);
}
