// zu6400ctl faults: the tuner's fault log, newest first, as an aligned table
// or (--json) a list of rows with the texts the fault table shows.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "base/Printout.h"
#include "base/StringTable.h"
#include "cli/ConfigJob.h"
#include "machines/configuration/FaultTableStateMachine.h"
#include "machines/connection/TunerModel.h"

namespace {
// A JSON string with its quotes.
QString JsonString(const QString& text) {
  const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
  return QString::fromUtf8(array.mid(1, array.size() - 2));
}

// The keys in the order a reader expects them (a JSON object would sort them).
QString JsonRows(const std::vector<FaultRow>& rows) {
  QStringList objects;
  for (const FaultRow& row : rows)
    objects << QStringLiteral("{\"index\": %1, \"time_on\": %2, \"fault\": %3, \"data\": %4}")
                   .arg(row.index)
                   .arg(JsonString(row.timeOn), JsonString(row.fault), JsonString(row.data));
  return u'[' + objects.join(QStringLiteral(",\n ")) + QStringLiteral("]\n");
}

QString Table(const std::vector<FaultRow>& rows) {
  QList<QStringList> lines = {{LoadString(Str::FaultColumnIndex).trimmed(), LoadString(Str::FaultColumnTimeOn).trimmed(),
                               LoadString(Str::FaultColumnCode).trimmed(), LoadString(Str::FaultColumnData).trimmed()}};
  for (const FaultRow& row : rows) lines.append({QString::number(row.index), row.timeOn, row.fault, row.data});
  qsizetype widths[3] = {};
  for (const QStringList& cells : lines)
    for (int c = 0; c < 3; ++c) widths[c] = std::max(widths[c], cells[c].size());
  QString text;
  for (const QStringList& cells : lines) {
    // Index and time right-aligned, as the fault table shows them.
    QString line = cells[0].rightJustified(widths[0]) + "  " + cells[1].rightJustified(widths[1]) + "  " +
                         cells[2].leftJustified(widths[2]) + "  " + cells[3];
    while (line.endsWith(u' ')) line.chop(1);  // a row without data
    text += line + u'\n';
  }
  return text;
}
}  // namespace

int RunFaults(CCliContext& context, const QStringList&) {
  CFaultTableStateMachine machine(GetModel());
  const ResultCode result = RunConfigJob(context, machine, machine, [&] { machine.StartReading(); });
  if (result == Result::Cancelled) return CCliContext::Stopped(QStringLiteral("The tuner was not changed"));
  if (result != Result::Success) return CCliContext::Fail(result);
  const std::vector<FaultRow> rows = machine.Rows();
  PrintOut(context.Options().json ? JsonRows(rows) : Table(rows));
  return 0;
}
