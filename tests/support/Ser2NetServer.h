#pragma once
// Network serial ports for the tests, on 127.0.0.1 with a free TCP port each:
// a real ser2net serving a pseudo-terminal with RFC 2217, started from a YAML
// written at test time and stopped by its pid.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class CSer2Net {
 public:
  explicit CSer2Net(const QString& device);
  ~CSer2Net();
  CSer2Net(const CSer2Net&) = delete;
  CSer2Net& operator=(const CSer2Net&) = delete;

  // False when ser2net did not come up.
  bool Start();
  // Ends it at once, as a station switched off would.
  void Stop();
  QString PortName() const { return QStringLiteral("rfc2217://127.0.0.1:%1").arg(m_port); }

 private:
  QString m_device;
  QTemporaryDir m_dir;
  QProcess m_process;
  quint16 m_port = 0;
};
