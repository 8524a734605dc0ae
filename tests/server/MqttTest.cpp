// The MQTT bridge against a real mosquitto broker: in-process over the
// server and the simulated tuner on a pseudo-terminal, and zu6400ctl serve
// as a process for its last will and its credentials.

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QMap>
#include <QRegularExpression>
#include <QSignalSpy>
#include <csignal>

#include "tests/support/CtlRunner.h"
#include "tests/support/MqttBroker.h"
#include "tests/support/ServerSupport.h"
#include "server/HomeAssistantDiscovery.h"
#include "server/MqttBridge.h"

namespace {

QJsonObject Json(const QByteArray& payload) { return QJsonDocument::fromJson(payload).object(); }

QJsonObject WithoutTime(QJsonObject status) {
  status.remove("time");
  return status;
}

// The server with its bridge on the broker, connected.
class BridgeFixture : public ServerFixture {
 public:
  explicit BridgeFixture(SimOptions options = Firmware("01.97")) : ServerFixture(std::move(options)) {}
  bool Connect() {
    const std::optional<MqttSettings> settings = ParseMqttUrl(broker.Url());
    if (!broker.IsListening() || !settings) return false;
    bridge = std::make_unique<CMqttBridge>(server, *settings);
    return Start() && WaitFor([&] { return bridge->IsConnected(); }, 10000);
  }
  // Publishes a command and returns what came back on the result topic.
  QJsonObject Command(const char* leaf, const QByteArray& payload) {
    QProcess results;
    broker.Subscribe(results, TunerTopic(1234, "result"), 1);
    broker.Publish(TunerTopic(1234, leaf), payload);
    const QList<MqttMessage> got = CMqttBroker::Collect(results);
    return got.isEmpty() ? QJsonObject() : Json(got.first().second);
  }

