#include "ui/MainWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <utility>

#include "base/FailureText.h"
#include "base/ProgramVersion.h"
#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "base/TimeScale.h"
#include "link/PortAccessAdvice.h"
#include "link/Rfc2217Port.h"
#include "engine/StateHostBase.h"
#include "firmware/FirmwareFolderScan.h"
#include "machines/TunerModel.h"
#include "ui/AboutDialog.h"
#include "ui/Accessible.h"
#include "ui/FirmwarePage.h"
#include "ui/Help.h"
#include "ui/Language.h"
#include "ui/OperatePage.h"
#include "ui/Page.h"
#include "ui/PortPage.h"
#include "ui/SwrAlarmDialog.h"
#include "ui/TabView.h"
#include "ui/WindowPlacement.h"

namespace {

// Boxes often come from inside serial input or a machine's timer. The box is
// opened modal and returns at once, without a nested event loop, so that the
// machine that asked for it finishes its step before anything else runs.
void OpenMessageBox(QWidget* parent, BoxIcon icon, const QString& title, const QString& text) {
  static const QMessageBox::Icon icons[] = {QMessageBox::Information, QMessageBox::Warning, QMessageBox::Critical};
  auto* box = new QMessageBox(icons[static_cast<int>(icon)], title, text, QMessageBox::Ok, parent);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::ApplicationModal);
  box->open();
}

CMainWindow::BoxPresenter& Presenter() {
  static CMainWindow::BoxPresenter presenter = OpenMessageBox;
  return presenter;
}

// How long a search goes unanswered before the Port page gives advice.
constexpr unsigned kNoAnswerMs = 10000;

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
    m_portOverridden = true;
    m_savedPort = model.Port.Get();
    model.Port.Set(portForThisRun);
  }
  m_titleBase = CProgramVersion::VersionText();
  setWindowTitle(m_titleBase);
  CreateMenus();
  m_tabView = new CTabView(this);
  setCentralWidget(m_tabView);
  connect(m_tabView, &CTabView::HelpRequested, this, &CHelp::Show);
  connect(m_tabView, &CTabView::StatusMessage, this, [this](const QString& text) { statusBar()->showMessage(text); });
  connect(static_cast<CPortPage*>(m_tabView->Page(CTabView::kPortPage)), &CPortPage::SimulatedTunerRequested, this,
          &CMainWindow::SimulatedTunerRequested);
  connect(&FirmwarePage(), &CFirmwarePage::FirmwareLoadStarting, this, &CMainWindow::OnLoadStarting);
  connect(&FirmwarePage(), &CFirmwarePage::FirmwareLoadStarting, this, &CMainWindow::FirmwareLoadStarting);
  connect(&FirmwarePage(), &CFirmwarePage::FirmwareLoadEnded, this, &CMainWindow::OnLoadEnded);
  SelectStartPage();
  ConnectReadingsLog();
  connect(m_tabView->findChild<COperatePage*>(), &COperatePage::AlarmChanged, this, &CMainWindow::ShowAlarmChange);
  Subscribe();
  m_noAnswerTimer.setSingleShot(true);
  connect(&m_noAnswerTimer, &QTimer::timeout, this, &CMainWindow::OnNoAnswerYet);
  // The contact run's trace lines belong in the activity log.
  if (auto* contact = dynamic_cast<CStateHostBase*>(model.ContactMachine.get())) contact->SetStatusWindow(this);
  model.ContactMachine->StartAtOpenPort();
}

CMainWindow::~CMainWindow() { Shutdown(); }

void CMainWindow::SetBoxPresenter(BoxPresenter presenter) {
  Presenter() = presenter ? std::move(presenter) : BoxPresenter(OpenMessageBox);
}

void CMainWindow::CreateMenus() {
  CTunerModel& model = GetModel();
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->addAction(tr("E&xit\tAlt F4"), this, &QWidget::close);

  QMenu* view = menuBar()->addMenu(tr("&View"));
  m_statusBarAction = view->addAction(tr("&Status Bar"), this, [this](bool on) { statusBar()->setVisible(on); });
  m_statusBarAction->setCheckable(true);
  m_statusBarAction->setChecked(true);
  m_traceAction = AddSettingToggle(view, tr("&Trace"), model.Trace);
  m_verboseAction = AddSettingToggle(view, tr("&Verbose Logging"), model.VerboseLogging);
  m_readingsLogAction = view->addAction(tr("Log &Readings to File..."), this, &CMainWindow::ToggleReadingsLog);
  m_readingsLogAction->setCheckable(true);
  m_swrAlarmAction = view->addAction(tr("SWR &Alarm..."), this, &CMainWindow::EditSwrAlarm);
  AddLanguageMenu(view);

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->addAction(FormatString(Str::MenuHelp, ModelName()) + QStringLiteral("\tF1"), this, [] { CHelp::ShowContents(); });
  help->addAction(FormatString(Str::MenuReleaseNotes, ModelName()), this, &CMainWindow::ShowReleaseNotes);
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
  auto* page = m_tabView->findChild<COperatePage*>();
  connect(page, &COperatePage::ReadingsLogChanged, this, [this](const QString& path) {
    m_readingsLogAction->setChecked(!path.isEmpty());
    m_readingsLogLabel->setText(path.isEmpty() ? QString()
                                               : FormatString(Str::ReadingsLogStatus, QDir::toNativeSeparators(path)));
  });
}

