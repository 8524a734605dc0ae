#include "ui/shell/MainWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QStatusBar>
#include <QSystemTrayIcon>

#include "base/ProgramVersion.h"
#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "engine/StateHostBase.h"
#include "firmware/FirmwareFolderScan.h"
#include "machines/connection/TunerModel.h"
#include "ui/shell/AboutDialog.h"
#include "ui/shell/Accessible.h"
#include "ui/connection/ConnectionStatus.h"
#include "ui/firmware/FirmwarePage.h"
#include "ui/shell/Help.h"
#include "ui/shell/Language.h"
#include "ui/operate/OperatePage.h"
#include "ui/shell/Page.h"
#include "ui/connection/PortPage.h"
#include "ui/operate/SwrAlarmDialog.h"
#include "ui/shell/TabView.h"
#include "ui/shell/UserPrompts.h"
#include "ui/shell/WindowPlacement.h"

namespace {

int Scaled(int size, int percent) { return (size * percent + 50) / 100; }
}  // namespace

CMainWindow::CMainWindow(const QString& portForThisRun) {
  // The status bar draws its message: a screen reader hears it as the bar's name.
  connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& text) { Announce(*statusBar(), text); });
  statusBar()->showMessage(LoadString(Str::Ready));
  CTunerModel& model = GetModel();
  model.SetNotifyWindow(this);
  model.LoadSettings();
  if (!portForThisRun.isEmpty()) {
    model.Run.port = portForThisRun;
    model.Run.fixedSpeed = 0;  // the simulated tuner keeps its own speed, whatever the saved one is
  }
  m_titleBase = CProgramVersion::VersionText();
  setWindowTitle(m_titleBase);
  CreateMenus();
  m_tabView = new CTabView(this);
  setCentralWidget(m_tabView);
  connect(m_tabView, &CTabView::HelpRequested, this, &CHelp::Show);
  connect(m_tabView, &CTabView::StatusMessage, this, [this](const QString& text) { statusBar()->showMessage(text); });
  connect(&m_tabView->PortPage(), &CPortPage::SimulatedTunerRequested, this, &CMainWindow::SimulatedTunerRequested);
  connect(&m_tabView->FirmwarePage(), &CFirmwarePage::FirmwareLoadStarting, this, &CMainWindow::FirmwareLoadStarting);
  ConnectConnectionStatus();
  SelectStartPage();
  ConnectReadingsLog();
  connect(&m_tabView->OperatePage(), &COperatePage::AlarmChanged, this, &CMainWindow::ShowAlarmChange);
  Subscribe();
  // The contact run's trace lines belong in the activity log.
  if (auto* contact = dynamic_cast<CStateHostBase*>(model.ContactMachine.get())) contact->SetStatusWindow(this);
  model.ContactMachine->StartAtOpenPort();
}

CMainWindow::~CMainWindow() { Shutdown(); }

// The Port page shows the whole status, the status bar its first line.
void CMainWindow::ConnectConnectionStatus() {
  m_connection = new CConnectionStatus(this);
  CFirmwarePage& firmware = m_tabView->FirmwarePage();
  connect(m_connection, &CConnectionStatus::Changed, &m_tabView->PortPage(), &CPortPage::ShowStatus);
  connect(m_connection, &CConnectionStatus::Summary, statusBar(), [this](const QString& line) {
    statusBar()->showMessage(line);
  });
  connect(m_connection, &CConnectionStatus::LoadWithoutAnswerOffered, &firmware, &CFirmwarePage::OfferLoadWithoutAnswer);
  connect(&firmware, &CFirmwarePage::FirmwareLoadStarting, m_connection, &CConnectionStatus::OnLoadStarting);
  connect(&firmware, &CFirmwarePage::FirmwareLoadEnded, m_connection, &CConnectionStatus::OnLoadEnded);
}

