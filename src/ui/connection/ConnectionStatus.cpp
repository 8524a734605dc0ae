#include "ui/connection/ConnectionStatus.h"

#include <utility>

#include "base/FailureText.h"
#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "base/TimeScale.h"
#include "link/PortAccessAdvice.h"
#include "link/Rfc2217Port.h"
#include "machines/connection/TunerModel.h"

namespace {
// How long a search goes unanswered before the advice.
constexpr unsigned kNoAnswerMs = 10000;
}  // namespace

CConnectionStatus::CConnectionStatus(QObject* parent) : QObject(parent) {
  CTunerModel& model = GetModel();
  m_subscriptions.Subscribe(this, model.FirmwareStatus);
  m_subscriptions.Subscribe(this, model.MachineFinished);
  m_subscriptions.Subscribe(this, model.SerialSpeed);
  m_subscriptions.Subscribe(this, model.PortState);
  m_noAnswerTimer.setSingleShot(true);
  connect(&m_noAnswerTimer, &QTimer::timeout, this, &CConnectionStatus::OnNoAnswerYet);
}

void CConnectionStatus::customEvent(QEvent* event) {
  if (event->type() == CModelEvent::EventType()) OnModelEvent(*static_cast<CModelEvent*>(event));
}

void CConnectionStatus::OnModelEvent(const CModelEvent& event) {
  const CTunerModel& model = GetModel();
  switch (event.Message) {
    case Msg::FirmwareStatus:
      if (model.FirmwareStatus.Get() == FirmwareStatusNone) break;
      EndSearch();
      Show(model.GetShortStatusText());
      break;
    case Msg::MachineFinished: OnMachineFinished(static_cast<ResultCode>(event.Param)); break;
    case Msg::SerialSpeed: OnSearchStep(); break;
    case Msg::PortState:
      if (model.IsPortOpen() || model.Run.port.isEmpty()) break;
      // What was said of the open port holds no more.
      EndSearch();
      emit Changed(QString());
      emit Summary(FormatString(Str::SerialPortClosed, model.Run.port));
      break;
    default: break;
  }
}

void CConnectionStatus::OnMachineFinished(ResultCode result) {
  CTunerModel& model = GetModel();
  QString advice = PortAccessAdvice(model.Run.port);
  if (!advice.isEmpty()) advice += QStringLiteral("\r\nThen press Test Communications.");
  if (IsFailure(result) && !model.IsPortOpen() && !model.Run.port.isEmpty()) {
    EndSearch();
    // A network port's failure names the address and what the network said.
    QString text = CRfc2217Port::IsNetworkName(model.Run.port)
                       ? model.Channel->FailureText(result)
                       : FailureText(IoOperation::Open, model.Run.port, result);
    if (!advice.isEmpty()) text += QStringLiteral("\n") + advice;
    Show(text);
  }
  // The contact run has logged the advice already.
  if (result == Result::AccessDenied && !advice.isEmpty())
    model.MessageBox(LoadString(Str::ComPortErrorTitle), advice, BoxIcon::Warning);
}

void CConnectionStatus::Show(const QString& text) {
  emit Changed(text);
  emit Summary(text.section(u'\n', 0, 0).remove(u'\r'));
}

bool CConnectionStatus::IsSearching() const {
  const CTunerModel& model = GetModel();
  return model.IsPortOpen() && model.FirmwareStatus.Get() == FirmwareStatusNone && !model.ContactMachine->IsIdle();
}

// Each speed the search tries is shown as it changes; the advice, once due,
// stays below it while the search goes on.
void CConnectionStatus::OnSearchStep() {
  if (!IsSearching()) return;
  if (!m_searching) {
    m_searching = true;
    m_noAnswerTimer.start(static_cast<int>(CTimeScale::RealMs(kNoAnswerMs)));
  }
  ShowSearch();
}

void CConnectionStatus::OnNoAnswerYet() {
  if (!IsSearching()) return;
  m_adviceShown = true;
  ShowSearch();
  emit LoadWithoutAnswerOffered(true);
}

void CConnectionStatus::ShowSearch() {
  const CTunerModel& model = GetModel();
  QString text = Format(tr("Looking for %s on %s at %u bit/s"), ModelName(), model.Run.port, model.GetBitRate());
  if (m_adviceShown) text += u'\n' + tr("No answer yet. ") + model.NoAnswerText();
  Show(text);
}

void CConnectionStatus::StopAdviceTimer() {
  m_noAnswerTimer.stop();
  m_searching = false;
  m_adviceShown = false;
}

// The tuner answered or the port closed: what nothing answering allowed ends.
void CConnectionStatus::EndSearch() {
  StopAdviceTimer();
  emit LoadWithoutAnswerOffered(false);
}

// The offer stays: after a failed load the owner switches the tuner off and
// on and sends again.
void CConnectionStatus::OnLoadStarting() {
  if (!IsSearching()) return;
  m_loadWithoutAnswer = true;
  StopAdviceTimer();
  GetModel().ContactMachine->Abandon();
}

// A good load has found the tuner again. Otherwise sending again is what
// helps, from a loader left waiting or after the tuner's power cycle.
void CConnectionStatus::OnLoadEnded() {
  if (!std::exchange(m_loadWithoutAnswer, false)) return;
  const CTunerModel& model = GetModel();
  if (!model.IsPortOpen() || model.FirmwareStatus.Get() == FirmwareStatusRunning) return;
  emit LoadWithoutAnswerOffered(true);
  if (model.FirmwareStatus.Get() == FirmwareStatusNone) Show(FormatString(Str::LoaderNotRecovered, ModelName()));
}
