#include "tests/support/Ser2NetServer.h"

#include <QFile>

#include "tests/support/TestSupport.h"

// Waits until something listens on 127.0.0.1:port.
static bool WaitUntilListening(quint16 port) {
  // Read from the system's socket table, not by connecting: a trial
  // connection would open the device, and ser2net may still be closing it
  // when the test connects.
  const QByteArray local = QStringLiteral("0100007F:%1").arg(port, 4, 16, QLatin1Char('0')).toUpper().toLatin1();
  return WaitFor(
      [&local] {
        QFile table(QStringLiteral("/proc/net/tcp"));
        if (!table.open(QIODevice::ReadOnly)) return false;
        for (const QByteArray& line : table.readAll().split('\n')) {
          const QList<QByteArray> fields = line.simplified().split(' ');
          if (fields.size() > 3 && fields[1] == local && fields[3] == "0A") return true;  // 0A: listening
        }
        return false;
      },
      10000);
}

CSer2Net::CSer2Net(const QString& device) : m_device(device) {}

CSer2Net::~CSer2Net() { Stop(); }

bool CSer2Net::Start() {
  m_port = FreeTcpPort();
  const QString path = m_dir.filePath(QStringLiteral("ser2net.yaml"));
  QFile yaml(path);
  if (!yaml.open(QIODevice::WriteOnly)) return false;
  // No character delay: what the tuner says goes on at once.
  yaml.write(QStringLiteral("connection: &tuner\n"
                            "  accepter: telnet(rfc2217),tcp,127.0.0.1,%1\n"
                            "  connector: serialdev,%2,38400n81,local\n"
                            "  options:\n"
                            "    kickolduser: true\n"
                            "    chardelay: false\n"
                            "    mdns: false\n")
                 .arg(m_port)
                 .arg(m_device)
                 .toUtf8());
  yaml.close();
  m_process.start(QStringLiteral("ser2net"), {QStringLiteral("-d"), QStringLiteral("-u"), QStringLiteral("-c"), path});
  return m_process.waitForStarted() && WaitUntilListening(m_port);
}

void CSer2Net::Stop() {
  if (m_process.state() == QProcess::NotRunning) return;
  m_process.kill();  // by its pid, at once
  m_process.waitForFinished();
}
