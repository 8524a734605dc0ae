#include "server/MqttBridge.h"

#include <mosquitto.h>

#include <QCoreApplication>
#include <QJsonDocument>
#include <QPointer>
#include <algorithm>
#include <iterator>

#include "base/TimeScale.h"
#include "server/HomeAssistantDiscovery.h"
#include "server/ServerAccess.h"

namespace {
constexpr int kKeepAliveSeconds = 30;
constexpr int kKeepAliveCheckMs = 1000;
constexpr int kQos = 1;
// CONNACK codes that no retry mends: bad user name or password, not authorized.
constexpr int kBadCredentials = 4;
constexpr int kNotAuthorized = 5;
// What the bridge lets out of the queue at its end.
constexpr int kLastWrites = 10;

struct Command {
  const char* leaf;
  const char* path;
};
constexpr Command kCommands[] = {{"set", "/api/set"}, {"tune", "/api/tune"}, {"memorize", "/api/memorize"}};

void InitLibrary() {
  static const int done = mosquitto_lib_init();
  Q_UNUSED(done);
}

QByteArray Compact(const QJsonObject& object) { return QJsonDocument(object).toJson(QJsonDocument::Compact); }
}  // namespace

CMqttBridge::CMqttBridge(CTunerServer& server, const MqttSettings& settings, QObject* parent)
    : QObject(parent), m_server(server), m_settings(settings) {
  InitLibrary();
  connect(&server, &CTunerServer::StatusUpdated, this, &CMqttBridge::OnStatus);
  connect(&m_keepAlive, &QTimer::timeout, this, [this] { Service(mosquitto_loop_misc(m_client)); });
  m_retry.setSingleShot(true);
  connect(&m_retry, &QTimer::timeout, this, &CMqttBridge::Connect);
  m_stateDelay.setSingleShot(true);
  connect(&m_stateDelay, &QTimer::timeout, this, &CMqttBridge::PublishState);
}

CMqttBridge::~CMqttBridge() {
  DropNotifiers(true);
  if (m_client != nullptr) mosquitto_destroy(m_client);
}

void CMqttBridge::Stop() {
  m_stopping = true;
  m_retry.stop();
  m_stateDelay.stop();
  m_keepAlive.stop();
  if (!m_connected) return;
  Publish(TunerTopic(m_serial, "availability"), "offline", true);
  mosquitto_disconnect(m_client);
  // The event loop may not run again: what is queued goes out now.
  for (int i = 0; i < kLastWrites && mosquitto_want_write(m_client); ++i)
    if (mosquitto_loop_write(m_client, 1) != MOSQ_ERR_SUCCESS) break;
  DropNotifiers(true);
  m_connected = false;
}

// The topics carry the serial number: the first status that has one starts
// the connection.
void CMqttBridge::OnStatus() {
  const QJsonObject status = m_server.Status();
  if (m_client == nullptr) {
    const QJsonValue serial = status[QLatin1String("serial")];
    if (m_stopping || !serial.isDouble() || status[QLatin1String("link")].toString() != u"ok") return;
    if (Create(static_cast<unsigned>(serial.toInt()))) Connect();
    return;
  }
  if (!m_connected) return;
  const QString firmware = status[QLatin1String("firmware")].toString();
  if (!firmware.isEmpty() && firmware != m_firmware) PublishDiscovery();
  PublishState();
}

