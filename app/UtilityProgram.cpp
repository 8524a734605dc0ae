#include "app/UtilityProgram.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextStream>

#include "base/ProgramVersion.h"
#include "machines/connection/TunerModel.h"
#include "sim/SimulatorThread.h"
#include "ui/shell/Help.h"
#include "ui/shell/Language.h"
#include "ui/shell/MainWindow.h"

CUtilityProgram::CUtilityProgram(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Utility for the Corvanta ZU6400 automatic antenna tuner"));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption({QStringLiteral("simulate"), QStringLiteral("Connect to a simulated ZU6400 for this run.")});
  parser.addOption({QStringLiteral("lang"),
                    QStringLiteral("The language of this run (%1); the saved choice or the system's otherwise.")
                        .arg(CLanguage::Available().join(QStringLiteral(", "))),
                    QStringLiteral("LANGUAGE")});
  parser.process(arguments);
  m_simulate = parser.isSet(QStringLiteral("simulate"));
  m_language = parser.value(QStringLiteral("lang"));
}

CUtilityProgram::~CUtilityProgram() {
  m_window.reset();
  ReleaseModel();  // closes the port before the simulated tuner goes
  m_simulator.reset();
  CLanguage::Uninstall();
}

// Before any window: every text is translated as it is made.
void CUtilityProgram::InstallLanguage() {
  if (!m_language.isEmpty() && !CLanguage::Available().contains(m_language))
    QTextStream(stderr) << "zu6400-utility: --lang " << m_language << " is not a language of this program ("
                        << CLanguage::Available().join(QStringLiteral(", ")) << ")" << Qt::endl;
  CLanguage::Install(CLanguage::Choose(m_language.isEmpty() ? CLanguage::Saved() : m_language));
}

bool CUtilityProgram::Start() {
  InstallLanguage();
  QString port;
  if (m_simulate) {
    m_simulator = std::make_unique<CSimulatorThread>(SimOptions::Newest());
    if (!m_simulator->Start()) {
      QMessageBox::critical(nullptr, CProgramVersion::Description(),
                            QCoreApplication::translate("CUtilityProgram", "The simulated tuner could not be started: "
                                                                           "the system gave no pseudo-terminal."));
      return false;
    }
    port = m_simulator->SlavePath();
  }
  // Said where someone can read it: the program runs on without help.
  if (!QFileInfo::exists(CHelp::Folder() + u'/' + QLatin1String(CHelp::kContents)))
    QTextStream(stderr) << "zu6400-utility: the help pages were not found in " << CHelp::Folder() << Qt::endl;
  m_window = std::make_unique<CMainWindow>(port);
  // Queued: the window is not to be deleted inside its own button's click.
  QObject::connect(m_window.get(), &CMainWindow::SimulatedTunerRequested, qApp, [this] { RestartOnSimulatedTuner(); },
                   Qt::QueuedConnection);
  // The simulated tuner comes back from a load with the version in the image's name.
  QObject::connect(m_window.get(), &CMainWindow::FirmwareLoadStarting, qApp, [this](const QString& path) {
    if (m_simulator) m_simulator->Tuner().Loader().NameImage(path);
  });
  return true;
}

void CUtilityProgram::RestartOnSimulatedTuner() {
  m_window.reset();
  ReleaseModel();
  m_simulate = true;
  if (Start())
    m_window->show();
  else
    QApplication::quit();  // the box has said why
}