// On: a file chosen (appended to when it exists); off: logging stops.
void CMainWindow::ToggleReadingsLog() {
  auto* page = m_tabView->findChild<COperatePage*>();
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
  auto* page = m_tabView->findChild<COperatePage*>();
  CSwrAlarmDialog dialog(page->Alarm().Settings(), this);
  if (dialog.exec() == QDialog::Accepted) page->SetAlarm(dialog.Settings());
}

void CMainWindow::ShowAlarmChange(bool raised, double swr) {
  const SwrAlarmSettings& alarm = m_tabView->findChild<COperatePage*>()->Alarm().Settings();
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

QString CMainWindow::ReadingsLogStatus() const { return m_readingsLogLabel->text(); }

// Without a port to use (none saved, or its adapter absent) the Port page comes first.
void CMainWindow::SelectStartPage() {
  CTunerModel& model = GetModel();
  int page = CTabView::kPortPage;
  if (!model.Port.Get().isEmpty() && CPortPage::IsPresent(model.Port.Get())) {
    page = model.ActivePage.Get();
    if (page < 0 || page >= m_tabView->count()) page = CTabView::kPortPage;
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
    case Msg::MachineFinished: OnMachineFinished(static_cast<ResultCode>(event.Param)); break;
    case Msg::FirmwareStatus:
      UpdateTitle();
      LogFirmwareStatus();
      if (GetModel().FirmwareStatus.Get() != FirmwareStatusNone) {
        EndSearch();
        ShowConnectionStatus(GetModel().GetShortStatusText());
      }
      break;
    case Msg::Port: OnPortChanged(); break;
    case Msg::SerialSpeed:
      UpdateTitle();
      OnSearchStep();
      break;
    case Msg::PortState:
      UpdateTitle();
      if (GetModel().IsPortOpen() || GetModel().Port.Get().isEmpty()) break;
      // What the page said of the open port holds no more.
      EndSearch();
      ShowConnectionStatus(QString());
      statusBar()->showMessage(FormatString(Str::SerialPortClosed, GetModel().Port.Get()));
      break;
    case Msg::SerialNumber: UpdateTitle(); break;
    default: break;
  }
}

void CMainWindow::UpdateTitle() {
  CTunerModel& model = GetModel();
  QString title = m_titleBase;
  if (model.SerialNumber.Get() < 0xFFFF) title += FormatString(Str::TitleSerialNumber, model.SerialNumber.Get());
  const QString& port = model.Port.Get();
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
                                       : FormatString(Str::SerialPortClosed, model.Port.Get()));
      break;
  }
}

// The activity log is the Firmware page's; it keeps every line, whichever page is shown.
void CMainWindow::Log(const QString& text) {
  m_lastLogged = text;
  if (m_tabView != nullptr) FirmwarePage().OnPageLog(text);
}

void CMainWindow::OnMachineFinished(ResultCode result) {
  CTunerModel& model = GetModel();
  // Every poll of the Operate page ends a machine: only a change is news.
  if (m_lastLogged != LoadString(Str::Ready)) model.LogText(LoadString(Str::Ready));
  QString advice = PortAccessAdvice(model.Port.Get());
  if (!advice.isEmpty()) advice += QStringLiteral("\r\nThen press Test Communications.");
  if (IsFailure(result) && !model.IsPortOpen() && !model.Port.Get().isEmpty()) {
    EndSearch();
    // A network port's failure names the address and what the network said.
    QString text = CRfc2217Port::IsNetworkName(model.Port.Get())
                       ? model.Channel->FailureText(result)
                       : FailureText(IoOperation::Open, model.Port.Get(), result);
    if (!advice.isEmpty()) text += QStringLiteral("\n") + advice;
    ShowConnectionStatus(text);
  }
  // The contact run has logged the advice already.
  if (result == Result::AccessDenied && !advice.isEmpty())
    model.MessageBox(LoadString(Str::ComPortErrorTitle), advice, BoxIcon::Warning);
}

void CMainWindow::OnPortChanged() {
  CTunerModel& model = GetModel();
  // The user chose a port of his own: that one is saved.
  m_portOverridden = false;
  UpdateTitle();
  model.ClosePort();
  if (!model.Port.Get().isEmpty()) model.ContactMachine->StartAtOpenPort();
}

