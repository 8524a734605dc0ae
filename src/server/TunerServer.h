#pragma once
// The tuner on the network: the HTTP API, the live WebSocket feed and the
// web dashboard, over the live state a poll loop keeps current. Changes are
// queued into the operate machine as the Operate page's controls queue them,
// and each is answered when a cycle has shown its outcome.

#include <QAbstractHttpServer>
#include <QDateTime>
#include <QHostAddress>
#include <QPointer>
#include <QTcpSocket>
#include <functional>
#include <list>
#include <optional>

#include "machines/operate/PollLoop.h"
#include "machines/operate/ReadingsHistory.h"
#include "machines/operate/SwrAlarm.h"
#include "server/ApiReply.h"
#include "server/LiveFeed.h"
#include "server/MetricsReport.h"

class CTunerServer : public QAbstractHttpServer {
  Q_OBJECT
 public:
  CTunerServer(CPollLoop& loop, CModelBase& model, const QString& token, QObject* parent = nullptr);
  ~CTunerServer() override;

  // Listens on the address and port (port 0: one the system picks), for
  // requests that name this computer or one of the names given.
  ResultCode Listen(const QHostAddress& address, quint16 port, const QStringList& allowedNames = {});
  quint16 Port() const { return m_port; }
  // Stops listening, answers what waits with an error and tells the live
  // clients, who then leave.
  void Close();
  std::size_t LiveClients() const { return m_feed.Count(); }
  QJsonObject Status() const;
  // The paths of the requests that change the tuner, each a POST.
  static QStringList ChangePaths();
  // The SWR alarm from now on (none unless set); it starts cleared.
  void SetAlarm(const SwrAlarmSettings& settings) { m_alarm.Configure(settings); }
  const CSwrAlarm& Alarm() const { return m_alarm; }

  // Takes a change's reply, given once: at once, or when the cycles showed it.
  using ReplyTaker = std::function<void(const ApiReply& reply)>;
  // A change as POST takes it (one of ChangePaths() and its body) from a
  // client the token does not concern (the broker checked it), judged by the
  // same rules; the socket whose loss withdraws it, if any.
  void Change(const QString& path, const QByteArray& body, const ReplyTaker& answer, QTcpSocket* socket = nullptr);

 signals:
  // After each poll cycle, once the status shows it.
  void StatusUpdated();
  void AlarmChanged(bool raised);

 protected:
  bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
  void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

 private:
  // A change waiting for the cycles that show its outcome: judge returns the
  // outcome once there is one, answer takes the reply. A change that came
  // over a connection leaves with it (gone).
  using Judge = std::function<std::optional<ResultCode>(ResultCode cycleResult)>;
  struct Pending {
    ReplyTaker answer;
    Judge judge;
    QMetaObject::Connection gone;
  };

  // A read: the status, or why there is none at the path.
  ApiReply Answer(const QHttpServerRequest& request) const;
  ApiReply History(const QHttpServerRequest& request) const;
  using Queuer = std::optional<ApiReply> (CTunerServer::*)(const QByteArray& body, const ReplyTaker& answer,
                                                          QTcpSocket* socket);
  struct ChangeRoute {
    const char* path;
    Queuer queue;
  };
  static const ChangeRoute kChangeRoutes[];
  static const ChangeRoute* FindChange(const QString& path);

  void ChangeByRequest(const ChangeRoute& route, const QHttpServerRequest& request, QTcpSocket* socket);
  void Change(const ChangeRoute& route, const QByteArray& body, const ReplyTaker& answer, QTcpSocket* socket);
  std::optional<ApiReply> RefuseWhileUnreachable() const;
  ApiReply NeedsFirmware(unsigned short version) const;
  std::optional<ApiReply> QueueSet(const QByteArray& body, const ReplyTaker& answer, QTcpSocket* socket);
  std::optional<ApiReply> QueueTune(const QByteArray& body, const ReplyTaker& answer, QTcpSocket* socket);
  std::optional<ApiReply> QueueMemorize(const QByteArray& body, const ReplyTaker& answer, QTcpSocket* socket);
  std::optional<ApiReply> QueueFlag(const ReplyTaker& answer, QTcpSocket* socket, bool COperateStateMachine::*flag,
                                    unsigned short minVersion);
  void Queue(const ReplyTaker& answer, QTcpSocket* socket, Judge judge);
  void OnCycle(ResultCode result);
  void ShowAlarmChange(qint64 time);
  COperateStateMachine& Machine() { return m_loop.Machine(); }
  void Reply(const QHttpServerRequest& request, QTcpSocket* socket, const ApiReply& reply);
  void Finish(std::list<Pending>::iterator pending, const ApiReply& reply);
  void OnWebSocket();

  CPollLoop& m_loop;
  CModelBase& m_model;
  QString m_token;
  CLiveFeed m_feed;
  std::list<Pending> m_pending;
  // What the dashboard draws at once when it opens.
  CReadingsHistory m_history;
  QDateTime m_readingTime;
  CSwrAlarm m_alarm;
  MetricsCounters m_counters;
  ResultCode m_lastResult = Result::DeviceNotConnected;  // "lost" until the first cycle
  quint16 m_port = 0;
};