bool CMqttBridge::Create(unsigned serial) {
  m_serial = serial;
  const QByteArray id = QStringLiteral("zu6400ctl-%1-%2").arg(serial).arg(QCoreApplication::applicationPid()).toUtf8();
  m_client = mosquitto_new(id.constData(), true, this);
  if (m_client == nullptr) {
    m_stopping = true;
    emit Refused(Result::NotEnoughMemory, QStringLiteral("no MQTT client could be made"));
    return false;
  }
  mosquitto_connect_callback_set(m_client, &CMqttBridge::OnConnectCallback);
  mosquitto_disconnect_callback_set(m_client, &CMqttBridge::OnDisconnectCallback);
  mosquitto_message_callback_set(m_client, &CMqttBridge::OnMessageCallback);
  const QByteArray will = TunerTopic(serial, "availability").toUtf8();
  mosquitto_will_set(m_client, will.constData(), 7, "offline", kQos, true);
  if (!m_settings.user.isEmpty())
    mosquitto_username_pw_set(m_client, m_settings.user.toUtf8().constData(), m_settings.password.toUtf8().constData());
  if (!m_settings.tls) return true;
  const QByteArray ca = m_settings.caFile.toLocal8Bit();
  const int result = ca.isEmpty() ? mosquitto_int_option(m_client, MOSQ_OPT_TLS_USE_OS_CERTS, 1)
                                  : mosquitto_tls_set(m_client, ca.constData(), nullptr, nullptr, nullptr, nullptr);
  if (result == MOSQ_ERR_SUCCESS) return true;
  m_stopping = true;
  emit Refused(Result::InvalidParameter,
               QStringLiteral("TLS with %1: %2").arg(m_settings.caFile, QString::fromUtf8(mosquitto_strerror(result))));
  return false;
}

void CMqttBridge::Connect() {
  const QByteArray host = m_settings.host.toUtf8();
  const int result = mosquitto_connect_async(m_client, host.constData(), m_settings.port, kKeepAliveSeconds);
  if (result != MOSQ_ERR_SUCCESS) return Lost(QString::fromUtf8(mosquitto_strerror(result)));
  Watch();
  m_keepAlive.start(kKeepAliveCheckMs);
}

void CMqttBridge::Watch() {
  const int socket = mosquitto_socket(m_client);
  if (socket < 0) return;
  DropNotifiers();
  m_reader = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
  connect(m_reader.get(), &QSocketNotifier::activated, this, [this] { Service(mosquitto_loop_read(m_client, 1)); });
  m_writer = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Write);
  connect(m_writer.get(), &QSocketNotifier::activated, this, [this] { Service(mosquitto_loop_write(m_client, 1)); });
  m_writer->setEnabled(mosquitto_want_write(m_client));
}

// After libmosquitto had its turn: a failure loses the broker; otherwise the
// writer waits for the socket while something is queued.
void CMqttBridge::Service(int result) {
  if (result != MOSQ_ERR_SUCCESS) return Lost(QString::fromUtf8(mosquitto_strerror(result)));
  if (m_writer) m_writer->setEnabled(mosquitto_want_write(m_client));
}

void CMqttBridge::Lost(const QString& why) {
  DropNotifiers();
  m_keepAlive.stop();
  const bool wasConnected = m_connected;
  m_connected = false;
  if (m_stopping || m_retry.isActive()) return;
  if (!m_lostSaid)
    emit Note(QStringLiteral("MQTT: %1 %2 (%3); trying again every %4 s")
                  .arg(wasConnected ? QStringLiteral("lost the broker at") : QStringLiteral("cannot reach the broker at"),
                       m_settings.Url(), why)
                  .arg(kRetryMs / 1000));
  m_lostSaid = true;
  m_retry.start(static_cast<int>(CTimeScale::RealMs(kRetryMs)));
}

void CMqttBridge::DropNotifiers(bool now) {
  for (std::unique_ptr<QSocketNotifier>* notifier : {&m_reader, &m_writer}) {
    if (!*notifier) continue;
    (*notifier)->setEnabled(false);
    if (now)
      notifier->reset();
    else
      notifier->release()->deleteLater();
  }
}

