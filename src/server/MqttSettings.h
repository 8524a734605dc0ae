#pragma once
// Where the MQTT bridge connects: "mqtt://HOST[:PORT]" (1883) or
// "mqtts://HOST[:PORT]" (TLS, 8883), the authority to trust, and the user
// and password from a file of one line "user:password" that only its owner
// may read.

#include <QString>
#include <optional>

#include "base/ResultCodes.h"

struct MqttSettings {
  QString host;
  quint16 port = 0;
  bool tls = false;
  QString caFile;  // empty: the system's authorities
  QString user;    // empty: no credentials
  QString password;

  // "mqtt://HOST:PORT", for messages.
  QString Url() const;
};

// None for text that is not such a URL.
std::optional<MqttSettings> ParseMqttUrl(const QString& text);

// Reads the credentials into settings; a failure with what is wrong.
ResultCode ReadMqttCredentials(const QString& path, MqttSettings& settings, QString& problem);