void CMainWindow::CreateMenus() {
  CTunerModel& model = GetModel();
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->addAction(tr("E&xit\tAlt F4"), this, &QWidget::close);

  QMenu* view = menuBar()->addMenu(tr("&View"));
  QAction* statusBarAction = view->addAction(tr("&Status Bar"), this, [this](bool on) { statusBar()->setVisible(on); });
  statusBarAction->setCheckable(true);
  statusBarAction->setChecked(true);
  AddSettingToggle(view, tr("&Trace"), model.Trace)->setObjectName("traceAction");
  AddSettingToggle(view, tr("&Verbose Logging"), model.VerboseLogging)->setObjectName("verboseAction");
  m_readingsLogAction = view->addAction(tr("Log &Readings to File..."), this, &CMainWindow::ToggleReadingsLog);
  m_readingsLogAction->setCheckable(true);
  view->addAction(tr("SWR &Alarm..."), this, &CMainWindow::EditSwrAlarm)->setObjectName("swrAlarmAction");
  AddLanguageMenu(view);

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->addAction(FormatString(Str::MenuHelp, ModelName()) + QStringLiteral("\tF1"), this, [] { CHelp::ShowContents(); });
  help->addAction(FormatString(Str::MenuReleaseNotes, ModelName()), this, &CMainWindow::ShowReleaseNotes)
      ->setObjectName("releaseNotesAction");
  help->addAction(FormatString(Str::MenuAbout, ModelName()), this, &CMainWindow::ShowAbout);
  // F1 asks for help on what the user is looking at: the page shown.
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, &CMainWindow::ShowHelpForPage);
}

// View > Language: the choice is saved and speaks from the next start on,
// when every window is made in it.
void CMainWindow::AddLanguageMenu(QMenu* view) {
  QMenu* menu = view->addMenu(tr("&Language"));
  auto* group = new QActionGroup(menu);
  const QString saved = CLanguage::Saved();
  for (const QString& language : QStringList{QString()} + CLanguage::Available()) {
    QAction* action = menu->addAction(language.isEmpty() ? tr("System Language") : CLanguage::NativeName(language));
    action->setCheckable(true);
    action->setChecked(language == saved);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [language] {
      if (language == CLanguage::Saved()) return;
      CLanguage::Save(language);
      GetModel().MessageBox(tr("Language"), tr("The language changes when the %1 Utility is started again.").arg(ModelName()),
                            BoxIcon::Information);
    });
  }
}

// A View menu item that turns a persisted setting on and off, with its check mark.
QAction* CMainWindow::AddSettingToggle(QMenu* menu, const QString& text, CPersistable<int, 1>& setting) {
  QAction* action = menu->addAction(text);
  action->setCheckable(true);
  action->setChecked(setting.Get() != 0);
  connect(action, &QAction::triggered, this, [action, &setting] {
    setting.Set(setting.Get() == 0 ? 1 : 0);
    action->setChecked(setting.Get() != 0);
  });
  return action;
}

// The menu item's check and the status bar follow the Operate page's log.
void CMainWindow::ConnectReadingsLog() {
  m_readingsLogLabel = new QLabel(this);
  statusBar()->addPermanentWidget(m_readingsLogLabel);
  COperatePage* page = &m_tabView->OperatePage();
  connect(page, &COperatePage::ReadingsLogChanged, this, [this](const QString& path) {
    m_readingsLogAction->setChecked(!path.isEmpty());
    m_readingsLogLabel->setText(path.isEmpty() ? QString()
                                               : FormatString(Str::ReadingsLogStatus, QDir::toNativeSeparators(path)));
  });
}

// On: a file chosen (appended to when it exists); off: logging stops.
void CMainWindow::ToggleReadingsLog() {
  COperatePage* page = &m_tabView->OperatePage();
  m_readingsLogAction->setChecked(page->IsLoggingReadings());  // until the page says otherwise
  if (page->IsLoggingReadings()) return page->StopReadingsLog();
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString name = ModelName() + QStringLiteral(" readings ") + QDate::currentDate().toString(Qt::ISODate) + ".csv";
  const QString path = QFileDialog::getSaveFileName(this, LoadString(Str::ReadingsLogTitle), QDir(folder).filePath(name),
                                                    tr("CSV files (*.csv);;All files (*)"), nullptr,
                                                    QFileDialog::DontConfirmOverwrite);
  if (!path.isEmpty()) page->StartReadingsLog(path);
}

void CMainWindow::EditSwrAlarm() {
  COperatePage* page = &m_tabView->OperatePage();
  CSwrAlarmDialog dialog(page->Alarm().Settings(), this);
  if (dialog.exec() == QDialog::Accepted) page->SetAlarm(dialog.Settings());
}

