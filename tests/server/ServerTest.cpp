// The HTTP API and the live feed in-process on a real socket, over the poll
// loop and the simulated tuner on a pseudo-terminal.

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QNetworkInterface>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QWebSocket>

#include "tests/support/ServerSupport.h"
#include "server/AllowedHosts.h"
#include "server/GuardedTcpServer.h"
#include "server/RequestHead.h"

namespace {

// The server alone: no tuner is needed to judge requests.
class ServerGuard : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(f.server.Listen(QHostAddress::LocalHost, 0), Result::Success); }
  quint16 Port() const { return f.server.Port(); }
  QByteArray Own() const { return "127.0.0.1:" + QByteArray::number(Port()); }
  ServerFixture f{{}, false};
};

// The status with where it comes from; what a change sends is the operate
// machine's to prove: here a change goes through the loop and comes back,
// and one the tuner cannot or will not make comes back with its result code.
TEST(Server, StatusAndAChangeThatReachesTheTunerOrComesBackWithItsResultCode) {
  ServerFixture f(Firmware("01.18"));  // memorize (00.94), but no power switch (01.19)
  ASSERT_TRUE(f.Start());
  const QJsonObject o = f.Get("/api/status").Json();
  EXPECT_EQ(KeysNotInSnakeCase(o), QStringList());
  EXPECT_EQ(o["port"].toString(), f.SimPort());
  EXPECT_EQ(o["firmware"].toString(), "01.18");
  EXPECT_TRUE(o.contains("alarm") && o["alarm"].isNull()) << "no alarm was set";
  EXPECT_TRUE(QDateTime::fromString(o["time"].toString(), Qt::ISODateWithMs).isValid());

  const HttpReply set = f.Post("/api/set", R"({"mode": "M", "c": "0x1f"})");
  ASSERT_EQ(set.status, 200) << set.body.constData();
  EXPECT_EQ(set.Json()["c"].toObject()["hex"].toString(), "0x1f");
  EXPECT_EQ(f.Sim().Live().State().mode, 'M');
  ASSERT_EQ(f.Post("/api/memorize").status, 200);
  EXPECT_TRUE(f.Sim().Live().Memory(5, 1).has_value());
  // A setting's own need is judged before anything is queued.
  const HttpReply old = f.Post("/api/set", R"({"power": "off"})");
  EXPECT_EQ(old.status, 409);
  EXPECT_EQ(old.Json()["text"].toString(), "Needs firmware 01.19 or newer; this ZU6400 has 01.18");
  // A setting the tuner keeps refusing: the reply comes after the last cycle.
  f.Sim().Live().RefuseSetting("an");
  const HttpReply refused = f.Post("/api/set", R"({"antenna": 3})");
  EXPECT_EQ(refused.status, 502);
  EXPECT_EQ(refused.Json()["error"].toString(), "0xE2000044");
}

// The readings kept so far, for a page that opens now, and only the
// dashboard's own files; nothing from the file system, however the path is spelled.
TEST_F(ServerGuard, HistoryAndOnlyTheDashboardsOwnFilesAreServed) {
  EXPECT_TRUE(Http("GET", f.Url("/api/history?minutes=1")).Json()["points"].isArray());
  const struct {
    QByteArray method;
    const char* path;
    int status;
  } requests[] = {
      {"GET", "/dashboard.js", 200},
      {"GET", "/index.html/../../etc/passwd", 404},
      {"GET", "/%2e%2e/%2e%2e/etc/passwd", 404},
      {"GET", "/api/unknown", 404},
      {"GET", "/api/history?minutes=61", 400},
      {"POST", "/api/status", 405},
  };
  for (const auto& r : requests) EXPECT_EQ(Http(r.method, f.Url(r.path)).status, r.status) << r.method.data() << r.path;
}

