#pragma once
// The Operate tab: watches and drives the tuner live. While shown it runs a
// poll cycle of its operate machine every OperatePollInterval milliseconds,
// mirrors the machine's observed values into its controls, and writes the
// user's changes into the requested parts.

#include <array>
#include <optional>

#include "machines/OperateStateMachine.h"
#include "machines/PollLoop.h"
#include "machines/ReadingsHistory.h"
#include "machines/ReadingsLog.h"
#include "model/ActiveMachineScope.h"
#include "model/Persistable.h"
#include "ui/HistoryChart.h"
#include "ui/Page.h"

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

  COperateStateMachine& Machine() { return m_machine; }
  unsigned long PollInterval() const { return m_poll.Interval(); }
  QAbstractButton& ModeButton(QChar mode);
  QAbstractButton& AntennaButton(unsigned antenna);
  QCheckBox& PowerBox() { return *m_power; }
  QPushButton& TuneButton() { return *m_tune; }
  QPushButton& MemorizeButton() { return *m_memorize; }
  QLabel& FaultLabel() { return *m_fault; }
  CRelayGroup& Capacitors() { return *m_capacitors; }
  CRelayGroup& Inductors() { return *m_inductors; }
  // The "Last Observed" value of a label text such as "Frequency: ".
  QLabel& Observed(const QString& label);
  bool IsExtraRowShown() const;
  QLabel& ExtraRowsNote() { return *m_extraNote; }
  CHistoryChart& Chart() { return *m_chart; }
  QComboBox& ChartWindowBox() { return *m_chartWindow; }
  const CReadingsHistory& History() const { return m_history; }

  // The readings log: a line per cycle appended to the file while it is on.
  // A file that cannot be opened or written is a message box, and logging
  // stops with what was written kept.
  bool StartReadingsLog(const QString& path);
  void StopReadingsLog();
  bool IsLoggingReadings() const { return m_readingsLog.IsOpen(); }

 signals:
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
