// zu6400ctl serve under load, as a process against the built-in simulated
// tuner: the latency of status requests from 20 clients at once (median and
// p99), and the poll cycle's period with 50 live clients against none.
// Prints the figures; it does not pass or fail on them.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QWebSocket>
#include <algorithm>
#include <csignal>
#include <functional>
#include <memory>
#include <vector>

namespace {
constexpr int kClients = 20;
constexpr int kRequestsEach = 200;
constexpr int kLiveClients = 50;
constexpr int kPeriodMs = 6000;

bool Until(const std::function<bool()>& done, int timeoutMs) {
  QDeadlineTimer deadline(timeoutMs);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return true;
}

// One keep-alive connection asking for the status again as each answer ends.
class CStatusClient {
 public:
  CStatusClient(quint16 port, std::vector<double>& samples) : m_port(port), m_samples(samples) {
    QObject::connect(&m_socket, &QTcpSocket::readyRead, [this] { OnRead(); });
    m_socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    m_socket.waitForConnected(5000);
    Ask();
  }
  bool Done() const { return m_answered >= kRequestsEach; }

 private:
  void Ask() {
    m_buffer.clear();
    m_clock.start();
    m_socket.write("GET /api/status HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(m_port) + "\r\n\r\n");
  }
  void OnRead() {
    m_buffer += m_socket.readAll();
    const qsizetype end = m_buffer.indexOf("\r\n\r\n");
    if (end < 0) return;
    const QRegularExpressionMatch length =
        QRegularExpression(QStringLiteral("Content-Length: (\\d+)"), QRegularExpression::CaseInsensitiveOption)
            .match(QString::fromLatin1(m_buffer.left(end)));
    if (!length.hasMatch() || m_buffer.size() < end + 4 + length.captured(1).toLongLong()) return;
    m_samples.push_back(m_clock.nsecsElapsed() / 1e6);
    if (++m_answered < kRequestsEach) Ask();
  }

  QTcpSocket m_socket;
  quint16 m_port;
  std::vector<double>& m_samples;
  QByteArray m_buffer;
  QElapsedTimer m_clock;
  int m_answered = 0;
};

double Percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[std::min(v.size() - 1, static_cast<std::size_t>(p * v.size()))];
}

// The mean time between readings, from the times the live feed reports.
double CyclePeriod(const QUrl& live) {
  QWebSocket probe;
  QStringList times;
  QObject::connect(&probe, &QWebSocket::textMessageReceived, [&](const QString& m) {
    const QString time = QJsonDocument::fromJson(m.toUtf8()).object()[QStringLiteral("time")].toString();
    if (times.isEmpty() || times.last() != time) times << time;
  });
  probe.open(live);
  Until([] { return false; }, kPeriodMs);
  if (times.size() < 3) return 0;
  const QDateTime first = QDateTime::fromString(times[1], Qt::ISODateWithMs);
  const QDateTime last = QDateTime::fromString(times.last(), Qt::ISODateWithMs);
  return double(first.msecsTo(last)) / (times.size() - 2);
}
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTextStream out(stdout);
  QTemporaryDir config;
  // The shortest poll interval, so that the cycle's own time shows.
  QDir(config.path()).mkpath(QStringLiteral("Corvanta"));
  QFile settings(config.filePath(QStringLiteral("Corvanta/ZU6400 Utility.conf")));
  settings.open(QIODevice::WriteOnly);
  settings.write("[General]\nOperatePollInterval=20\n");
  settings.close();

  QProcess serve;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
  serve.setProcessEnvironment(env);
  serve.start(QStringLiteral(ZU6400CTL_PATH), {"serve", "--simulate", "--listen", "127.0.0.1:0", "--token", "bench"});
  QString err;
  quint16 port = 0;
  const QRegularExpression serving(QStringLiteral("http://127.0.0.1:(\\d+)/"));
  Until([&] {
    serve.waitForReadyRead(100);
    err += QString::fromUtf8(serve.readAllStandardError());
    port = serving.match(err).captured(1).toUShort();
    return port != 0;
  }, 30000);
  if (port == 0) {
    out << "serve did not start: " << err << "\n";
    return 1;
  }
  const QUrl live(QStringLiteral("ws://127.0.0.1:%1/api/live").arg(port));
  Until([] { return false; }, 2000);  // contact and the first cycles

  std::vector<double> samples;
  std::vector<std::unique_ptr<CStatusClient>> clients;
  QElapsedTimer wall;
  wall.start();
  for (int i = 0; i < kClients; ++i) clients.push_back(std::make_unique<CStatusClient>(port, samples));
  Until([&] { return std::all_of(clients.begin(), clients.end(), [](const auto& c) { return c->Done(); }); }, 120000);
  out << QString::asprintf("status from %d clients at once: %zu requests in %.0f ms, median %.2f ms, p99 %.2f ms\n",
                           kClients, samples.size(), wall.nsecsElapsed() / 1e6, Percentile(samples, 0.5),
                           Percentile(samples, 0.99));
  clients.clear();

  const double alone = CyclePeriod(live);
  std::vector<std::unique_ptr<QWebSocket>> listeners;
  for (int i = 0; i < kLiveClients; ++i) {
    listeners.push_back(std::make_unique<QWebSocket>());
    listeners.back()->open(live);
  }
  Until([&] {
    return std::all_of(listeners.begin(), listeners.end(),
                       [](const auto& l) { return l->state() == QAbstractSocket::ConnectedState; });
  }, 20000);
  const double loaded = CyclePeriod(live);
  out << QString::asprintf("poll cycle period: %.1f ms with no live clients, %.1f ms with %d (%.3f x)\n", alone, loaded,
                           kLiveClients, alone > 0 ? loaded / alone : 0.0);
  listeners.clear();

  ::kill(static_cast<pid_t>(serve.processId()), SIGTERM);
  serve.waitForFinished(10000);
  return 0;
}