// Over every route that changes the tuner, as the server lists them: each
// refusal's status, judged before the body; for a malformed change also the
// field at fault. The next cycle carries none of it to the tuner.
TEST(Server, EveryChangeIsRefusedWithoutTheTokenFromAnotherSiteOrMalformed) {
  const struct {
    const char* what;
    QString token;
    QByteArray origin;
    int status;
  } refusals[] = {{"no token", QString(), {}, 401},
                  {"wrong token", "not-the-token", {}, 401},
                  {"foreign origin", kTestToken, "http://evil.example", 403},
                  {"this host on another port", kTestToken, "http://127.0.0.1:1", 403}};
  const struct {
    const char* what;
    QByteArray body;
    int status;
    const char* field;
  } malformed[] = {
      {"bad JSON", R"({"mode": "M")", 400, ""},
      {"unknown name", R"({"mode": "M", "colour": "red"})", 400, "colour"},
      {"fraction", R"({"antenna": 1.5})", 400, "antenna"},
      {"5 KiB body", "{\"mode\": \"" + QByteArray(5 * 1024, 'M') + "\"}", 413, ""},
  };
  ServerFixture f;
  ASSERT_TRUE(f.Start());
  f.loop.Stop();
  ASSERT_TRUE(WaitFor([&] { return f.machine.IsIdle(); }, 5000));
  f.Sim().ClearReceived();
  const QStringList paths = CTunerServer::ChangePaths();
  ASSERT_FALSE(paths.isEmpty());
  for (const QString& path : paths) {
    for (const auto& refusal : refusals) {
      SCOPED_TRACE(path.toStdString() + ", " + refusal.what);
      EXPECT_EQ(f.Post(path, "{}", refusal.token, refusal.origin).status, refusal.status);
    }
  }
  for (const auto& c : malformed) {
    const HttpReply reply = f.Post("/api/set", c.body);
    EXPECT_EQ(reply.status, c.status) << c.what;
    EXPECT_EQ(reply.Json()["field"].toString(), QLatin1String(c.field)) << c.what;
  }
  f.loop.CycleNow();
  ASSERT_EQ(f.NextCycle(), Result::Success);
  for (const char* sent : {"MDM;", "vswrb;t;", "sm;"}) EXPECT_FALSE(f.Sim().Received().contains(sent)) << sent;
}

// Each client has the status on joining, then one message per cycle.
TEST(Server, TheLiveFeedSendsEachCycleToEveryClient) {
  ServerFixture f;
  ASSERT_TRUE(f.Start());
  LiveClient clients[2];
  int cyclesAtOpen[2] = {0, 0};
  for (int i = 0; i < 2; ++i) {
    QObject::connect(&clients[i].socket, &QWebSocket::connected, [&f, &cyclesAtOpen, i] { cyclesAtOpen[i] = f.cycles; });
    clients[i].Open(f.Url("/api/live", "ws"));
  }
  ASSERT_TRUE(WaitFor([&] { return clients[0].messages.size() >= 4 && clients[1].messages.size() >= 4; }, 15000));
  f.loop.Stop();
  WaitFor([] { return false; }, 150);  // the last cycle's messages arrive
  for (int i = 0; i < 2; ++i) {
    EXPECT_LE(clients[i].messages.size(), 1 + f.cycles - cyclesAtOpen[i] + 1) << i;
    EXPECT_GE(clients[i].messages.size(), f.cycles - cyclesAtOpen[i]) << i;
  }
  clients[0].socket.close();
  ASSERT_TRUE(WaitFor([&] { return f.server.LiveClients() == 1; }, 5000));

  // Closing tells the clients and answers what waits.
  f.server.Close();
  EXPECT_TRUE(WaitFor([&] { return f.server.LiveClients() == 0; }, 5000));
  EXPECT_TRUE(WaitFor([&] { return clients[1].socket.closeCode() == QWebSocketProtocol::CloseCodeGoingAway; }, 5000));
  EXPECT_EQ(f.Get("/api/status").status, 0);
}

