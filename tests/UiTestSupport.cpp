#include "UiTestSupport.h"

#include <QCoreApplication>
#include <QSettings>

CBoxRecorder::CBoxRecorder() {
  CMainFrame::SetBoxPresenter([this](QWidget*, BoxIcon icon, const QString& title, const QString& text) {
    boxes.push_back({icon, title, text});
  });
}

CBoxRecorder::~CBoxRecorder() { CMainFrame::SetBoxPresenter({}); }

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
  m_frame.reset();
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

CMainFrame& UiFixture::OpenFrame(const QString& portForThisRun) {
  m_frame = std::make_unique<CMainFrame>(portForThisRun);
  m_frame->show();
  QCoreApplication::processEvents();
  return *m_frame;
}

void UiFixture::CloseFrame() {
  m_frame->close();
  m_frame.reset();
  ReleaseModel();
}

bool UiFixture::WaitRunning(int timeoutMs) {
  return WaitFor([] { return GetModel().FirmwareStatus.Get() == FirmwareStatusRunning; }, timeoutMs);
}