void CMainWindow::ShowAlarmChange(bool raised, double swr) {
  const SwrAlarmSettings& alarm = m_tabView->OperatePage().Alarm().Settings();
  const QString text =
      (raised ? tr("SWR alarm: the SWR stayed above %1 for %2 s (SWR %3)")
              : tr("SWR alarm cleared: the SWR stayed at or below %1 for %2 s (SWR %3)"))
          .arg(QLocale().toString(alarm.swr), QLocale().toString(alarm.seconds), QLocale().toString(swr, 'f', 2));
  statusBar()->showMessage(text);
  GetModel().LogText(text);
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
  if (m_tray == nullptr) m_tray = new QSystemTrayIcon(windowIcon(), this);
  m_tray->show();
  m_tray->showMessage(tr("SWR Alarm"), text, raised ? QSystemTrayIcon::Warning : QSystemTrayIcon::Information);
}

// Without a port to use (none saved, or its adapter absent) the Port page comes first.
void CMainWindow::SelectStartPage() {
  CTunerModel& model = GetModel();
  int page = CTabView::kPortTab;
  if (!model.Run.port.isEmpty() && CPortPage::IsPresent(model.Run.port)) {
    page = model.ActivePage.Get();
    if (page < 0 || page >= m_tabView->count()) page = CTabView::kPortTab;
  }
  m_tabView->setCurrentIndex(page);
}

void CMainWindow::Subscribe() {
  CTunerModel& model = GetModel();
  m_subscriptions.SubscribeAndNotify(this, model.FirmwareStatus);
  m_subscriptions.Subscribe(this, model.MachineFinished);
  m_subscriptions.SubscribeAndNotify(this, model.SerialNumber);
  m_subscriptions.Subscribe(this, model.Port);
  m_subscriptions.Subscribe(this, model.SerialSpeed);
  // The title says whether the port is closed, so it follows the port state too.
  m_subscriptions.Subscribe(this, model.PortState);
}

void CMainWindow::customEvent(QEvent* event) {
  if (event->type() == CModelEvent::EventType()) OnModelEvent(*static_cast<CModelEvent*>(event));
}

void CMainWindow::OnModelEvent(const CModelEvent& event) {
  switch (event.Message) {
    case Msg::LogText:
      if (m_logFilter.ShowLogText(event.Text)) Log(event.Text);
      break;
    case Msg::StateText:
      if (m_logFilter.ShowStateText(event.Text, GetModel().Trace.Get() != 0)) Log(event.Text);
      break;
    case Msg::MessageBox: ShowBox(event); break;
    case Msg::CommEvent:
      if (m_tabView != nullptr && m_tabView->CurrentPage() != nullptr) m_tabView->CurrentPage()->OnCommEvent();
      break;
    case Msg::MachineFinished: OnMachineFinished(); break;
    case Msg::FirmwareStatus:
      UpdateTitle();
      LogFirmwareStatus();
      break;
    case Msg::Port: OnPortChanged(); break;
    case Msg::SerialSpeed:
    case Msg::PortState:
    case Msg::SerialNumber: UpdateTitle(); break;
    default: break;
  }
}

void CMainWindow::UpdateTitle() {
  CTunerModel& model = GetModel();
  QString title = m_titleBase;
  if (model.SerialNumber.Get() < 0xFFFF) title += FormatString(Str::TitleSerialNumber, model.SerialNumber.Get());
  const QString& port = model.Run.port;
  if (!port.isEmpty())
    title += model.IsPortOpen() ? FormatString(Str::TitlePortSpeed, port, model.GetBitRate())
                                : FormatString(Str::TitlePortClosed, port);
  setWindowTitle(title);
}

void CMainWindow::LogFirmwareStatus() {
  CTunerModel& model = GetModel();
  switch (model.FirmwareStatus.Get()) {
    case FirmwareStatusLoader: model.LogText(model.GetLoaderStatusText()); break;
    case FirmwareStatusRunning: model.LogText(model.GetStatusText()); break;
    default:
      model.LogText(model.IsPortOpen() ? FormatString(Str::NotResponding, ModelName())
                                       : FormatString(Str::SerialPortClosed, model.Run.port));
      break;
  }
}