// The adapter is unplugged and plugged back in: the device path (a link, as
// the system's by-id names are) vanishes and comes back to a new device.
TEST(Server, ATunerThatVanishesIsLostThenFoundAgainWithoutARestart) {
  CTimeScaleScope fast(kSearchTime);
  QTemporaryDir dir;
  const QString path = dir.filePath("ttyZU6400");
  auto sim = std::make_unique<CSimulatorThread>(Firmware("01.97"));
  ASSERT_TRUE(sim->Start());
  ASSERT_TRUE(QFile::link(sim->SlavePath(), path));
  ServerFixture f({}, false);
  f.Model().Run.port = path;
  ASSERT_TRUE(f.Start());

  QFile::remove(path);  // first, so that no retry reaches another test's pseudo-terminal
  sim->Tuner().Vanish();
  sim.reset();
  ASSERT_TRUE(WaitFor([&] { return f.Link() == "lost"; }, 15000));
  const HttpReply refused = f.Post("/api/set", R"({"mode": "M"})");
  EXPECT_EQ(refused.status, 503);
  EXPECT_EQ(refused.Json()["error"].toString(), "0x0000048F");

  sim = std::make_unique<CSimulatorThread>(Firmware("01.97"));
  ASSERT_TRUE(sim->Start());
  ASSERT_TRUE(QFile::link(sim->SlavePath(), path));
  ASSERT_TRUE(WaitFor([&] { return f.Link() == "ok"; }, 20000));
  EXPECT_EQ(f.Post("/api/set", R"({"mode": "M"})").status, 200);
  f.loop.Stop();
  WaitFor([&] { return f.machine.IsIdle() && f.Model().ContactMachine->IsIdle(); }, 5000);
}

// The samples of an exposition by series ("name" or "name{labels}").
QMap<QString, double> Samples(const QByteArray& text) {
  QMap<QString, double> samples;
  for (const QByteArray& line : text.split('\n')) {
    if (line.isEmpty() || line.startsWith('#')) continue;
    const qsizetype space = line.lastIndexOf(' ');
    samples.insert(QString::fromUtf8(line.left(space)), line.mid(space + 1).toDouble());
  }
  return samples;
}

// promtool check metrics on the text; its complaints, empty when none.
QString PromtoolProblems(const QByteArray& text) {
  QProcess promtool;
  promtool.start(QStringLiteral("promtool"), {"check", "metrics"});
  promtool.write(text);
  promtool.closeWriteChannel();
  if (!promtool.waitForFinished(20000)) return QStringLiteral("promtool did not run");
  const QString said = QString::fromUtf8(promtool.readAllStandardOutput() + promtool.readAllStandardError());
  return promtool.exitCode() == 0 ? QString() : said;
}