void CMainWindow::ShowConnectionStatus(const QString& text) {
  statusBar()->showMessage(text.section(u'\n', 0, 0).remove(u'\r'));
  if (m_tabView != nullptr) static_cast<CPortPage*>(m_tabView->Page(CTabView::kPortPage))->ShowStatus(text);
}

bool CMainWindow::IsSearching() const {
  const CTunerModel& model = GetModel();
  return model.IsPortOpen() && model.FirmwareStatus.Get() == FirmwareStatusNone && !model.ContactMachine->IsIdle();
}

// Each speed the search tries is shown as it changes; the advice, once due,
// stays below it while the search goes on.
void CMainWindow::OnSearchStep() {
  if (!IsSearching()) return;
  if (!m_searching) {
    m_searching = true;
    m_noAnswerTimer.start(static_cast<int>(CTimeScale::RealMs(kNoAnswerMs)));
  }
  ShowSearchStatus();
}

void CMainWindow::OnNoAnswerYet() {
  if (!IsSearching()) return;
  m_adviceShown = true;
  ShowSearchStatus();
  FirmwarePage().OfferLoadWithoutAnswer(true);
}

void CMainWindow::ShowSearchStatus() {
  const CTunerModel& model = GetModel();
  QString text = Format(tr("Looking for %s on %s at %u bit/s"), ModelName(), model.Port.Get(), model.GetBitRate());
  if (m_adviceShown) text += u'\n' + tr("No answer yet. ") + model.NoAnswerText();
  ShowConnectionStatus(text);
}

void CMainWindow::StopAdviceTimer() {
  m_noAnswerTimer.stop();
  m_searching = false;
  m_adviceShown = false;
}

// The tuner answered or the port closed: what nothing answering allowed ends.
void CMainWindow::EndSearch() {
  StopAdviceTimer();
  if (m_tabView != nullptr) FirmwarePage().OfferLoadWithoutAnswer(false);
}

// The offer stays: after a failed load the owner switches the tuner off and
// on and sends again.
void CMainWindow::OnLoadStarting() {
  if (!IsSearching()) return;
  m_loadWithoutAnswer = true;
  StopAdviceTimer();
  GetModel().ContactMachine->Abandon();
}

// A good load has found the tuner again. Otherwise sending again is what
// helps, from a loader left waiting or after the tuner's power cycle.
void CMainWindow::OnLoadEnded() {
  if (!std::exchange(m_loadWithoutAnswer, false)) return;
  const CTunerModel& model = GetModel();
  if (!model.IsPortOpen() || model.FirmwareStatus.Get() == FirmwareStatusRunning) return;
  FirmwarePage().OfferLoadWithoutAnswer(true);
  if (model.FirmwareStatus.Get() == FirmwareStatusNone)
    ShowConnectionStatus(FormatString(Str::LoaderNotRecovered, ModelName()));
}

CFirmwarePage& CMainWindow::FirmwarePage() const {
  return *static_cast<CFirmwarePage*>(m_tabView->Page(m_tabView->FirmwarePageIndex()));
}

void CMainWindow::ShowBox(const CModelEvent& event) {
  QWidget* parent = QApplication::activeModalWidget();
  Presenter()(parent != nullptr ? parent : this, static_cast<BoxIcon>(event.Param), event.Title, event.Text);
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
  const QSize portPage = m_tabView->Page(CTabView::kPortPage)->minimumSizeHint() + m_tabView->PageFrame() + chrome;
  setMinimumSize(portPage.boundedTo(screenRoom));
  m_initialSize = (QSize(Scaled(tabs.width(), 105), Scaled(tabs.height(), 109)) + QSize(0, chrome.height()))
                      .boundedTo(screenRoom)
                      .expandedTo(minimumSize());
  CWindowPlacement placement;
  if (placement.Read(GetModel().AppInfo.Settings())) {
    placement.ApplyTo(*this);
    return;
  }
  resize(m_initialSize);
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
  model.ActivePage.Set(m_tabView->currentIndex());
  delete m_tabView;
  m_tabView = nullptr;
  model.ClosePort();
  if (m_portOverridden) model.Port.Set(m_savedPort);
  model.SaveSettings();
  if (m_firstShowDone) CWindowPlacement::Of(*this).Write(model.AppInfo.Settings());
  if (model.NotifyWindow == this) model.SetNotifyWindow(nullptr);
  CHelp::CloseWindow();
}

// At most one notes window: a new one replaces the one open. A missing or
// unreadable file gives a box and no window.
void CMainWindow::ShowReleaseNotes() {
  CTunerModel& model = GetModel();
  const QString path = CReleaseInfoDialog::NotesPath(model.FirmwareFolder.Get());
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
