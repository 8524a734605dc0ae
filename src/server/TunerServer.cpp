#include "server/TunerServer.h"

#include <QFile>
#include <QJsonDocument>
#include <cmath>

#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "machines/operate/LiveSettings.h"
#include "server/GuardedTcpServer.h"
#include "server/RequestHead.h"
#include "server/ServerAccess.h"
#include "server/StatusReport.h"

namespace {
using Method = QHttpServerRequest::Method;

// The only files ever served: the dashboard's, from the built-in resources.
struct Resource {
  const char* path;
  const char* file;
  const char* type;
};
constexpr Resource kResources[] = {
    {"/", ":/dashboard/index.html", "text/html; charset=utf-8"},
    {"/dashboard.js", ":/dashboard/dashboard.js", "text/javascript; charset=utf-8"},
    {"/dashboard.css", ":/dashboard/dashboard.css", "text/css; charset=utf-8"},
};

const Resource* FindResource(const QString& path) {
  for (const Resource& resource : kResources)
    if (path == QLatin1String(resource.path)) return &resource;
  return nullptr;
}

ApiReply BadRequest(const QString& text, const QString& field = {}) {
  return ErrorReply(HttpStatus::BadRequest, Result::InvalidParameter, text, field);
}

// A JSON value as the text a setting parses: a string as it is, a whole
// number in decimal; nothing for any other kind.
std::optional<QString> SettingText(const QJsonValue& value) {
  if (value.isString()) return value.toString();
  const double number = value.toDouble(-1);
  if (value.isDouble() && number >= 0 && number <= 0xFFFFFFFF && number == qint64(number))
    return QString::number(qint64(number));
  return std::nullopt;
}
}  // namespace

CTunerServer::CTunerServer(CPollLoop& loop, CModelBase& model, const QString& token, QObject* parent)
    : QAbstractHttpServer(parent), m_loop(loop), m_model(model), m_token(token) {
  connect(&loop, &CPollLoop::CycleEnded, this, &CTunerServer::OnCycle);
  connect(this, &QAbstractHttpServer::newWebSocketConnection, this, &CTunerServer::OnWebSocket);
}

CTunerServer::~CTunerServer() {
  for (const Pending& pending : m_pending) disconnect(pending.gone);
}

ResultCode CTunerServer::Listen(const QHostAddress& address, quint16 port, const QStringList& allowedNames) {
  auto* server = new CGuardedTcpServer(CAllowedHosts(address, allowedNames), this);
  if (!server->listen(address, port)) {
    const QAbstractSocket::SocketError error = server->serverError();
    delete server;
    return error == QAbstractSocket::AddressInUseError               ? Result::AddressInUse
           : error == QAbstractSocket::SocketAddressNotAvailableError ? Result::AddressNotAvailable
           : error == QAbstractSocket::SocketAccessError              ? Result::AccessDenied
                                                                      : Result::IoDevice;
  }
  m_port = server->serverPort();
  bind(server);
  return Result::Success;
}

void CTunerServer::Close() {
  for (QTcpServer* server : servers()) server->close();
  while (!m_pending.empty())
    Finish(m_pending.begin(), ErrorReply(HttpStatus::ServiceUnavailable, Result::OperationAborted,
                                         QStringLiteral("the server is stopping")));
  m_feed.CloseAll();
}

QJsonObject CTunerServer::Status() const {
  QJsonObject status = StatusObject(m_model, m_lastResult, m_loop.Machine().Values(), m_readingTime);
  status.insert(QStringLiteral("alarm"), m_alarm.Settings().IsOn() ? QJsonValue(m_alarm.IsRaised()) : QJsonValue());
  return status;
}

