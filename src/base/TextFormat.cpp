#include "base/TextFormat.h"

#include <QTime>

QString ChopLineEnds(QString text) {
  while (text.endsWith(u'\r') || text.endsWith(u'\n')) text.chop(1);
  return text;
}

QString LogTimeStamp() {
  const QTime now = QTime::currentTime();
  return Format("%02u:%02u:%02u ", now.hour(), now.minute(), now.second());
}