// The alarm has no hold time here: the first reading past the threshold
// raises it (the hold is the alarm's own).
TEST(Server, MetricsPassPromtoolAndShowTheStatusInBaseUnitsAndTheAlarmAsTheFeedDoes) {
  ServerFixture f;
  f.server.SetAlarm({3, 0});  // above the untuned 2.6
  ASSERT_TRUE(f.Start());
  LiveClient live;
  live.Open(f.Url("/api/live", "ws"));
  f.Sim().Live().SetTuneDuration(100);
  ASSERT_EQ(f.Post("/api/tune").status, 200);
  // Once the relays are still, the two pages show the same readings.
  ASSERT_TRUE(WaitFor([&] { return !f.Sim().Live().IsTuning(); }, 5000));
  ASSERT_TRUE(f.NextCycle() && f.NextCycle());
  const HttpReply reply = f.Get("/metrics");
  EXPECT_EQ(reply.contentType, "text/plain; version=0.0.4; charset=utf-8");
  EXPECT_EQ(PromtoolProblems(reply.body), QString());
  const QJsonObject status = f.Get("/api/status").Json();
  const QMap<QString, double> m = Samples(reply.body);
  EXPECT_DOUBLE_EQ(m["zu6400_swr"], status["swr"].toDouble());
  EXPECT_DOUBLE_EQ(m["zu6400_frequency_hertz"], status["frequency"].toInt() * 1000.0);
  EXPECT_DOUBLE_EQ(m["zu6400_capacitance_farads"], status["c"]["pf"].toInt() * 1e-12);
  EXPECT_EQ(m["zu6400_tunes_total"], 1);
  EXPECT_EQ(m["zu6400_tuner_info{firmware=\"01.97\",serial=\"1234\"}"], 1);
  EXPECT_EQ(m.value("zu6400_alarm", -1), 0);

  // Without a carrier the tuner gives no SWR: absent, not 0.
  f.Sim().Live().Replay({{0, 0, 0, 0}});
  ASSERT_TRUE(f.NextCycle() && f.NextCycle());
  EXPECT_FALSE(f.Get("/metrics").body.contains("zu6400_swr "));

  f.Sim().Live().Replay({{0, 3.5, 120, 68}});
  ASSERT_TRUE(WaitFor([&] { return f.Get("/metrics").body.contains("\nzu6400_alarm 1\n"); }, 10000));
  const auto event = [&] {
    return std::find_if(live.messages.begin(), live.messages.end(), [](const QJsonObject& o) { return o.contains("event"); });
  };
  ASSERT_TRUE(WaitFor([&] { return event() != live.messages.end(); }, 5000));
  EXPECT_EQ((*event())["event"].toString(), "alarm");
  EXPECT_TRUE((*event())["alarm"].toBool());
  EXPECT_EQ((*event())["threshold"].toDouble(), 3);
}

TEST(AllowedHosts, TheServerGoesByLoopbackItsAddressAndTheGivenNamesOnly) {
  const CAllowedHosts local(QHostAddress("127.0.0.1"), {"Shack.local"});
  for (const char* host : {"127.0.0.1", "LOCALHOST:1", "[::1]:6400", "SHACK.LOCAL"})
    EXPECT_TRUE(local.AllowsHost(host)) << host;
  for (const char* host : {"", "127.0.0.1.evil.example", "evil@127.0.0.1:6400", "127.0.0.1/x", "192.168.1.10:6400"})
    EXPECT_FALSE(local.AllowsHost(host)) << host;
  EXPECT_TRUE(local.AllowsOrigin(""));  // a program, not a page
  EXPECT_TRUE(local.AllowsOrigin("http://shack.local:6400"));
  EXPECT_FALSE(local.AllowsOrigin("null"));

  // Listening on every address: each of this computer's own addresses.
  const CAllowedHosts everywhere(QHostAddress::AnyIPv4, {});
  for (const QHostAddress& own : QNetworkInterface::allAddresses()) {
    if (own.protocol() != QAbstractSocket::IPv4Protocol) continue;
    EXPECT_TRUE(everywhere.AllowsHost(own.toString().toLatin1() + ":6400")) << own.toString().toStdString();
  }
  EXPECT_FALSE(everywhere.AllowsHost("203.0.113.7:6400"));
}

// Heads are found however the bytes arrive: split anywhere, several at once
// with their bodies counted past, with bare line feeds.
TEST(RequestHead, EachHeadIsJudgedOnceWhateverTheBytesArriveIn) {
  const QByteArray stream = "POST /a HTTP/1.1\r\nHost: one\r\nContent-Length: 5\r\n\r\nHost:"
                            "GET /b HTTP/1.1\nhost: two\n\n";
  for (const qsizetype split : {qsizetype(1), qsizetype(7), stream.size()}) {
    CRequestHead head;
    QByteArrayList hosts;
    CRequestHead::Step step = CRequestHead::Step::Partial;
    for (qsizetype at = 0; at < stream.size(); at += split)
      step = head.Read(stream.mid(at, split), [&] {
        hosts << head.Value("host");
        return true;
      });
    EXPECT_EQ(hosts, (QByteArrayList{"one", "two"})) << split;
    EXPECT_EQ(step, CRequestHead::Step::Complete) << split;
  }
  CRequestHead head;
  EXPECT_EQ(head.Read("GET / HTTP/1.1\r\nHost: x\r\n", [] { return true; }), CRequestHead::Step::Partial);
  EXPECT_EQ(head.Read(QByteArray(kLargestHead, 'x'), [] { return true; }), CRequestHead::Step::TooLarge);
}

