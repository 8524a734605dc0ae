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

QString ListWithOr(const QStringList& choices) {
  if (choices.size() < 2) return choices.join(QString());
  return choices.first(choices.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" or ") + choices.last();
}

QString CsvLine(QStringList fields) {
  for (QString& field : fields)
    if (field.contains(u',') || field.contains(u'"') || field.contains(u'\n') || field.contains(u'\r'))
      field = u'"' + field.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
  return fields.join(u',');
}