bool CTunerServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
  // A reply goes out in several writes; held back for the client's delayed
  // acknowledgement, each would wait tens of milliseconds.
  socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  const QString path = request.url().path();
  // An upgrade the request handler accepts goes to the WebSocket server
  // untouched; any other is dropped.
  if (IsWebSocketUpgrade(request.value("upgrade"), request.value("connection"))) return path == u"/api/live";
  if (const Resource* resource = FindResource(path); resource != nullptr && request.method() == Method::Get) {
    QFile file(QLatin1String(resource->file));
    file.open(QIODevice::ReadOnly);  // built in: it is there
    makeResponder(request, socket).write(file.readAll(), {{"Content-Type", resource->type}, {"Cache-Control", "no-store"}});
    return true;
  }
  if (path == u"/metrics" && request.method() == Method::Get) {
    makeResponder(request, socket).write(MetricsText(Status(), m_counters),
                                         {{"Content-Type", kMetricsContentType}, {"Cache-Control", "no-store"}});
    return true;
  }
  if (const ChangeRoute* route = FindChange(path)) {
    if (request.method() != Method::Post)
      Reply(request, socket, ErrorReply(HttpStatus::MethodNotAllowed, Result::NotSupported, path + " takes POST"));
    else
      ChangeByRequest(*route, request, socket);
    return true;
  }
  Reply(request, socket, Answer(request));
  return true;
}

void CTunerServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
  Reply(request, socket, ErrorReply(HttpStatus::NotFound, Result::FileNotFound, QStringLiteral("no such page")));
}

ApiReply CTunerServer::Answer(const QHttpServerRequest& request) const {
  const QString path = request.url().path();
  if (path == u"/api/status" && request.method() == Method::Get) return {HttpStatus::Ok, Status()};
  if (path == u"/api/history" && request.method() == Method::Get) return History(request);
  if (path == u"/api/live")
    return BadRequest(QStringLiteral("/api/live is a WebSocket: connect with ws://"));
  if (path == u"/api/status" || path == u"/api/history" || path == u"/metrics" || FindResource(path) != nullptr)
    return ErrorReply(HttpStatus::MethodNotAllowed, Result::NotSupported, path + QStringLiteral(" takes GET"));
  return ErrorReply(HttpStatus::NotFound, Result::FileNotFound, path + QStringLiteral(": no such page"));
}

// "?minutes=N", 1 to 60 (what the history keeps at the fastest poll); 5 when not given.
ApiReply CTunerServer::History(const QHttpServerRequest& request) const {
  const QString given = request.query().queryItemValue(QStringLiteral("minutes"));
  bool ok = given.isEmpty();
  const int minutes = ok ? 5 : given.toInt(&ok);
  if (!ok || minutes < 1 || minutes > 60)
    return BadRequest(QStringLiteral("minutes takes 1 to 60"), QStringLiteral("minutes"));
  return {HttpStatus::Ok, HistoryObject(m_history, QDateTime::currentDateTimeUtc(), minutes)};
}

const CTunerServer::ChangeRoute CTunerServer::kChangeRoutes[] = {
    {"/api/set", &CTunerServer::QueueSet},
    {"/api/tune", &CTunerServer::QueueTune},
    {"/api/memorize", &CTunerServer::QueueMemorize},
};

QStringList CTunerServer::ChangePaths() {
  QStringList paths;
  for (const ChangeRoute& route : kChangeRoutes) paths << QLatin1String(route.path);
  return paths;
}

const CTunerServer::ChangeRoute* CTunerServer::FindChange(const QString& path) {
  for (const ChangeRoute& route : kChangeRoutes)
    if (path == QLatin1String(route.path)) return &route;
  return nullptr;
}

// A change over HTTP needs the token; then it is judged as every change is.
void CTunerServer::ChangeByRequest(const ChangeRoute& route, const QHttpServerRequest& request, QTcpSocket* socket) {
  if (std::optional<ApiReply> refused = RefuseChange(request, m_token)) return Reply(request, socket, *refused);
  // The request lives while its connection does: a change leaves with it.
  const QPointer<QTcpSocket> connection(socket);
  Change(route, request.body(),
         [this, &request, connection](const ApiReply& reply) { Reply(request, connection, reply); }, socket);
}

