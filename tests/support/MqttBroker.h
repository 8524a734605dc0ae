#pragma once
// A real mosquitto broker for the MQTT tests, on 127.0.0.1 and a free port,
// with a configuration written in a temporary folder, stopped by its pid; and
// the peer's side through mosquitto_sub and mosquitto_pub. Waits spin the
// event loop, so that a bridge in the test's own process keeps working.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

using MqttMessage = QPair<QString, QByteArray>;  // topic, payload

class CMqttBroker {
 public:
  // With a user, only that user and password get in (the peer's side too).
  explicit CMqttBroker(const QString& user = {}, const QString& password = {});
  ~CMqttBroker();
  CMqttBroker(const CMqttBroker&) = delete;
  CMqttBroker& operator=(const CMqttBroker&) = delete;

  bool IsListening() const { return m_listening; }
  // The broker goes away, and comes back on its port with nothing retained.
  void Stop();
  bool Restart();
  QString Url() const { return QStringLiteral("mqtt://127.0.0.1:%1").arg(m_port); }

  // A subscriber started now on the topic filter; Collect waits until it
  // has count messages (retained ones first) or seconds passed.
  void Subscribe(QProcess& subscriber, const QString& filter, int count, int seconds = 10) const;
  static QList<MqttMessage> Collect(QProcess& subscriber);
  // Subscribe and Collect in one, for retained messages.
  QList<MqttMessage> Retained(const QString& filter, int count) const;
  void Publish(const QString& topic, const QByteArray& payload) const;

 private:
  bool Run();

  QTemporaryDir m_dir;
  QProcess m_broker;
  QStringList m_client;  // mosquitto_sub's and mosquitto_pub's address and login
  quint16 m_port = 0;
  bool m_listening = false;
};
