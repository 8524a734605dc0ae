// zu6400ctl serve as a process, as a station runs it: on the built-in
// simulated tuner, reached over real sockets, stopped by a signal.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QWebSocket>
#include <sys/stat.h>

#include <csignal>

#include "CtlRunner.h"
#include "ServerSupport.h"

namespace {

class ServeCli : public ::testing::Test {
 protected:
  // Starts serve and waits for the address it announces.
  bool Start(const QStringList& extra = {}) {
    StartCtl(process, QStringList{"serve", "--simulate", "--listen", "127.0.0.1:0"} + extra, config.path());
    QElapsedTimer clock;
    clock.start();
    const QRegularExpression serving(QStringLiteral("Serving the ZU6400 on (http://127.0.0.1:\\d+)/"));
    while (clock.elapsed() < 30000 && process.state() != QProcess::NotRunning) {
      process.waitForReadyRead(200);
      err += QString::fromUtf8(process.readAllStandardError());
      const QRegularExpressionMatch match = serving.match(err);
      if (match.hasMatch()) {
        base = match.captured(1);
        return WaitFor([this] { return Status()["link"].toString() == "ok"; }, 30000);
      }
    }
    return false;
  }
  QJsonObject Status() { return Http("GET", QUrl(base + "/api/status")).Json(); }
  HttpReply Post(const QString& path, const QByteArray& body, const QString& token) {
    return Http("POST", QUrl(base + path), body, {{"Authorization", "Bearer " + token.toUtf8()}});
  }
  QString Token() const {
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("token[^:]*: ([0-9a-f]+)")).match(err);
    return match.hasMatch() ? match.captured(1) : QString();
  }
  CtlRun Stop() {
    ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    CtlRun run = FinishCtl(process);
    run.err.prepend(err);
    err.clear();
    return run;
  }

  QTemporaryDir config;
  QProcess process;
  QString err;
  QString base;
};

TEST_F(ServeCli, ServesTheSimulatedTunerUntilSigtermAndKeepsItsMadeToken) {
  ASSERT_TRUE(Start()) << err.toStdString();
  const QString token = Token();
  ASSERT_EQ(token.size(), 32) << err.toStdString();
  struct stat settings {};
  ASSERT_EQ(stat(QFile::encodeName(config.path() + "/Corvanta/ZU6400 Utility.conf").constData(), &settings), 0);
  EXPECT_EQ(settings.st_mode & 0777, 0600u) << "only its owner may read the token";
  EXPECT_EQ(Status()["band"].toString(), "20");
  EXPECT_EQ(Post("/api/set", R"({"mode": "M"})", token).Json()["mode"].toString(), "M");

  QWebSocket live;
  bool goodbye = false;
  QObject::connect(&live, &QWebSocket::disconnected, [&] { goodbye = true; });
  live.open(QUrl(QString(base).replace("http:", "ws:") + "/api/live"));
  ASSERT_TRUE(WaitFor([&] { return live.state() == QAbstractSocket::ConnectedState; }, 10000));
  CtlRun run = Stop();
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains("Stopped serving"));
  EXPECT_TRUE(WaitFor([&] { return goodbye; }, 5000));
  EXPECT_EQ(live.closeCode(), QWebSocketProtocol::CloseCodeGoingAway);

  // The next start keeps the token and does not print it again.
  ASSERT_TRUE(Start()) << err.toStdString();
  EXPECT_TRUE(Token().isEmpty());
  EXPECT_EQ(Post("/api/tune", "{}", token).status, 200);
  run = Stop();
  EXPECT_EQ(run.status, 0);

  // A token given for the run replaces it.
  ASSERT_TRUE(Start({"--token", "given-for-this-run"}));
  EXPECT_EQ(Post("/api/tune", "{}", token).status, 401);
  EXPECT_EQ(Post("/api/tune", "{}", "given-for-this-run").status, 200);
  EXPECT_EQ(Stop().status, 0);
}

TEST_F(ServeCli, AMadeTokenTheSettingsCannotKeepHoldsForThisRunAndSaysSo) {
  ASSERT_TRUE(QDir().mkpath(config.path() + "/Corvanta/ZU6400 Utility.conf"));  // a folder where the file goes
  ASSERT_TRUE(Start()) << err.toStdString();
  EXPECT_TRUE(err.contains("(for this run only: the settings file " + config.path() + "/Corvanta/ZU6400 Utility.conf"))
      << err.toStdString();
  EXPECT_FALSE(err.contains("kept in the settings"));
  EXPECT_EQ(Token().size(), 32);
  EXPECT_EQ(Stop().status, 0);
}

TEST_F(ServeCli, AnAddressItCannotListenOnIsAClearError) {
  for (const char* bad : {"nonsense", "127.0.0.1", "127.0.0.1:65536", "127.0.0.1:-1", "localhost:80x", ":6400"}) {
    const CtlRun run = RunCtl({"serve", "--simulate", "--listen", bad}, config.path());
    EXPECT_EQ(run.status, 2) << bad;
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("zu6400ctl: --listen %1: --listen takes ADDRESS:PORT").arg(bad)))
        << run.err.toStdString();
  }
  QTcpServer taken;
  ASSERT_TRUE(taken.listen(QHostAddress::LocalHost, 0));
  const CtlRun run =
      RunCtl({"serve", "--simulate", "--listen", QStringLiteral("127.0.0.1:%1").arg(taken.serverPort())}, config.path());
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.contains("error 0x00002740: ")) << run.err.toStdString();
}

}  // namespace
