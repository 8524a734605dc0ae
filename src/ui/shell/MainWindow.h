#pragma once
// The program's one window: menus, the status bar and the tab view. It starts
// the model's work, keeps the title up to date, routes the activity log and
// unclaimed serial input to the page shown, shows the model's message boxes
// and persists its placement.

#include <QMainWindow>
#include <QPointer>

#include "model/EventSubscriptions.h"
#include "model/LogLineFilter.h"
#include "model/ModelEvents.h"
#include "model/Persistable.h"
#include "ui/firmware/ReleaseInfoDialog.h"

class CConnectionStatus;
class CTabView;
class QAction;
class QLabel;
class QMenu;
class QSystemTrayIcon;

class CMainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // portForThisRun: the simulated tuner's port, used instead of the saved port
  // and searched at every speed; the saved port and speed are kept.
  explicit CMainWindow(const QString& portForThisRun = {});
  ~CMainWindow() override;

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
  void ShowAbout();
  // Help > Firmware Release Notes.
  void ShowReleaseNotes();
  void AddLanguageMenu(QMenu* view);
  void SelectStartPage();
  void Subscribe();
  void OnModelEvent(const CModelEvent& event);
  void UpdateTitle();
  void LogFirmwareStatus();
  void Log(const QString& text);
  void OnMachineFinished();
  void OnPortChanged();
  void ConnectConnectionStatus();
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
  QAction* m_readingsLogAction = nullptr;
  QSystemTrayIcon* m_tray = nullptr;
  QLabel* m_readingsLogLabel = nullptr;
  CEventSubscriptions m_subscriptions;
  CLogLineFilter m_logFilter;
  // The activity log's last line, so that "Ready" is logged only as news.
  QString m_lastLogged;
  CConnectionStatus* m_connection = nullptr;
  QString m_titleBase;
  bool m_firstShowDone = false;
  bool m_shutDown = false;
  // Parentless, so it can stay beside the window; it deletes itself on close.
  QPointer<CReleaseInfoDialog> m_releaseNotes;
};
