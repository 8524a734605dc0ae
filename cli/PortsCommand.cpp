// zu6400ctl ports: the serial ports of this computer, one a line, with what
// the system says they are and, for USB adapters, their stable name.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "base/Printout.h"
#include "cli/CliContext.h"
#include "link/PortList.h"

int RunPorts(CCliContext& context, const QStringList&) {
  const QList<PortListEntry> ports = ListPorts();
  if (context.Options().json) {
    QJsonArray list;
    for (const PortListEntry& p : ports)
      list.append(QJsonObject{{"device", p.device}, {"description", p.description}, {"by_id", p.byId}});
    PrintOut(QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact)) + u'\n');
    return 0;
  }
  QString text;
  for (const PortListEntry& p : ports) {
    text += p.device;
    if (!p.description.isEmpty()) text += QStringLiteral("  ") + p.description;
    if (!p.byId.isEmpty()) text += QStringLiteral("  ") + p.byId;
    text += u'\n';
  }
  PrintOut(text);
  return 0;
}
