#include "machines/firmware/McuLoaderStateMachine.h"

#include <QDir>

#include "base/ReportSink.h"
#include "firmware/FirmwareFolderScan.h"

namespace {
// The image's reconciliation lines go where the machine's lines go.
class CStateTextSink final : public IReportSink {
 public:
  explicit CStateTextSink(CStateHostBase& host) : m_host(host) {}
  void Log(const QString& text) override { m_host.LogLine(text); }
  void ErrorBox(const QString&, const QString& text) override { m_host.LogLine(text); }

 private:
  CStateHostBase& m_host;
};
}  // namespace

CMcuLoaderStateMachine::CMcuLoaderStateMachine(CModelBase& model)
    : CLoaderStateHost(model, "MCU"),
      m_findSpeed(*this, &m_identify, m_recover),
      m_recover(*this, m_loadInitial),
      m_identify(*this, &m_enterBootLoader),
      m_enterBootLoader(*this, &m_beginDownload),
      m_beginDownload(*this, &m_loadInitial),
      m_loadInitial(*this, &m_loadLast),
      m_resyncInitial(*this, "ResyncInitial", m_loadInitial),
      m_loadLast(*this, &m_waitReset),
      m_resyncLast(*this, "ResyncLast", m_loadLast),
      m_waitReset(*this, &m_findSpeedAfterReset),
      m_findSpeedAfterReset(*this, &m_powerOn),
      m_powerOn(*this, &Final()) {
  m_identify.SetAlternative(&m_beginDownload);
  m_loadInitial.SetResync(&m_resyncInitial);
  m_loadLast.SetResync(&m_resyncLast);
}

bool CMcuLoaderStateMachine::Start(const QString& imagePath, QObject* statusWindow) {
  if (!IsIdle()) {
    SetLastError(Result::BusyStateMachine);  // the running load keeps its result
    return false;
  }
  SetStatusWindow(statusWindow);
  BeginRun();
  BeginLoad(imagePath);
  m_touchedTuner = false;
  ResultCode loaded = LoadImage();
  // Without a version in its name, the load could never be checked.
  if (loaded == Result::Success && FirmwareFolderScan::VersionFromName(imagePath) == 0) {
    Log(Str::ImageNameWithoutVersion, QDir::toNativeSeparators(imagePath));
    loaded = Result::InvalidName;
  }
  if (loaded != Result::Success) {
    SetResult(loaded);
    Go(Final());
    return true;
  }
  BeginProgress(SendLength());
  SetLoadAddress(kFirstLoadAddress);
  m_touchedTuner = true;
  return StartIfIdle(m_findSpeed);
}

ResultCode CMcuLoaderStateMachine::LoadImage() {
  FirmwareImage& image = Image();
  if (!image.Load(ImagePath())) {
    const ResultCode code = GetLastError() != 0 ? GetLastError() : Result::LoadFailedWithoutCode;
    Log(Str::FileLineError, image.LineCount(), code, ErrorText(code));
    return code;
  }
  CStateTextSink sink(*this);
  const ResultCode code = image.CheckReconciliation(sink);
  if (code == Result::Success) SetSendLength(static_cast<std::uint32_t>(image.SendEnd() - image.Data()));
  return code;
}

void CMcuLoaderStateMachine::OnFinished() {
  const ResultCode result = GetResult();
  if (IsFailure(result) && InLoader() && result != Result::LoaderNoD) {
    // The loader still waits for a whole image; a new run from it completes
    // the update, so the tuner is shown as waiting for one.
    Log(Str::LoaderLeftInLoader, ModelName());
    Model().FirmwareStatus.Set(FirmwareStatusLoader);
    CStateHostBase::OnFinished();
  } else if (!m_touchedTuner) {
    CStateHostBase::OnFinished();  // a bad image: the tuner was not spoken to
  } else {
    FinishAndRecontact();
  }
}

ResultCode CMcuLoaderStateMachine::VerifyVersion(unsigned short expected) {
  CModelBase& model = Model();
  if (model.McuVersion.Get() == expected) {
    Log(Str::LoaderVersionVerified, LoaderName());
    return Result::Success;
  }
  Log(Str::LoaderVersionResponded, LoaderName(), ImagePath(), ModelName(), model.GetVersionText());
  Log(Str::LoaderVersionVerifyFailed, LoaderName());
  return Result::VersionVerificationFailed;
}
