#include "ui/operate/OperatePage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "base/StringTable.h"
#include "machines/connection/TunerModel.h"
#include "ui/shell/Accessible.h"
#include "ui/operate/RelayGroup.h"

namespace {
enum Row { RowFrequency, RowVfwd, RowVrfl, RowSwr, RowSwrBypass, RowBand, RowXcvr, RowCount, RowAtu, RowTotal };
const char* const kRowLabels[RowTotal] = {
    QT_TRANSLATE_NOOP("COperatePage", "Frequency: "), QT_TRANSLATE_NOOP("COperatePage", "VFWD: "),
    QT_TRANSLATE_NOOP("COperatePage", "VRFL: "),      QT_TRANSLATE_NOOP("COperatePage", "SWR: "),
    QT_TRANSLATE_NOOP("COperatePage", "Bypass SWR: "), QT_TRANSLATE_NOOP("COperatePage", "Band: "),
    QT_TRANSLATE_NOOP("COperatePage", "XCVR Freq:"),  QT_TRANSLATE_NOOP("COperatePage", "Freq Count:"),
    QT_TRANSLATE_NOOP("COperatePage", "Freq ATU:")};
constexpr char kModes[] = {'A', 'M', 'B'};

QCheckBox* AddCheckBox(QLayout* layout, const QString& text, QWidget* parent) {
  auto* box = new QCheckBox(text, parent);
  layout->addWidget(box);
  return box;
}

// A frequency in kHz as the tuner reports it; below 1.5 MHz there is none.
QString FrequencyText(unsigned kHz) { return kHz >= 1500 ? QString::number(kHz) + QStringLiteral(" kHz") : QString(); }

void Uncheck(QButtonGroup& group) {
  group.setExclusive(false);  // an exclusive group cannot clear its last check
  for (QAbstractButton* b : group.buttons()) b->setChecked(false);
  group.setExclusive(true);
}

// "0.00" is what the tuner sends with no carrier.
QString SwrText(const QString& swr) { return swr == u"0.00" ? QString() : swr; }
}  // namespace

COperatePage::COperatePage(QWidget* parent) : CPage(tr("&Operate"), QStringLiteral("Operate.htm"), parent),
                                              m_machine(GetModel()) {
  m_poll.LoadInterval(GetModel().AppInfo);
  LoadAlarm();
  auto* layout = new QGridLayout(this);
  layout->addWidget(BuildSettings(), 0, 0, 1, 3);
  m_capacitors = new CRelayGroup(tr("Capacitanc&e (pF)"), tr("Capacitor %1 pF"), kCapacitorWeights, this);
  m_inductors = new CRelayGroup(tr("In&ductance (nH)"), tr("Inductor %1 nH"), kInductorWeights, this);
  m_capacitors->setObjectName("capacitors");
  m_inductors->setObjectName("inductors");
  layout->addWidget(m_capacitors, 1, 0);
  layout->addWidget(m_inductors, 1, 1);
  layout->addWidget(BuildObserved(), 1, 2);
  // The chart takes what room the controls leave.
  layout->addWidget(BuildHistory(), 2, 0, 1, 4);
  layout->setRowStretch(2, 1);
  layout->setColumnStretch(3, 1);
  ConnectActions();
  connect(&m_poll, &CPollLoop::CycleEnded, this, &COperatePage::OnCycleEnded);
  ShowNothingRead();
  m_tune->setFocus();
}

// A saved value out of what the dialog offers is no alarm, or the default time.
void COperatePage::LoadAlarm() {
  m_alarmSwr.Load(GetModel().AppInfo);
  m_alarmSeconds.Load(GetModel().AppInfo);
  SwrAlarmSettings settings;
  bool ok = false;
  const double swr = m_alarmSwr.Get().toDouble(&ok);
  if (ok && swr >= SwrAlarmSettings::kLowestSwr && swr <= SwrAlarmSettings::kHighestSwr) settings.swr = swr;
  const double seconds = m_alarmSeconds.Get().toDouble(&ok);
  if (ok && seconds >= 0 && seconds <= SwrAlarmSettings::kLongestSeconds) settings.seconds = seconds;
  m_alarm.Configure(settings);
}