TEST_F(ServerGuard, AForeignHostIsMisdirectedOnEveryPathAndTheFeedRefusesAForeignOrigin) {
  const RawReply reply = Exchange(Port(), RawGet("/api/live", "evil.example", kUpgrade));
  EXPECT_EQ(reply.status, 421);
  EXPECT_TRUE(reply.closed);
  EXPECT_EQ(Exchange(Port(), RawGet("/api/live", Own(), kUpgrade + "Origin: http://evil.example\r\n")).status, 403);
  EXPECT_EQ(Exchange(Port(), RawGet("/api/live", Own(), kUpgrade + "Origin: http://" + Own() + "\r\n"), 5000, true).status, 101);
  // Half an upgrade is a plain request, answered (not held without a word).
  EXPECT_EQ(Exchange(Port(), RawGet("/api/live", Own(), "Upgrade: websocket\r\n"), 5000, true).status, 400);
}

TEST_F(ServerGuard, AnAddressInUseIsRefusedWithItsCode) {
  CTunerServer second{f.loop, f.Model(), kTestToken};
  EXPECT_EQ(second.Listen(QHostAddress::LocalHost, Port()), Result::AddressInUse);
}

TEST_F(ServerGuard, UnboundedBodiesAreRefusedAndAHalfSentRequestIsClosedInTime) {
  const QByteArray post = "POST /api/set HTTP/1.1\r\nHost: " + Own() + "\r\n";
  EXPECT_EQ(Exchange(Port(), post + "Transfer-Encoding: chunked\r\n\r\n").status, 411);
  EXPECT_EQ(Exchange(Port(), post + "X: " + QByteArray(kLargestHead, 'x')).status, 431);

  CTimeScaleScope fast(500);  // 10 s pass in 20 ms
  RawReply reply = Exchange(Port(), post + "Content-Length: 10\r\n\r\n{\"mode\"");
  EXPECT_EQ(reply.status, 408);
  EXPECT_TRUE(reply.closed);
  EXPECT_EQ(Exchange(Port(), "GET /api/status HTTP/1.1\r\n").status, 408);
  // Idle after its answer: closed without a word.
  reply = Exchange(Port(), RawGet("/api/status", Own()));
  EXPECT_EQ(reply.status, 200);
  EXPECT_TRUE(reply.closed);
}

TEST_F(ServerGuard, The65thConnectionIsRefusedUntilOneCloses) {
  // One at a time: the system's queue of connections not yet taken is shorter than the cap.
  std::vector<std::unique_ptr<QTcpSocket>> open;
  for (int i = 0; i < kMostConnections; ++i) {
    auto& socket = open.emplace_back(std::make_unique<QTcpSocket>());
    socket->connectToHost(QHostAddress::LocalHost, Port());
    socket->write(RawGet("/api/status", Own()));
    ASSERT_TRUE(WaitFor([&] { return socket->bytesAvailable() > 0; }, 10000)) << i;
  }
  const RawReply refused = Exchange(Port(), RawGet("/api/status", Own()));
  EXPECT_EQ(refused.status, 503);
  EXPECT_TRUE(refused.bytes.contains("too many open connections (64)"));
  open.back()->disconnectFromHost();
  open.pop_back();
  EXPECT_TRUE(WaitFor([&] { return Exchange(Port(), RawGet("/api/status", Own()), 5000, true).status == 200; }, 5000));
}

}  // namespace
