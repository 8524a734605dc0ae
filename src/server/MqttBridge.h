#pragma once
// The tuner on an MQTT broker, beside the HTTP server and over the same
// state: the status retained on zu6400/<serial>/state when a value changed
// (at most once a second), "online"/"offline" on .../availability ("offline"
// also as the last will, so that a crash shows), commands on .../set, .../tune
// and .../memorize judged as the HTTP API judges them, each answered on
// .../result, and the Home Assistant discovery configurations.
//
// libmosquitto runs on the Qt event loop: its socket drives it through
// socket notifiers, a timer keeps the connection alive. It connects once the
// tuner's serial number is known (the topics carry it); a lost broker is
// tried again every few seconds, without touching the polling or the HTTP side.

#include <QElapsedTimer>
#include <QJsonObject>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <memory>

#include "server/MqttSettings.h"
#include "server/TunerServer.h"

struct mosquitto;
struct mosquitto_message;

class CMqttBridge : public QObject {
  Q_OBJECT
 public:
  static constexpr int kRetryMs = 3000;  // at the program's pace (CTimeScale)
  static constexpr int kStateSpacingMs = 1000;  // at the program's pace too

  CMqttBridge(CTunerServer& server, const MqttSettings& settings, QObject* parent = nullptr);
  ~CMqttBridge() override;

  // Says "offline" and leaves the broker, at the end of a run.
  void Stop();
  bool IsConnected() const { return m_connected; }

 signals:
  // The broker refused this client (its credentials): the run cannot go on.
  void Refused(ResultCode code, const QString& text);
  // What a person watching the run should know (a lost or found broker).
  void Note(const QString& text);

 private:
  static void OnConnectCallback(mosquitto* client, void* self, int code);
  static void OnDisconnectCallback(mosquitto* client, void* self, int code);
  static void OnMessageCallback(mosquitto* client, void* self, const mosquitto_message* message);

  void OnStatus();
  bool Create(unsigned serial);
  void Connect();
  void OnConnected(int code);
  void OnCommand(const QString& topic, const QByteArray& payload);
  void PublishDiscovery();
  void PublishState();
  void Publish(const QString& topic, const QByteArray& payload, bool retain);
  void Watch();
  void Service(int result);
  void Lost(const QString& why);
  // Within a notifier's own signal they can only go later.
  void DropNotifiers(bool now = false);

  CTunerServer& m_server;
  MqttSettings m_settings;
  mosquitto* m_client = nullptr;
  std::unique_ptr<QSocketNotifier> m_reader;
  std::unique_ptr<QSocketNotifier> m_writer;
  QTimer m_keepAlive;
  QTimer m_retry;
  QTimer m_stateDelay;
  unsigned m_serial = 0;
  QString m_firmware;  // the version the discovery configurations name
  QJsonObject m_lastState;
  QElapsedTimer m_lastStateClock;
  bool m_connected = false;
  bool m_lostSaid = false;
  bool m_stopping = false;  // no more tries: stopped, or refused
};
