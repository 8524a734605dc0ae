#include "server/StatusReport.h"

#include <QJsonArray>
#include <cmath>

#include "machines/operate/OperateReadout.h"

QString LinkText(const CModelBase& model, ResultCode lastResult) {
  // Checked first: other devices answer "I;" in forms the table gives the
  // loader's status.
  if (lastResult == Result::UnexpectedDevice) return QString::fromLatin1(kAnotherDevice);
  if (model.FirmwareStatus.Get() == FirmwareStatusLoader) return QStringLiteral("loader");
  const bool answered = model.FirmwareStatus.Get() == FirmwareStatusRunning &&
                        (lastResult == Result::Success || lastResult == Result::DevicePoweredOff);
  return answered ? QStringLiteral("ok") : QStringLiteral("lost");
}

QJsonObject StatusObject(const CModelBase& model, ResultCode lastResult, const COperateValues& values,
                         const QDateTime& readingTime) {
  CPrintout out;
  if (readingTime.isValid()) AddOperateValues(out, values, model.McuVersion.Get());
  QJsonObject status = out.Object();
  const QString link = LinkText(model, lastResult);
  status.insert(QStringLiteral("link"), link);
  if (link == QLatin1String(kAnotherDevice)) status.insert(QStringLiteral("device_reply"), model.IdentityReply);
  status.insert(QStringLiteral("port"), model.Run.port);
  status.insert(QStringLiteral("firmware"), model.McuVersion.Get() ? CModelBase::VersionText(model.McuVersion.Get()) : QString());
  status.insert(QStringLiteral("serial"), model.SerialNumber.Get() == 0xFFFF ? QJsonValue() : QJsonValue(model.SerialNumber.Get()));
  status.insert(QStringLiteral("time"), readingTime.isValid() ? QJsonValue(readingTime.toString(Qt::ISODateWithMs)) : QJsonValue());
  return status;
}

namespace {
QJsonValue Reading(float value) { return std::isnan(value) ? QJsonValue() : QJsonValue(std::round(value * 100) / 100); }
QString Time(qint64 ms) { return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(Qt::ISODateWithMs); }
}  // namespace

QJsonObject HistoryObject(const CReadingsHistory& history, const QDateTime& now, int minutes) {
  const qint64 since = now.toMSecsSinceEpoch() - qint64{minutes} * 60000;
  QJsonArray points;
  for (std::size_t i = 0; i < history.Size(); ++i) {
    const CHistoryPoint& p = history.At(i);
    if (p.time < since) continue;
    points.append(QJsonObject{{"time", Time(p.time)},
                              {"swr", Reading(p.swr)},
                              {"swr_bypass", Reading(p.swrBypass)},
                              {"vfwd", Reading(p.vfwd)},
                              {"vrfl", Reading(p.vrfl)}});
  }
  return {{"now", Time(now.toMSecsSinceEpoch())}, {"points", points}};
}