void COperatePage::SetAlarm(const SwrAlarmSettings& settings) {
  m_alarm.Configure(settings);
  m_alarmSwr.Set(settings.IsOn() ? QString::number(settings.swr) : QString());
  m_alarmSeconds.Set(QString::number(settings.seconds));
  m_alarmSwr.Save(GetModel().AppInfo);
  m_alarmSeconds.Save(GetModel().AppInfo);
}

QWidget* COperatePage::BuildSettings() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  auto* mode = new QGroupBox(tr("Mode"), row);
  auto* modeLayout = new QVBoxLayout(mode);
  m_modes = new QButtonGroup(this);
  for (const QString& text : {tr("&Auto"), tr("&Manual"), tr("&Bypass")}) {
    auto* button = new QRadioButton(text, mode);
    button->setObjectName(QStringLiteral("mode") + QChar(kModes[m_modes->buttons().size()]));
    modeLayout->addWidget(button);
    m_modes->addButton(button, static_cast<int>(m_modes->buttons().size()));
  }
  auto* antenna = new QGroupBox(tr("Antenna"), row);
  auto* antennaLayout = new QVBoxLayout(antenna);
  m_antennas = new QButtonGroup(this);
  for (int i = 1; i <= 3; ++i) {
    auto* button = new QRadioButton(QStringLiteral("&%1").arg(i), antenna);
    button->setAccessibleName(tr("Antenna %1").arg(i));
    button->setObjectName(QStringLiteral("antenna%1").arg(i));
    antennaLayout->addWidget(button);
    m_antennas->addButton(button, i);
  }
  auto* others = new QGroupBox(tr("Others"), row);
  auto* othersLayout = new QVBoxLayout(others);
  m_side = AddCheckBox(othersLayout, tr("Caps on Ant &Side"), others);
  m_bypassed = AddCheckBox(othersLayout, tr("B&ypassed"), others);
  m_attenuator = AddCheckBox(othersLayout, tr("Atte&nuator"), others);
  m_keyInterrupt = AddCheckBox(othersLayout, tr("Amp &Key Interrupt"), others);

  auto* actions = new QVBoxLayout;
  m_power = AddCheckBox(actions, tr("Po&wer"), row);
  m_tune = new QPushButton(tr("T&une"), row);
  m_tune->setToolTip(LoadString(Str::TuneTip));
  m_power->setObjectName("powerBox");
  m_tune->setObjectName("tuneButton");
  m_fault = new QLabel(tr("FAULT"), row);
  m_fault->setAlignment(Qt::AlignCenter);
  QFont font = m_fault->font();
  font.setPointSize(12);
  font.setWeight(QFont::Black);
  m_fault->setFont(font);
  m_memorize = new QPushButton(tr("Memori&ze"), row);
  m_memorize->setToolTip(LoadString(Str::MemorizeTip));
  m_fault->setObjectName("faultLabel");
  m_memorize->setObjectName("memorizeButton");
  for (QWidget* w : {static_cast<QWidget*>(m_tune), static_cast<QWidget*>(m_fault), static_cast<QWidget*>(m_memorize)})
    actions->addWidget(w);
  for (QWidget* w : {mode, antenna, others}) layout->addWidget(w);
  layout->addLayout(actions);
  layout->addStretch();
  return row;
}