void CMqttBridge::OnConnected(int code) {
  if (code == kBadCredentials || code == kNotAuthorized) {
    m_stopping = true;
    emit Refused(Result::AccessDenied, QStringLiteral("the MQTT broker at %1 refused the connection: %2")
                                           .arg(m_settings.Url(), QString::fromUtf8(mosquitto_connack_string(code))));
    return;
  }
  if (code != 0) return Lost(QString::fromUtf8(mosquitto_connack_string(code)));
  m_connected = true;
  m_lostSaid = false;
  emit Note(QStringLiteral("MQTT: connected to %1 as %2").arg(m_settings.Url(), TunerTopic(m_serial, "")));
  Publish(TunerTopic(m_serial, "availability"), "online", true);
  for (const Command& command : kCommands)
    mosquitto_subscribe(m_client, nullptr, TunerTopic(m_serial, command.leaf).toUtf8().constData(), kQos);
  PublishDiscovery();
  m_lastState = {};  // the broker may have lost the retained state: it goes out again
  m_lastStateClock.invalidate();
  PublishState();
}

void CMqttBridge::OnCommand(const QString& topic, const QByteArray& payload) {
  const QString leaf = topic.mid(TunerTopic(m_serial, "").size());
  const auto command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [&](const Command& c) { return leaf == QLatin1String(c.leaf); });
  if (command == std::end(kCommands)) return;
  const QPointer<CMqttBridge> self(this);
  const auto answer = [self, leaf](const ApiReply& reply) {
    if (self.isNull() || !self->m_connected) return;
    QJsonObject result = reply.body;
    result.insert(QStringLiteral("command"), leaf);
    self->Publish(TunerTopic(self->m_serial, "result"), Compact(result), false);
  };
  if (payload.size() > kLargestBody)
    return answer(ErrorReply(HttpStatus::PayloadTooLarge, Result::InvalidParameter,
                             QStringLiteral("a command's payload takes at most %1 bytes").arg(kLargestBody)));
  m_server.Change(QLatin1String(command->path), payload, answer);
}

void CMqttBridge::PublishDiscovery() {
  m_firmware = m_server.Status()[QLatin1String("firmware")].toString();
  for (const DiscoveryMessage& message : DiscoveryMessages(m_serial, m_firmware))
    Publish(message.topic, message.payload, true);
}

// When a value changed (the time of the reading aside), at most once a
// second: a change within the second goes out at its end.
void CMqttBridge::PublishState() {
  const QJsonObject status = m_server.Status();
  QJsonObject values = status;
  values.remove(QStringLiteral("time"));
  if (!m_connected || values == m_lastState) return;
  const int spacing = static_cast<int>(CTimeScale::RealMs(kStateSpacingMs));
  if (m_lastStateClock.isValid() && m_lastStateClock.elapsed() < spacing) {
    if (!m_stateDelay.isActive()) m_stateDelay.start(spacing - static_cast<int>(m_lastStateClock.elapsed()));
    return;
  }
  Publish(TunerTopic(m_serial, "state"), Compact(status), true);
  m_lastState = values;
  m_lastStateClock.start();
}

void CMqttBridge::Publish(const QString& topic, const QByteArray& payload, bool retain) {
  mosquitto_publish(m_client, nullptr, topic.toUtf8().constData(), static_cast<int>(payload.size()), payload.constData(),
                    kQos, retain);
  if (m_writer) m_writer->setEnabled(mosquitto_want_write(m_client));
}

void CMqttBridge::OnConnectCallback(mosquitto*, void* self, int code) { static_cast<CMqttBridge*>(self)->OnConnected(code); }

void CMqttBridge::OnDisconnectCallback(mosquitto*, void* self, int code) {
  auto* bridge = static_cast<CMqttBridge*>(self);
  if (code != MOSQ_ERR_SUCCESS) return bridge->Lost(QString::fromUtf8(mosquitto_strerror(code)));
  bridge->DropNotifiers();
  bridge->m_connected = false;
}

void CMqttBridge::OnMessageCallback(mosquitto*, void* self, const mosquitto_message* message) {
  static_cast<CMqttBridge*>(self)->OnCommand(
      QString::fromUtf8(message->topic), QByteArray(static_cast<const char*>(message->payload), message->payloadlen));
}
