#include "link/PortAccessAdvice.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "base/TextFormat.h"

QString PortAccessAdvice(const QString& port) {
#ifdef Q_OS_WIN
  Q_UNUSED(port);
  return {};
#else
  const QFileInfo device(port);
  if (port.isEmpty() || !device.exists() || (device.isReadable() && device.isWritable())) return {};
  QString group = device.group();
  if (group.isEmpty()) group = QStringLiteral("dialout");
  return Format(
      QCoreApplication::translate(
          "PortAccessAdvice",
          "You do not have permission to use the serial port %s.\r\n"
          "Serial ports belong to the group \"%s\". Add your user to that group, for example with\r\n"
          "    sudo usermod -aG %s $USER\r\n"
          "then log out and log in again."),
      port, group, group);
#endif
}