QWidget* COperatePage::BuildObserved() {
  auto* box = new QGroupBox(tr("Last Observed"), this);
  auto* grid = new QGridLayout(box);
  for (int r = 0; r < RowTotal; ++r) {
    auto* label = new QLabel(tr(kRowLabels[r]), box);
    m_observed[r] = new QLabel(box);
    m_observed[r]->setMinimumWidth(60);
    // "Freq Count:" is "observedFreqCount".
    const QString key = QString::fromLatin1(kRowLabels[r]).remove(u' ').remove(u':');
    m_observed[r]->setObjectName(QStringLiteral("observed") + key);
    for (QLabel* l : {label, m_observed[r]}) l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(label, r, 0);
    grid->addWidget(m_observed[r], r, 1);
    ShowReading(r, {});
    if (r >= RowXcvr) {
      m_extraRows[2 * (r - RowXcvr)] = label;
      m_extraRows[2 * (r - RowXcvr) + 1] = m_observed[r];
    }
  }
  // Where the rows of a later firmware would be, a line says why they are not.
  m_extraNote = new QLabel(box);
  m_extraNote->setWordWrap(true);
  m_extraNote->setObjectName("extraRowsNote");
  grid->addWidget(m_extraNote, RowTotal, 0, 1, 2);
  grid->setRowStretch(RowTotal + 1, 1);
  return box;
}

QWidget* COperatePage::BuildHistory() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* row = new QHBoxLayout;
  m_chartWindow = new QComboBox(box);
  for (const int minutes : CHistoryChart::kWindowMinutes) m_chartWindow->addItem(tr("%n min", "", minutes), minutes);
  row->addWidget(BuddyLabel(tr("Histo&ry:"), m_chartWindow));
  row->addWidget(m_chartWindow);
  row->addStretch();
  layout->addLayout(row);
  m_chart = new CHistoryChart(m_history, box);
  m_chart->setObjectName("historyChart");
  layout->addWidget(m_chart, 1);

  m_chartMinutes.Load(GetModel().AppInfo);
  const int index = m_chartWindow->findData(static_cast<int>(m_chartMinutes.Get()));
  m_chartWindow->setCurrentIndex(index >= 0 ? index : m_chartWindow->findData(CHistoryChart::kDefaultWindowMinutes));
  m_chart->SetWindowMinutes(m_chartWindow->currentData().toInt());
  connect(m_chartWindow, &QComboBox::currentIndexChanged, this, [this] {
    const int minutes = m_chartWindow->currentData().toInt();
    m_chart->SetWindowMinutes(minutes);
    m_chartMinutes.Set(static_cast<unsigned long>(minutes));
    m_chartMinutes.Save(GetModel().AppInfo);
  });
  return box;
}

void COperatePage::OnCycleEnded(ResultCode result, const COperateValues& values) {
  // The first readings: what the cycle found equal to the defaults told nobody.
  if (!m_haveReadings && (result == Result::Success || result == Result::DevicePoweredOff)) {
    m_haveReadings = true;
    ShowAllValues();
  }
  ConfirmMemorize();
  const QDateTime now = QDateTime::currentDateTime();
  if (AddCycleWithAlarm(m_history, m_alarm, now.toMSecsSinceEpoch(), result, values) != CSwrAlarm::Change::None)
    emit AlarmChanged(m_alarm.IsRaised(), m_alarm.ChangedAtSwr());
  m_chart->Update();
  if (result == Result::Success || result == Result::DevicePoweredOff) LogReadings(ReadingsLine(now, values));
  if (m_pausePending) MarkPause();
}

// The polls stop while the page is hidden: the chart gets a gap and the log a
// line that says so, instead of a line drawn through the time without readings.
void COperatePage::MarkPause() {
  m_pausePending = false;
  const QDateTime now = QDateTime::currentDateTime();
  CHistoryPoint gap;
  gap.time = now.toMSecsSinceEpoch();
  m_history.Add(gap);
  m_chart->Update();
  LogReadings(ReadingsPauseLine(now));
}

void COperatePage::LogReadings(const QString& line) {
  if (!m_readingsLog.IsOpen()) return;
  const ResultCode written = m_readingsLog.Append(line);
  if (written == Result::Success) return;
  const QString path = QDir::toNativeSeparators(m_readingsLog.Path());
  StopReadingsLog();
  GetModel().MessageBoxAndLog(LoadString(Str::ReadingsLogTitle),
                              FormatString(Str::ReadingsLogWriteFailed, path, written, ErrorText(written)),
                              BoxIcon::Error);
}