// The activity log is the Firmware page's; it keeps every line, whichever page is shown.
void CMainWindow::Log(const QString& text) {
  m_lastLogged = text;
  if (m_tabView != nullptr) m_tabView->FirmwarePage().OnPageLog(text);
}

// Every poll of the Operate page ends a machine: only a change is news.
void CMainWindow::OnMachineFinished() {
  if (m_lastLogged != LoadString(Str::Ready)) GetModel().LogText(LoadString(Str::Ready));
}

void CMainWindow::OnPortChanged() {
  CTunerModel& model = GetModel();
  UpdateTitle();
  model.ClosePort();
  if (!model.Run.port.isEmpty()) model.ContactMachine->StartAtOpenPort();
}

void CMainWindow::ShowBox(const CModelEvent& event) {
  QWidget* parent = QApplication::activeModalWidget();
  CUserPrompts::Current().ShowMessage(parent != nullptr ? parent : this, static_cast<BoxIcon>(event.Param), event.Title,
                                      event.Text);
}

void CMainWindow::ShowHelpForPage() {
  if (m_tabView != nullptr && m_tabView->CurrentPage() != nullptr) m_tabView->CurrentPage()->RequestHelp();
}

void CMainWindow::ShowAbout() {
  CAboutDialog about(this);
  about.exec();
}

void CMainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!m_firstShowDone) OnFirstShow();
}

// The first size shows the largest page whole where the screen allows it;
// the smallest is what the Port page needs, the other pages scroll.
void CMainWindow::OnFirstShow() {
  m_firstShowDone = true;
  const QSize tabs = m_tabView->sizeHint();
  const QSize chrome = size() - m_tabView->size();  // menu and status bar
  const QSize frame = frameGeometry().size() - size();
  const QSize screenRoom = screen() != nullptr ? screen()->availableGeometry().size() - frame : tabs + chrome;
  const QSize portPage = m_tabView->PortPage().minimumSizeHint() + m_tabView->PageFrame() + chrome;
  setMinimumSize(portPage.boundedTo(screenRoom));
  const QSize initialSize = (QSize(Scaled(tabs.width(), 105), Scaled(tabs.height(), 109)) + QSize(0, chrome.height()))
                                .boundedTo(screenRoom)
                                .expandedTo(minimumSize());
  CWindowPlacement placement;
  if (placement.Read(GetModel().AppInfo.Settings())) {
    placement.ApplyTo(*this);
    return;
  }
  resize(initialSize);
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

void CMainWindow::closeEvent(QCloseEvent* event) {
  Shutdown();
  event->accept();
}

// Closing: the selected tab is remembered, the pages go (and stop listening),
// the port closes, and settings and placement are saved.
void CMainWindow::Shutdown() {
  if (m_shutDown) return;
  m_shutDown = true;
  CTunerModel& model = GetModel();
  delete m_releaseNotes;
  m_subscriptions.UnsubscribeAll();
  delete m_connection;
  model.ActivePage.Set(m_tabView->currentIndex());
  delete m_tabView;
  m_tabView = nullptr;
  model.ClosePort();
  model.SaveSettings();
  if (m_firstShowDone) CWindowPlacement::Of(*this).Write(model.AppInfo.Settings());
  if (model.NotifyWindow == this) model.SetNotifyWindow(nullptr);
  CHelp::CloseWindow();
}

// At most one notes window: a new one replaces the one open. A missing or
// unreadable file gives a box and no window.
void CMainWindow::ShowReleaseNotes() {
  CTunerModel& model = GetModel();
  const QString path = CReleaseInfoDialog::NotesPath(model.Run.firmwareFolder);
  auto* dialog = new CReleaseInfoDialog;
  if (!dialog->Load(path)) {
    delete dialog;
    const QString shown = path.isEmpty() ? FirmwareFolderScan::ReleaseNotesName() : path;
    model.MessageBox(LoadString(Str::ReleaseNotesErrorTitle), FormatString(Str::ReleaseNotesOpenFailed, shown),
                     BoxIcon::Error);
    return;
  }
  delete m_releaseNotes;
  m_releaseNotes = dialog;
  dialog->show();
}