  CMqttBroker broker;
  std::unique_ptr<CMqttBridge> bridge;
};

// Discovery and state are retained for whoever subscribes later; a set
// reaches the tuner and a refused one answers on the result topic.
TEST(Mqtt, DiscoveryAndStateAreRetainedAndASetOrARefusedOneAnswersOnResult) {
  BridgeFixture f;
  ASSERT_TRUE(f.Connect());
  QMap<QString, QByteArray> published;
  for (const DiscoveryMessage& message : DiscoveryMessages(1234, "01.97"))
    published.insert(message.topic, message.payload);
  QMap<QString, QByteArray> retained;
  for (const auto& [topic, payload] : f.broker.Retained("homeassistant/+/zu6400_1234/+/config", published.size())) {
    retained.insert(topic, payload);
    EXPECT_EQ(Json(payload)["availability_topic"].toString(), "zu6400/1234/availability") << topic.toStdString();
  }
  EXPECT_EQ(retained, published);
  EXPECT_EQ(f.broker.Retained("zu6400/1234/availability", 1).value(0).second, "online");
  EXPECT_EQ(WithoutTime(Json(f.broker.Retained("zu6400/1234/state", 1).value(0).second)),
            WithoutTime(f.Get("/api/status").Json()));

  const CTimeScaleScope fast(kSearchTime);  // the state's second passes in 500 ms
  f.Sim().ClearReceived();
  EXPECT_EQ(f.Command("set", R"({"mode":"manual"})")["mode"].toString(), "M");
  EXPECT_TRUE(f.Sim().Received().contains("MDM;"));
  EXPECT_TRUE(WaitFor([&] { return Json(f.broker.Retained("zu6400/1234/state", 1).value(0).second)["mode"] == "M"; }, 5000));
  EXPECT_EQ(f.Command("set", "not json")["error"].toString(), "0x00000057");
}

TEST(Mqtt, ALostBrokerIsTriedAgainWhilePollingAndTheHttpSideGoOn) {
  BridgeFixture f;
  ASSERT_TRUE(f.Connect());
  const CTimeScaleScope fast(kFastTime);  // the 3 s between tries pass in 300 ms
  f.broker.Stop();
  ASSERT_TRUE(WaitFor([&] { return !f.bridge->IsConnected(); }, 10000));
  const int cycles = f.cycles;
  EXPECT_TRUE(WaitFor([&] { return f.cycles >= cycles + 3; }, 10000));
  // Back with nothing retained: the bridge finds it and says everything again.
  ASSERT_TRUE(f.broker.Restart());
  EXPECT_EQ(f.broker.Retained("zu6400/1234/state", 1).size(), 1);
}

// The authority given for an mqtts broker is what the TLS connection is set up with.
TEST(Mqtt, TheGivenAuthorityIsWhatTlsIsSetUpWith) {
  ServerFixture f;
  std::optional<MqttSettings> settings = ParseMqttUrl(QStringLiteral("mqtts://127.0.0.1:1"));
  ASSERT_TRUE(settings && settings->tls);
  settings->caFile = QStringLiteral("/nonexistent/zu6400-ca.crt");
  CMqttBridge bridge(f.server, *settings);
  QSignalSpy refused(&bridge, &CMqttBridge::Refused);
  ASSERT_TRUE(f.Start());
  ASSERT_TRUE(WaitFor([&] { return refused.count() > 0; }, 10000));
  EXPECT_EQ(refused[0][0].value<ResultCode>(), Result::InvalidParameter);
  EXPECT_TRUE(refused[0][1].toString().startsWith("TLS with /nonexistent/zu6400-ca.crt: "));
}

class MqttServe : public CtlSimTest {
 protected:
  // zu6400ctl serve on the simulator, until its bridge says it is connected.
  bool StartServe(QProcess& serve, const QStringList& extra) {
    StartCtl(serve, QStringList{"serve", "--port", port, "--listen", "127.0.0.1:0"} + extra, config.path());
    return WaitFor([&] {
      err += QString::fromUtf8(serve.readAllStandardError());
      return err.contains("MQTT: connected") || serve.state() == QProcess::NotRunning;
    }, 30000) && serve.state() == QProcess::Running;
  }
  QString CredentialsFile(const QByteArray& line, QFile::Permissions permissions) {
    const QString path = WriteFileBytes(config.filePath("mqtt-credentials"), line);
    QFile::setPermissions(path, permissions);
    return path;
  }
  QString err;
};

// Wrong or exposed credentials end the run; the right ones connect, and a
// killed serve goes offline by its last will.
TEST_F(MqttServe, CredentialsAndTheLastWill) {
  StartSim({"--version", "01.97"});
  CMqttBroker broker("station", "right-password");
  ASSERT_TRUE(broker.IsListening());
  const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner;
  const QString wrong = CredentialsFile("station:wrong-password\n", owner);
  const CtlRun refused = Ctl({"serve", "--listen", "127.0.0.1:0", "--mqtt", broker.Url(), "--mqtt-credentials", wrong});
  EXPECT_EQ(refused.status, 1);
  EXPECT_TRUE(refused.err.contains(QRegularExpression("error 0x00000005: the MQTT broker at mqtt://127.0.0.1:\\d+ "
                                                      "refused the connection: .*(password|authori[sz]ed)")))
      << refused.err.toStdString();
  const QString exposed = CredentialsFile("station:right-password\n", owner | QFile::ReadOther);
  const CtlRun open = Ctl({"serve", "--listen", "127.0.0.1:0", "--mqtt", broker.Url(), "--mqtt-credentials", exposed});
  EXPECT_EQ(open.status, 1);
  EXPECT_TRUE(open.err.contains("can be read by others")) << open.err.toStdString();
  EXPECT_EQ(Ctl({"serve", "--mqtt", "http://x"}).status, 2);

  QProcess serve;
  const QString right = CredentialsFile("station:right-password", owner);
  ASSERT_TRUE(StartServe(serve, {"--mqtt", broker.Url(), "--mqtt-credentials", right, "--alarm-swr", "9"}))
      << err.toStdString();
  const QJsonValue alarm = Json(broker.Retained("zu6400/1234/state", 1).value(0).second)["alarm"];
  EXPECT_TRUE(alarm.isBool() && !alarm.toBool()) << "the alarm is set, and not raised";
  EXPECT_EQ(broker.Retained("zu6400/1234/availability", 1).value(0).second, "online");
  ::kill(static_cast<pid_t>(serve.processId()), SIGKILL);
  serve.waitForFinished(10000);
  EXPECT_TRUE(WaitFor([&] { return broker.Retained("zu6400/1234/availability", 1).value(0).second == "offline"; }, 10000));
}

}  // namespace
