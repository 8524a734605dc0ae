#include "server/StatusReport.h"

#include "machines/OperateReadout.h"

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
  status.insert(QStringLiteral("port"), model.Port.Get());
  status.insert(QStringLiteral("firmware"), model.McuVersion.Get() ? CModelBase::VersionText(model.McuVersion.Get()) : QString());
  status.insert(QStringLiteral("serial"), model.SerialNumber.Get() == 0xFFFF ? QJsonValue() : QJsonValue(model.SerialNumber.Get()));
  status.insert(QStringLiteral("time"), readingTime.isValid() ? QJsonValue(readingTime.toString(Qt::ISODateWithMs)) : QJsonValue());
  return status;
}
