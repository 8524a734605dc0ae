#pragma once
// A real anonymous FTP server on 127.0.0.1 (pyftpdlib under the system's
// python3) serving a temporary root that holds ZU6400/firmware, and the
// firmware files the download tests put there.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A small Intel HEX file that verifies (lines data records and the end record).
QByteArray GoodHex(int lines = 1);

class CFtpTestServer {
 public:
  // options: the server script's own (--first NAME, --extra LINE, --stall NAME).
  explicit CFtpTestServer(QStringList options = {});
  ~CFtpTestServer();
  CFtpTestServer(const CFtpTestServer&) = delete;
  CFtpTestServer& operator=(const CFtpTestServer&) = delete;

  // Starts the server; false (with the reason in Problem()) when it did not come up.
  bool Start();
  const QString& Problem() const { return m_problem; }
  QString Url() const { return QStringLiteral("ftp://127.0.0.1:%1").arg(m_port); }
  QString Root() const { return m_root.path(); }
  // Adds a file to ZU6400/firmware below the root.
  void AddFile(const QString& name, const QByteArray& content) const;

 private:
  QTemporaryDir m_root;
  QStringList m_options;
  QProcess m_process;
  int m_port = 0;
  QString m_problem;
};

// An FTP URL on 127.0.0.1 where nothing listens.
QString UnreachableServerUrl();
