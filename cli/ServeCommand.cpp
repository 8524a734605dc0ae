// zu6400ctl serve: the tuner on the network until SIGINT or SIGTERM.

#include <QEventLoop>
#include <QTextStream>
#include <QTimer>

#include "cli/OperateSession.h"
#include "cli/StopSignals.h"
#include "machines/operate/PollLoop.h"
#include "machines/connection/TunerModel.h"
#include "server/ListenAddress.h"
#include "server/MqttBridge.h"
#include "server/ServerAccess.h"
#include "server/TunerServer.h"

namespace {
// How long the live clients have to take their goodbye.
constexpr int kCloseWaitMs = 1000;

void Announce(const ListenAddress& listen, quint16 port, const QString& token, TokenSource source) {
  QTextStream err(stderr);
  const QString host = listen.address.protocol() == QAbstractSocket::IPv6Protocol
                           ? u'[' + listen.address.toString() + u']'
                           : listen.address.toString();
  err << "Serving the ZU6400 on http://" << host << ':' << port << "/\n";
  if (source == TokenSource::Made)
    err << "Changes need this token (kept in the settings; give it once in the dashboard): " << token << '\n';
  else if (source == TokenSource::MadeOnly)
    err << "Changes need this token (for this run only: the settings file " << GetModel().AppInfo.Settings().fileName()
        << " cannot be written; give it once in the dashboard, or keep one with --token): " << token << '\n';
  err.flush();
}

// The broker's settings with the credentials from their file; none after
// saying why they cannot be had.
std::optional<MqttSettings> MqttFromOptions(const CliOptions& options) {
  std::optional<MqttSettings> settings = ParseMqttUrl(options.mqtt);  // checked with the options
  settings->caFile = options.mqttCa;
  if (options.mqttCredentials.isEmpty()) return settings;
  QString problem;
  const ResultCode read = ReadMqttCredentials(options.mqttCredentials, *settings, problem);
  if (read == Result::Success) return settings;
  CCliContext::Fail(read, "--mqtt-credentials " + problem);
  return std::nullopt;
}

void WaitForGoodbyes(const CTunerServer& server) {
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (server.LiveClients() == 0) loop.quit();
  });
  poll.start(10);
  QTimer::singleShot(kCloseWaitMs, &loop, &QEventLoop::quit);
  loop.exec();
}
}  // namespace

int RunServe(CCliContext& context, const QStringList&) {
  const ListenAddress listen = *ParseListenAddress(context.Options().listen);
  std::optional<MqttSettings> mqtt;
  if (!context.Options().mqtt.isEmpty() && !(mqtt = MqttFromOptions(context.Options()))) return 1;
  CTunerModel& model = GetModel();
  TokenSource source = TokenSource::Given;
  const QString token = ServerToken(model.AppInfo, context.Options().token, source);

  // The loop contacts the tuner itself, and keeps trying while it is away.
  COperateSession session(context);
  CPollLoop loop(session.Machine());
  loop.SetReopensPort(true);
  loop.LoadInterval(model.AppInfo);
  CTunerServer server(loop, model, token);
  server.SetAlarm(context.Options().alarm);
  const ResultCode result = server.Listen(listen.address, listen.port, context.Options().allowHosts);
  if (result != Result::Success) {
    QTextStream(stderr) << "zu6400ctl: cannot listen on " << context.Options().listen << '\n';
    return CCliContext::Fail(result);
  }
  Announce(listen, server.Port(), token, source);

  QEventLoop running;
  QObject::connect(&context.StopSignals(), &CStopSignals::Raised, &running, &QEventLoop::quit);
  // Why the broker ended the run, said last.
  std::optional<std::pair<ResultCode, QString>> refused;
  std::unique_ptr<CMqttBridge> bridge;
  if (mqtt) {
    bridge = std::make_unique<CMqttBridge>(server, *mqtt);
    QObject::connect(bridge.get(), &CMqttBridge::Note, [](const QString& text) { QTextStream(stderr) << text << '\n'; });
    QObject::connect(bridge.get(), &CMqttBridge::Refused, &running, [&](ResultCode code, const QString& text) {
      refused.emplace(code, text);
      running.quit();
    });
  }
  loop.Start();
  running.exec();

  loop.Stop();
  server.Close();
  if (bridge) bridge->Stop();
  WaitForGoodbyes(server);
  QTextStream(stderr) << "Stopped serving\n";
  return refused ? CCliContext::Fail(refused->first, refused->second) : 0;
}
