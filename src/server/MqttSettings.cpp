#include "server/MqttSettings.h"

#include <QFile>
#include <QUrl>

namespace {
constexpr quint16 kPlainPort = 1883;
constexpr quint16 kTlsPort = 8883;
}  // namespace

QString MqttSettings::Url() const {
  return QStringLiteral("%1://%2:%3").arg(tls ? QStringLiteral("mqtts") : QStringLiteral("mqtt"), host).arg(port);
}

std::optional<MqttSettings> ParseMqttUrl(const QString& text) {
  const QUrl url(text, QUrl::StrictMode);
  const QString scheme = url.scheme().toLower();
  if (!url.isValid() || (scheme != u"mqtt" && scheme != u"mqtts") || url.host().isEmpty() || !url.userInfo().isEmpty() ||
      (!url.path().isEmpty() && url.path() != u"/") || url.hasQuery() || url.hasFragment())
    return std::nullopt;
  MqttSettings settings;
  settings.tls = scheme == u"mqtts";
  settings.host = url.host();
  settings.port = static_cast<quint16>(url.port(settings.tls ? kTlsPort : kPlainPort));
  if (settings.port == 0) return std::nullopt;
  return settings;
}

ResultCode ReadMqttCredentials(const QString& path, MqttSettings& settings, QString& problem) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    problem = path + QStringLiteral(": ") + file.errorString();
    return file.error() == QFileDevice::PermissionsError ? Result::AccessDenied : Result::FileNotFound;
  }
  // A password others can read is no secret: the file must be the owner's alone.
  if (file.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther)) {
    problem = path + QStringLiteral(" can be read by others; make it readable by its owner alone (chmod 600)");
    return Result::AccessDenied;
  }
  const QString line = QString::fromUtf8(file.readLine(4096)).remove(u'\r').remove(u'\n');
  const qsizetype colon = line.indexOf(u':');
  if (colon <= 0) {
    problem = path + QStringLiteral(": the file holds one line user:password");
    return Result::InvalidData;
  }
  settings.user = line.left(colon);
  settings.password = line.mid(colon + 1);
  return Result::Success;
}
