#include "ui/Help.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "machines/TunerModel.h"

namespace {
QString& FolderOverride() {
  static QString folder;
  return folder;
}

QPointer<QTextBrowser>& Viewer() {
  static QPointer<QTextBrowser> viewer;
  return viewer;
}
}  // namespace

// Beside the program in a build tree; under share/ when installed.
QString CHelp::Folder() {
  const QString& folder = FolderOverride();
  if (!folder.isEmpty()) return folder;
  const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/help");
  const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/zu6400-utility/help");
  return QFileInfo(beside).isDir() || !QFileInfo(installed).isDir() ? beside : QDir(installed).canonicalPath();
}

void CHelp::SetFolder(const QString& folder) { FolderOverride() = folder; }

bool CHelp::Show(const QString& topic) {
  const QString file = topic.section(u'#', 0, 0);
  const QString anchor = topic.section(u'#', 1);
  const QString path = Folder() + u'/' + file;
  if (!QFileInfo(path).isFile()) {
    CloseWindow();
    GetModel().MessageBox(LoadString(Str::HelpError),
                          Format("The help page \"%s\" could not be found. The program's help pages belong in \"%s\".",
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
    viewer->setWindowTitle(Format("%s Utility Help", ModelName()));
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
