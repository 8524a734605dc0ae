#include "ui/shell/Help.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>

#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "machines/connection/TunerModel.h"
#include "ui/shell/Language.h"

namespace {
QPointer<QTextBrowser>& Viewer() {
  static QPointer<QTextBrowser> viewer;
  return viewer;
}

// A translated page sits in a folder named after its language; a page not
// translated yet is shown in English.
QString PagePath(const QString& file) {
  const QString translated = CHelp::Folder() + u'/' + CLanguage::Current() + u'/' + file;
  if (CLanguage::Current() != QLatin1String(CLanguage::kEnglish) && QFileInfo(translated).isFile()) return translated;
  return CHelp::Folder() + u'/' + file;
}
}  // namespace

// Beside the program in a build tree; under share/ when installed.
QString CHelp::Folder() {
  const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/help");
  const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/zu6400-utility/help");
  return QFileInfo(beside).isDir() || !QFileInfo(installed).isDir() ? beside : QDir(installed).canonicalPath();
}

bool CHelp::Show(const QString& topic) {
  const QString file = topic.section(u'#', 0, 0);
  const QString anchor = topic.section(u'#', 1);
  const QString path = PagePath(file);
  if (!QFileInfo(path).isFile()) {
    CloseWindow();
    GetModel().MessageBox(LoadString(Str::HelpError),
                          Format(QCoreApplication::translate("CHelp", "The help page \"%s\" could not be found. The program's help pages belong in \"%s\"."),
                                 file, Folder()),
                          BoxIcon::Warning);
    return false;
  }
  QPointer<QTextBrowser>& viewer = Viewer();
  // A modal dialog blocks every window but its own: help asked for from one
  // becomes that dialog's window, so that it can be read and scrolled.
  QWidget* modal = QApplication::activeModalWidget();
  if (!viewer.isNull() && viewer->parentWidget() != modal) CloseWindow();
  if (viewer.isNull()) {
    viewer = new QTextBrowser(modal);
    viewer->setWindowFlag(Qt::Window);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setOpenExternalLinks(true);
    viewer->setWindowTitle(Format(QCoreApplication::translate("CHelp", "%s Utility Help"), ModelName()));
    viewer->setAccessibleName(viewer->windowTitle());
    // A window of its own, but read like a dialog: Escape closes it.
    QObject::connect(new QShortcut(Qt::Key_Escape, viewer), &QShortcut::activated, viewer, &QWidget::close);
    viewer->resize(640, 560);
  }
  QUrl url = QUrl::fromLocalFile(path);
  if (!anchor.isEmpty()) url.setFragment(anchor);
  viewer->setSource(url);
  viewer->show();
  viewer->raise();
  viewer->activateWindow();
  return true;
}

QTextBrowser* CHelp::Window() { return Viewer().data(); }

void CHelp::CloseWindow() {
  if (!Viewer().isNull()) delete Viewer().data();
}