bool COperatePage::StartReadingsLog(const QString& path) {
  StopReadingsLog();
  const ResultCode result = m_readingsLog.Open(path);
  if (result != Result::Success) {
    GetModel().MessageBoxAndLog(LoadString(Str::ReadingsLogTitle),
                                FormatString(Str::ReadingsLogOpenFailed, QDir::toNativeSeparators(path), result,
                                             ErrorText(result)),
                                BoxIcon::Error);
    return false;
  }
  emit ReadingsLogChanged(m_readingsLog.Path());
  return true;
}

void COperatePage::StopReadingsLog() {
  if (!m_readingsLog.IsOpen()) return;
  m_readingsLog.Close();
  emit ReadingsLogChanged({});
}

// A change that takes effect at once: the next cycle carries it now.
template <class V, class X>
void COperatePage::RequestNow(V& value, X wanted) {
  value.SetRequested(wanted);
  StartCycle();
}

void COperatePage::ConnectActions() {
  COperateValues& v = m_machine.Values();
  connect(m_modes, &QButtonGroup::idClicked, this, [this, &v](int id) { RequestNow(v.Mode, QChar(kModes[id])); });
  connect(m_antennas, &QButtonGroup::idClicked, this,
          [this, &v](int id) { RequestNow(v.Antenna, static_cast<unsigned char>(id)); });
  connect(m_side, &QCheckBox::clicked, this, [this, &v](bool on) { RequestNow(v.Side, QChar(on ? 'A' : 'T')); });
  connect(m_bypassed, &QCheckBox::clicked, this, [this, &v](bool on) { RequestNow(v.Bypass, QChar(on ? 'B' : 'N')); });
  connect(m_attenuator, &QCheckBox::clicked, this, [this, &v](bool on) { RequestNow(v.Attenuator, int(on)); });
  connect(m_keyInterrupt, &QCheckBox::clicked, this, [this, &v](bool on) { RequestNow(v.KeyInterrupt, int(on)); });
  connect(m_power, &QCheckBox::clicked, this, [this, &v](bool on) { RequestNow(v.PowerStatus, int(on)); });
  connect(m_tune, &QPushButton::clicked, this, [this] {
    m_machine.TuneRequested = true;
    m_history.MarkNext(HistoryMark::Tune);
  });
  connect(m_memorize, &QPushButton::clicked, this, [this] {
    m_machine.MemorizeRequested = true;
    m_memorizeSent = false;
    m_history.MarkNext(HistoryMark::Memorize);
  });
  connect(m_capacitors, &CRelayGroup::BoxesClicked, this, [this, &v](std::uint8_t b) { RequestNow(v.Capacitor, b); });
  connect(m_inductors, &CRelayGroup::BoxesClicked, this, [this, &v](std::uint8_t b) { RequestNow(v.Inductor, b); });
  // Edits take effect with the next timer cycle.
  connect(m_capacitors, &CRelayGroup::EditFinished, this, [&v](std::uint8_t b) { v.Capacitor.SetRequested(b); });
  connect(m_inductors, &CRelayGroup::EditFinished, this, [&v](std::uint8_t b) { v.Inductor.SetRequested(b); });
}

void COperatePage::StartCycle() { m_poll.CycleNow(); }

void COperatePage::OnShown() {
  ApplyEnablingRules();
  CTunerModel& model = GetModel();
  m_active.emplace(model, m_machine);
  // Unread values are not shown as if read: until a cycle has read them, only changes are.
  if (model.FirmwareStatus.Get() != FirmwareStatusRunning) ShowNothingRead();
  for (CEventSource* value : m_machine.Values().All()) {
    if (m_haveReadings)
      SubscribeAndNotify(*value);
    else
      Subscribe(*value);
  }
  Subscribe(model.FirmwareStatus);
  m_pausePending = false;  // shown again before the last cycle ended: no pause
  m_poll.Start();
}

