// zu6400-utility: the desktop program for the Corvanta ZU6400 tuner.

#include <QApplication>
#include <QIcon>

#include "app/UtilityProgram.h"
#include "base/ProgramVersion.h"
#include "ui/shell/MainWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("zu6400-utility"));
  QApplication::setApplicationVersion(CProgramVersion::Number());
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zu6400.xpm")));
  CUtilityProgram program(QApplication::arguments());
  if (!program.Start()) return 1;
  program.Window().show();
  return QApplication::exec();
}
