#include "tests/support/FtpTestServer.h"

#include <QDir>
#include <QFile>

#include "tests/support/TestSupport.h"

QByteArray GoodHex(int lines) { return QByteArray(":0408000001020304EA\r\n").repeated(lines) + ":00000001FF\r\n"; }

CFtpTestServer::CFtpTestServer(QStringList options) : m_options(std::move(options)) {
  QDir(m_root.path()).mkpath(QStringLiteral("ZU6400/firmware"));
}

CFtpTestServer::~CFtpTestServer() {
  m_process.kill();
  m_process.waitForFinished();
}

bool CFtpTestServer::Start() {
  // The system's python3 carries the distribution's pyftpdlib; another
  // python3 may come first on PATH.
  m_process.setProcessChannelMode(QProcess::SeparateChannels);
  m_process.start(QStringLiteral("/usr/bin/python3"),
                  QStringList{QStringLiteral(ZU_FTP_SERVER_SCRIPT), QStringLiteral("--root"), m_root.path()} +
                      m_options);
  if (!m_process.waitForStarted(10000)) {
    m_problem = QStringLiteral("/usr/bin/python3 did not start");
    return false;
  }
  while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
  }
  m_port = QString::fromUtf8(m_process.readLine()).trimmed().toInt();
  if (m_port == 0) m_problem = QString::fromUtf8(m_process.readAllStandardError());
  return m_port != 0;
}

void CFtpTestServer::AddFile(const QString& name, const QByteArray& content) const {
  QFile file(QDir(m_root.path()).filePath(QStringLiteral("ZU6400/firmware/") + name));
  if (file.open(QIODevice::WriteOnly)) file.write(content);
}

QString UnreachableServerUrl() {
  // A port that was free a moment ago: nothing listens there now.
  return QStringLiteral("ftp://127.0.0.1:%1").arg(FreeTcpPort());
}
