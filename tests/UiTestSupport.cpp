#include "UiTestSupport.h"

#include <QCoreApplication>
#include <QSettings>

CBoxRecorder::CBoxRecorder() {
  CMainWindow::SetBoxPresenter([this](QWidget*, BoxIcon icon, const QString& title, const QString& text) {
    boxes.push_back({icon, title, text});
  });
}

CBoxRecorder::~CBoxRecorder() { CMainWindow::SetBoxPresenter({}); }

int CBoxRecorder::Count(const QString& title) const {
  int n = 0;
  for (const Box& box : boxes) n += box.title == title ? 1 : 0;
  return n;
}

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

void UiFixture::SaveSetting(const QString& name, const QVariant& value) {
  QSettings settings("Corvanta", "ZU6400 Utility");
  settings.setValue(name, value);
  settings.sync();
}

QVariant UiFixture::Setting(const QString& name) {
  QSettings settings("Corvanta", "ZU6400 Utility");
  return settings.value(name);
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