// A cycle in progress runs on; only the poll stops.
void COperatePage::OnHidden() {
  m_poll.Stop();
  m_pausePending = true;
  if (!m_poll.IsCycleUnderWay()) MarkPause();
  ApplyEnablingRules();
  m_active.reset();
}

void COperatePage::OnModelEvent(const CModelEvent& event) {
  if (event.Message == Msg::FirmwareStatus) {
    ApplyEnablingRules();
    if (GetModel().FirmwareStatus.Get() == FirmwareStatusRunning) StartCycle();
    else if (m_haveReadings) ShowNothingRead();
  } else {
    ShowValue(event.Message);
  }
}

void COperatePage::ApplyEnablingRules() {
  const CTunerModel& model = GetModel();
  const unsigned version = model.McuVersion.Get();
  for (QWidget* child : findChildren<QWidget*>()) child->setEnabled(model.FirmwareStatus.Get() == FirmwareStatusRunning);
  const bool running = model.FirmwareStatus.Get() == FirmwareStatusRunning;
  if (version < OperateFeature::PowerSwitch) m_power->setEnabled(false);
  m_power->setToolTip(running ? LimitText(OperateFeature::PowerSwitch) : QString());
  for (QWidget* w : m_extraRows) w->setVisible(version >= OperateFeature::ExtraFrequencies);
  const QString extraLimit = running ? LimitText(OperateFeature::ExtraFrequencies) : QString();
  m_extraNote->setText(extraLimit.isEmpty() ? QString() : tr("XCVR Freq, Freq Count, Freq ATU: ") + extraLimit);
  m_extraNote->setVisible(!extraLimit.isEmpty());
  ApplyMemorizeRule();
}

// Why a control of a later firmware is off; empty when the tuner has it.
QString COperatePage::LimitText(unsigned short needed) const {
  const CTunerModel& model = GetModel();
  return model.McuVersion.Get() < needed ? model.FirmwareNeededText(needed) : QString();
}

void COperatePage::ApplyMemorizeRule() {
  const CTunerModel& model = GetModel();
  m_memorize->setEnabled(model.FirmwareStatus.Get() == FirmwareStatusRunning &&
                         model.McuVersion.Get() >= OperateFeature::Memorize &&
                         m_machine.Values().Frequency.Get() >= 1500);
  const QString limit = model.FirmwareStatus.Get() == FirmwareStatusRunning ? LimitText(OperateFeature::Memorize) : QString();
  m_memorize->setToolTip(limit.isEmpty() ? LoadString(Str::MemorizeTip) : limit);
}

void COperatePage::ShowNothingRead() {
  m_haveReadings = false;
  for (QButtonGroup* group : {m_modes, m_antennas}) Uncheck(*group);
  for (QCheckBox* box : {m_side, m_bypassed, m_attenuator, m_keyInterrupt, m_power}) box->setChecked(false);
  m_capacitors->Clear();
  m_inductors->Clear();
  for (QLabel* label : m_observed) label->clear();
  m_fault->setVisible(false);
}

void COperatePage::ShowAllValues() {
  for (CEventSource* value : m_machine.Values().All()) ShowValue(value->Message());
}

