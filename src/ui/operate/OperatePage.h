#pragma once
// The Operate tab: watches and drives the tuner live. While shown it runs a
// poll cycle of its operate machine every OperatePollInterval milliseconds,
// mirrors the machine's observed values into its controls, and writes the
// user's changes into the requested parts.

#include <array>
#include <optional>

#include "machines/operate/OperateStateMachine.h"
#include "machines/operate/PollLoop.h"
#include "machines/operate/ReadingsHistory.h"
#include "machines/operate/ReadingsLog.h"
#include "machines/operate/SwrAlarm.h"
#include "model/ActiveMachineScope.h"
#include "model/Persistable.h"
#include "ui/operate/HistoryChart.h"
#include "ui/shell/Page.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class CRelayGroup;

class COperatePage : public CPage {
  Q_OBJECT
 public:
  explicit COperatePage(QWidget* parent = nullptr);

  // Starts a cycle now, or as soon as the running one ends; never two at once.
  void StartCycle();

  // The readings log: a line per cycle appended to the file while it is on.
  // A file that cannot be opened or written is a message box, and logging
  // stops with what was written kept.
  bool StartReadingsLog(const QString& path);
  void StopReadingsLog();
  bool IsLoggingReadings() const { return m_readingsLog.IsOpen(); }

  // The SWR alarm over the cycles this page polls: saved (AlarmSwr,
  // AlarmSeconds) and in force from now on, cleared.
  void SetAlarm(const SwrAlarmSettings& settings);
  const CSwrAlarm& Alarm() const { return m_alarm; }

 signals:
  // The alarm was raised or cleared at a reading of this SWR.
  void AlarmChanged(bool raised, double swr);
  // The file logged to now, empty when logging stopped.
  void ReadingsLogChanged(const QString& path);

 protected:
  void OnShown() override;
  void OnHidden() override;
  void OnModelEvent(const CModelEvent& event) override;

 private:
  QWidget* BuildSettings();
  QWidget* BuildObserved();
  QWidget* BuildHistory();
  void OnCycleEnded(ResultCode result, const COperateValues& values);
  void LoadAlarm();
  void LogReadings(const QString& line);
  void MarkPause();
  void ConnectActions();
  template <class V, class X>
  void RequestNow(V& value, X wanted);
  void ApplyEnablingRules();
  void ApplyMemorizeRule();
  QString LimitText(unsigned short needed) const;
  void ConfirmMemorize();
  void ShowValue(unsigned message);
  void ShowReading(int row, const QString& text);
  // Until a cycle has read the tuner the controls show nothing but what changed.
  void ShowNothingRead();
  void ShowAllValues();
  void ShowMode();
  void ShowPowerStatus();
  void ShowFault();
  void ShowFrequencies();

  COperateStateMachine m_machine;
  // The machine is the model's active one while the page is shown.
  std::optional<CActiveMachineScope> m_active;
  CPollLoop m_poll{m_machine};
  CPersistable<unsigned long, 1> m_chartMinutes{"OperateHistoryMinutes", 0, CHistoryChart::kDefaultWindowMinutes};
  CReadingsHistory m_history;
  CReadingsFile m_readingsLog;
  // Kept as text: "2.5"; an empty threshold is no alarm.
  CPersistable<QString, 1> m_alarmSwr{"AlarmSwr"};
  CPersistable<QString, 1> m_alarmSeconds{"AlarmSeconds"};
  CSwrAlarm m_alarm;

  QButtonGroup* m_modes;
  QButtonGroup* m_antennas;
  QCheckBox* m_side;
  QCheckBox* m_bypassed;
  QCheckBox* m_attenuator;
  QCheckBox* m_keyInterrupt;
  QCheckBox* m_power;
  QPushButton* m_tune;
  QLabel* m_fault;
  QPushButton* m_memorize;
  CRelayGroup* m_capacitors;
  CRelayGroup* m_inductors;
  std::array<QLabel*, 9> m_observed{};
  std::array<QWidget*, 6> m_extraRows{};
  QLabel* m_extraNote = nullptr;
  // A cycle has read the tuner since it was found.
  bool m_haveReadings = false;
  // Hidden while a cycle was under way: its end marks the pause.
  bool m_pausePending = false;
  // Set once the memorize the user asked for has been confirmed.
  bool m_memorizeSent = true;
  CHistoryChart* m_chart;
  QComboBox* m_chartWindow;
};
