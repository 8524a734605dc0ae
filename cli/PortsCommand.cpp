// zu6400ctl ports: the serial ports of this computer, one a line, with what
// the system says they are and, for USB adapters, their stable name.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include "cli/CliContext.h"
#include "link/PortList.h"

int RunPorts(CCliContext& context, const QStringList&) {
  const QList<PortListEntry> ports = ListPorts();
  QTextStream out(stdout);
  if (context.Options().json) {
    QJsonArray list;
    for (const PortListEntry& p : ports)
      list.append(QJsonObject{{"device", p.device}, {"description", p.description}, {"by_id", p.byId}});
    out << QJsonDocument(list).toJson(QJsonDocument::Compact) << '\n';
    return 0;
  }
  for (const PortListEntry& p : ports) {
    QString line = p.device;
    if (!p.description.isEmpty()) line += QStringLiteral("  ") + p.description;
    if (!p.byId.isEmpty()) line += QStringLiteral("  ") + p.byId;
    out << line << '\n';
  }
  return 0;
}