void COperatePage::ShowValue(unsigned message) {
  const COperateValues& v = m_machine.Values();
  switch (message) {
    case OperateMsg::Antenna:
      if (QAbstractButton* b = m_antennas->button(v.Antenna.Get())) b->setChecked(true);
      break;
    case OperateMsg::Mode: ShowMode(); break;
    case OperateMsg::Side: m_side->setChecked(v.Side.Get() == u'A'); break;
    case OperateMsg::Bypass: m_bypassed->setChecked(v.Bypass.Get() == u'B'); break;
    case OperateMsg::Attenuator: m_attenuator->setChecked(v.Attenuator.Get() != 0); break;
    case OperateMsg::KeyInterrupt: m_keyInterrupt->setChecked(v.KeyInterrupt.Get() != 0); break;
    case OperateMsg::PowerStatus: ShowPowerStatus(); break;
    case OperateMsg::Band:
      if (v.Band.Get() < kBandCount) ShowReading(RowBand, BandName(v.Band.Get()));
      break;
    case OperateMsg::Capacitor: m_capacitors->Show(v.Capacitor.Get()); break;
    case OperateMsg::Inductor: m_inductors->Show(v.Inductor.Get()); break;
    case OperateMsg::Fault: ShowFault(); break;
    case OperateMsg::ForwardVoltage: ShowReading(RowVfwd, QString::number(v.ForwardVoltage.Get())); break;
    case OperateMsg::ReflectedVoltage: ShowReading(RowVrfl, QString::number(v.ReflectedVoltage.Get())); break;
    case OperateMsg::Swr: ShowReading(RowSwr, SwrText(v.Swr.Get())); break;
    case OperateMsg::SwrBypass: ShowReading(RowSwrBypass, SwrText(v.SwrBypass.Get())); break;
    case OperateMsg::Frequency:
    case OperateMsg::FrequencyAtu:
    case OperateMsg::FrequencyCount:
    case OperateMsg::FrequencyXcvr: ShowFrequencies(); break;
    default: break;  // the tune status is not shown
  }
}

// The cycle that sent Memorize also read what the tuner stored.
void COperatePage::ConfirmMemorize() {
  if (m_memorizeSent || m_machine.MemorizeRequested) return;
  m_memorizeSent = true;
  const COperateValues& v = m_machine.Values();
  emit StatusMessage(tr("Memorized band %1, antenna %2: C %3 pF, L %4 nH")
                         .arg(BandName(v.Band.Get()))
                         .arg(v.Antenna.Get())
                         .arg(RelayValue(v.Capacitor.Get(), kCapacitorWeights))
                         .arg(RelayValue(v.Inductor.Get(), kInductorWeights)));
}

// The reading, and the accessible name that says what the number is: "SWR 1.15".
void COperatePage::ShowReading(int row, const QString& text) {
  m_observed[row]->setText(text);
  QString name = tr(kRowLabels[row]).trimmed();
  if (name.endsWith(u':')) name.chop(1);
  m_observed[row]->setAccessibleName(text.isEmpty() ? name : name + u' ' + text);
}

void COperatePage::ShowMode() {
  const QChar mode = m_machine.Values().Mode.Get();
  const int id = mode == u'A' ? 0 : (mode == u'M' || mode == u'U') ? 1 : mode == u'B' ? 2 : -1;
  if (id >= 0) {
    m_modes->button(id)->setChecked(true);
    return;
  }
  Uncheck(*m_modes);
}

void COperatePage::ShowPowerStatus() {
  COperateValues& v = m_machine.Values();
  m_power->setChecked(!v.IsAsleep());
  if (v.IsAsleep()) v.ShowAsleep();
}

void COperatePage::ShowFault() {
  const unsigned fault = m_machine.Values().Fault.Get();
  m_fault->setText(LoadString(FaultTextId(fault)));
  m_fault->setVisible(IsShownFault(fault));
}

void COperatePage::ShowFrequencies() {
  const COperateValues& v = m_machine.Values();
  ShowReading(RowFrequency, FrequencyText(v.Frequency.Get()));
  ShowReading(RowCount, FrequencyText(v.FrequencyCount.Get()));
  ShowReading(RowXcvr, FrequencyText(v.FrequencyXcvr.Get()));
  const unsigned low = v.FrequencyAtu.Get(0), high = v.FrequencyAtu.Get(1);
  ShowReading(RowAtu, low >= 1500 && high <= 54000 ? QString("%1-%2 kHz").arg(low).arg(high) : QString());
  ApplyMemorizeRule();
}
