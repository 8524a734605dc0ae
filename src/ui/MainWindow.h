#pragma once
// The program's one window: menus, the status bar and the tab view. It starts
// the model's work, keeps the title up to date, routes the activity log and
// unclaimed serial input to the page shown, shows the model's message boxes
// and persists its placement.

#include <QMainWindow>
#include <QTimer>
#include <QPointer>
#include <functional>

#include "base/ResultCodes.h"
#include "model/EventSubscriptions.h"
#include "model/LogLineFilter.h"
#include "model/ModelEvents.h"
#include "model/Persistable.h"
#include "ui/ReleaseInfoDialog.h"

class CFirmwarePage;
class CTabView;
class QAction;
class QLabel;
class QMenu;
class QSystemTrayIcon;

class CMainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // Shows one message box; tests replace it with a recorder.
  using BoxPresenter = std::function<void(QWidget* parent, BoxIcon icon, const QString& title, const QString& text)>;

  // portForThisRun: the simulated tuner's port, used instead of the saved port
  // and searched at every speed; the saved port and speed are kept.
  explicit CMainWindow(const QString& portForThisRun = {});
  ~CMainWindow() override;

  static void SetBoxPresenter(BoxPresenter presenter);

  CTabView& TabView() { return *m_tabView; }
  QAction& StatusBarAction() { return *m_statusBarAction; }
  QAction& TraceAction() { return *m_traceAction; }
  QAction& VerboseAction() { return *m_verboseAction; }
  QAction& ReadingsLogAction() { return *m_readingsLogAction; }
  QAction& SwrAlarmAction() { return *m_swrAlarmAction; }
  // What the status bar says of the readings log (empty while it is off).
  QString ReadingsLogStatus() const;
  // The size at first show: the largest page whole, as far as the screen allows.
  QSize InitialSize() const { return m_initialSize; }
  void ShowAbout();
  // Help > Firmware Release Notes.
  void ShowReleaseNotes();
  CReleaseInfoDialog* ReleaseNotes() const { return m_releaseNotes; }

 signals:
  // From the Port page: the program is to start again on the simulated tuner.
  void SimulatedTunerRequested();
  // From the Firmware page: this image is about to be sent to the tuner.
  void FirmwareLoadStarting(const QString& imagePath);

 protected:
  void customEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateMenus();
  void AddLanguageMenu(QMenu* view);
  void SelectStartPage();
  void Subscribe();
  void OnModelEvent(const CModelEvent& event);
  void UpdateTitle();
  void LogFirmwareStatus();
  void Log(const QString& text);
  void OnMachineFinished(ResultCode result);
  void OnPortChanged();
  // The search's progress, its result or its failure, where the user looks.
  void ShowConnectionStatus(const QString& text);
  bool IsSearching() const;
  void OnSearchStep();
  void OnNoAnswerYet();
  void ShowSearchStatus();
  void StopAdviceTimer();
  void EndSearch();
  // A load that starts while nothing answers: the search would take the
  // loader's replies, so it stops; the load's end contacts the tuner again.
  void OnLoadStarting();
  void OnLoadEnded();
  CFirmwarePage& FirmwarePage() const;
  void ShowBox(const CModelEvent& event);
  void ShowHelpForPage();
  void ConnectReadingsLog();
  void ToggleReadingsLog();
  // View > SWR Alarm...: the dialog, its choice handed to the Operate page.
  void EditSwrAlarm();
  // Said in the status bar and the log, and by the tray where there is one.
  void ShowAlarmChange(bool raised, double swr);
  QAction* AddSettingToggle(QMenu* menu, const QString& text, CPersistable<int, 1>& setting);
  void OnFirstShow();
  void Shutdown();

  CTabView* m_tabView = nullptr;
  QAction* m_statusBarAction = nullptr;
  QAction* m_traceAction = nullptr;
  QAction* m_verboseAction = nullptr;
  QAction* m_readingsLogAction = nullptr;
  QAction* m_swrAlarmAction = nullptr;
  QSystemTrayIcon* m_tray = nullptr;
  QLabel* m_readingsLogLabel = nullptr;
  CEventSubscriptions m_subscriptions;
  CLogLineFilter m_logFilter;
  // The activity log's last line, so that "Ready" is logged only as news.
  QString m_lastLogged;
  QTimer m_noAnswerTimer;
  // A search is under way; after a while without an answer it gives advice.
  bool m_searching = false;
  bool m_adviceShown = false;
  // A load runs that began while nothing answered.
  bool m_loadWithoutAnswer = false;
  QString m_titleBase;
  QSize m_initialSize;
  bool m_firstShowDone = false;
  bool m_shutDown = false;
  // Parentless, so it can stay beside the window; it deletes itself on close.
  QPointer<CReleaseInfoDialog> m_releaseNotes;
};