void CTunerServer::Change(const QString& path, const QByteArray& body, const ReplyTaker& answer, QTcpSocket* socket) {
  if (const ChangeRoute* route = FindChange(path))
    Change(*route, body, answer, socket);
  else
    answer(ErrorReply(HttpStatus::NotFound, Result::FileNotFound, path + QStringLiteral(": no such change")));
}

// Every change passes the same checks before it is queued.
void CTunerServer::Change(const ChangeRoute& route, const QByteArray& body, const ReplyTaker& answer,
                          QTcpSocket* socket) {
  if (const std::optional<ApiReply> refused = (this->*route.queue)(body, answer, socket)) answer(*refused);
}

// In the words zu6400ctl uses: which firmware the change needs.
ApiReply CTunerServer::NeedsFirmware(unsigned short version) const {
  return ErrorReply(HttpStatus::Conflict, Result::NotSupported, m_model.FirmwareNeededText(version));
}

// Nothing is queued for a tuner that cannot take it now.
std::optional<ApiReply> CTunerServer::RefuseWhileUnreachable() const {
  const QString link = LinkText(m_model, m_lastResult);
  if (link == u"ok") return std::nullopt;
  if (link == u"loader") return TunerErrorReply(Result::NotSupported);
  if (link == QLatin1String(kAnotherDevice))
    return ErrorReply(HttpStatus::ServiceUnavailable, Result::UnexpectedDevice,
                      Format("another device answers on %s (\"%s\"), not a %s", m_model.Run.port,
                             m_model.IdentityReply, ModelName()));
  return ErrorReply(HttpStatus::ServiceUnavailable, Result::DeviceNotConnected,
                    QStringLiteral("the tuner is not answering; the server keeps trying"));
}

std::optional<ApiReply> CTunerServer::QueueSet(const QByteArray& body, const ReplyTaker& answer, QTcpSocket* socket) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(body, &error);
  if (error.error != QJsonParseError::NoError || !document.isObject())
    return BadRequest(QStringLiteral("the body must be a JSON object of settings, such as {\"mode\": \"M\"}"));
  const QJsonObject settings = document.object();
  if (settings.isEmpty()) return BadRequest(QStringLiteral("no setting given (settings: ") + LiveSettingNames() + u')');
  std::vector<LiveWish> wishes;
  for (auto it = settings.begin(); it != settings.end(); ++it) {
    const std::optional<QString> text = SettingText(it.value());
    if (!text) return BadRequest(it.key() + QStringLiteral(": a value is a string or a whole number"), it.key());
    QString problem;
    const std::optional<LiveWish> wish = ParseLiveSetting(it.key(), *text, problem);
    if (!wish) return BadRequest(it.key() + u'=' + *text + QStringLiteral(": ") + problem, it.key());
    wishes.push_back(*wish);
  }
  auto live = std::make_shared<CLiveRequest>(std::move(wishes));
  if (const unsigned short needed = live->NeededVersion(m_model.McuVersion.Get())) return NeedsFirmware(needed);
  if (std::optional<ApiReply> refused = RefuseWhileUnreachable()) return refused;
  live->Ask(Machine().Values());
  Queue(answer, socket, [this, live](ResultCode result) { return live->Judge(result, Machine().Values()); });
  return std::nullopt;
}

// A tune or a memorize takes no body.
std::optional<ApiReply> CTunerServer::QueueTune(const QByteArray&, const ReplyTaker& answer, QTcpSocket* socket) {
  std::optional<ApiReply> refused = QueueFlag(answer, socket, &COperateStateMachine::TuneRequested, 0);
  if (!refused) ++m_counters.tunes;
  return refused;
}

std::optional<ApiReply> CTunerServer::QueueMemorize(const QByteArray&, const ReplyTaker& answer, QTcpSocket* socket) {
  return QueueFlag(answer, socket, &COperateStateMachine::MemorizeRequested, OperateFeature::Memorize);
}

