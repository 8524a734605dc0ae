// zu6400ctl serve as a process, as a station runs it: on the built-in
// simulated tuner, reached over real sockets, stopped by a signal.

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <sys/stat.h>

#include <csignal>

#include "tests/support/CtlRunner.h"
#include "tests/support/ServerSupport.h"

namespace {

// The most memory the process has held, in KiB (VmHWM).
qint64 PeakMemoryKb(qint64 pid) {
  QFile status(QStringLiteral("/proc/%1/status").arg(pid));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("VmHWM:\\s*(\\d+) kB")).match(status.readAll());
  return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

// A 200 MB frame after the handshake, with its first megabytes: the feed
// closes the connection from the frame's head.
bool LargeFrameIsRefused(quint16 port, const QByteArray& host) {
  QTcpSocket socket;
  socket.connectToHost(QHostAddress::LocalHost, port);
  socket.write(RawGet("/api/live", host, kUpgrade));
  if (!WaitFor([&] { return socket.peek(12).startsWith("HTTP/1.1 101"); }, 10000)) return false;
  QByteArray frame("\x82\xff\x00\x00\x00\x00\x0b\xeb\xc2\x00" "abcd", 14);
  socket.write(frame + QByteArray(4 * 1024 * 1024, 'x'));
  return WaitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, 10000);
}

class ServeCli : public ::testing::Test {
 protected:
  // Starts serve and waits for the address it announces. In real time: a
  // change fails with the first cycle whose reply comes late, and a busy
  // machine must not make a shortened time-out late.
  bool Start(const QStringList& extra = {}) {
    StartCtl(process, QStringList{"serve", "--simulate", "--listen", "127.0.0.1:0"} + extra, config.path(), 1);
    const QRegularExpression serving(QStringLiteral("Serving the ZU6400 on (http://127.0.0.1:\\d+)/"));
    WaitFor([&] {
      err += QString::fromUtf8(process.readAllStandardError());
      return serving.match(err).hasMatch() || process.state() == QProcess::NotRunning;
    }, 30000);
    base = serving.match(err).captured(1);
    return !base.isEmpty() && WaitFor([this] { return Status()["link"].toString() == "ok"; }, 30000);
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
  const CtlRun run = Stop();
  EXPECT_EQ(run.status, 0) << run.err.toStdString();

  // The next start keeps the token and does not print it again.
  ASSERT_TRUE(Start()) << err.toStdString();
  EXPECT_TRUE(Token().isEmpty());
  EXPECT_EQ(Post("/api/tune", "{}", token).status, 200);
  EXPECT_EQ(Stop().status, 0);
}

// With a token given for the run, which replaces the one it would make.
TEST_F(ServeCli, RefusesFromTheHeadsKeepsItsMemoryLowAndGoesByTheNamesAllowed) {
  ASSERT_TRUE(Start({"--allow-host", "shack.local", "--allow-host", "zu6400.example", "--token", "given-for-this-run"}))
      << err.toStdString();
  EXPECT_TRUE(Token().isEmpty());
  EXPECT_EQ(Post("/api/tune", "{}", "given-for-this-run").status, 200);
  const quint16 port = QUrl(base).port();
  const QByteArray own = "127.0.0.1:" + QByteArray::number(port);
  const RawReply huge = Exchange(port, "POST /api/set HTTP/1.1\r\nHost: " + own + "\r\nContent-Length: 300000000\r\n\r\n");
  EXPECT_EQ(huge.status, 413);
  EXPECT_TRUE(LargeFrameIsRefused(port, own));
  const qint64 peak = PeakMemoryKb(process.processId());
  EXPECT_GT(peak, 0);
  EXPECT_LT(peak, 100 * 1024);

  for (const char* name : {"shack.local", "zu6400.example:6400"})
    EXPECT_EQ(Exchange(port, RawGet("/api/status", name), 5000, true).status, 200) << name;
  EXPECT_EQ(Exchange(port, RawGet("/api/status", "evil.example")).status, 421);
  EXPECT_EQ(Stop().status, 0);
}

}  // namespace