std::optional<ApiReply> CTunerServer::QueueFlag(const ReplyTaker& answer, QTcpSocket* socket,
                                                bool COperateStateMachine::*flag, unsigned short minVersion) {
  if (std::optional<ApiReply> refused = RefuseWhileUnreachable()) return refused;
  if (m_model.McuVersion.Get() < minVersion) return NeedsFirmware(minVersion);
  Machine().*flag = true;
  // The cycle that sends the request clears the flag; one that ends before
  // it (a sleeping tuner, no reply) withdraws it.
  Queue(answer, socket, [this, flag](ResultCode result) -> std::optional<ResultCode> {
    bool& requested = Machine().*flag;
    if (!requested) return result;
    if (!IsFailure(result)) return std::nullopt;
    requested = false;
    return result;
  });
  return std::nullopt;
}

void CTunerServer::Queue(const ReplyTaker& answer, QTcpSocket* socket, Judge judge) {
  m_pending.push_back({answer, std::move(judge), {}});
  const auto pending = std::prev(m_pending.end());
  // A client that left gets no answer.
  if (socket != nullptr)
    pending->gone = connect(socket, &QTcpSocket::disconnected, this, [this, pending] {
      disconnect(pending->gone);
      m_pending.erase(pending);
    });
  m_loop.CycleNow();
}

void CTunerServer::Finish(std::list<Pending>::iterator pending, const ApiReply& reply) {
  disconnect(pending->gone);
  const ReplyTaker answer = std::move(pending->answer);
  m_pending.erase(pending);
  answer(reply);
}

void CTunerServer::OnCycle(ResultCode result) {
  m_lastResult = result;
  const QDateTime now = QDateTime::currentDateTimeUtc();
  const bool answered = result == Result::Success || result == Result::DevicePoweredOff;
  if (answered) m_readingTime = now;
  ++(answered ? m_counters.cyclesOk : m_counters.cyclesFailed);
  if (AddCycleWithAlarm(m_history, m_alarm, now.toMSecsSinceEpoch(), result, Machine().Values()) !=
      CSwrAlarm::Change::None)
    ShowAlarmChange(now.toMSecsSinceEpoch());
  for (auto it = m_pending.begin(); it != m_pending.end();) {
    const auto next = std::next(it);
    if (const std::optional<ResultCode> verdict = it->judge(result))
      Finish(it, *verdict == Result::Success ? ApiReply{HttpStatus::Ok, Status()} : TunerErrorReply(*verdict));
    it = next;
  }
  m_feed.Broadcast(Status());
  emit StatusUpdated();
}

// A change of the alarm is an event of its own on the live feed, ahead of
// the status that shows it.
void CTunerServer::ShowAlarmChange(qint64 time) {
  m_feed.Broadcast(QJsonObject{{"event", "alarm"},
                               {"alarm", m_alarm.IsRaised()},
                               {"swr", std::round(double(m_alarm.ChangedAtSwr()) * 100) / 100},
                               {"threshold", m_alarm.Settings().swr},
                               {"time", QDateTime::fromMSecsSinceEpoch(time, Qt::UTC).toString(Qt::ISODateWithMs)}});
  emit AlarmChanged(m_alarm.IsRaised());
}

void CTunerServer::Reply(const QHttpServerRequest& request, QTcpSocket* socket, const ApiReply& reply) {
  if (socket == nullptr || socket->state() != QAbstractSocket::ConnectedState) return;
  QHttpServerResponder responder = makeResponder(request, socket);
  const QJsonDocument body(reply.body);
  if (reply.status == HttpStatus::Unauthorized)
    responder.write(body, {{"WWW-Authenticate", "Bearer"}}, reply.status);
  else
    responder.write(body, reply.status);
}

void CTunerServer::OnWebSocket() {
  while (hasPendingWebSocketConnections()) m_feed.Add(nextPendingWebSocketConnection(), Status());
}
