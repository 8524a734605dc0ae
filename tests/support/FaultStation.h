#pragma once
// A network serial port that misbehaves on purpose, for the tests:
// tests/rfc2217_test_server.py (pyserial's RFC 2217 PortManager under the
// system's python3) on 127.0.0.1 with a free port, stopped by its pid.

#include <QProcess>
#include <QString>
#include <QStringList>

class CFaultStation {
 public:
  // A station on the device that withholds or drops as the options say.
  static QStringList Serving(const QString& device, const QStringList& faults = {});
  // A proxy to 127.0.0.1:port that holds each direction back by delayMs.
  static QStringList Delaying(quint16 port, unsigned delayMs);

  explicit CFaultStation(const QStringList& options);
  ~CFaultStation();
  CFaultStation(const CFaultStation&) = delete;
  CFaultStation& operator=(const CFaultStation&) = delete;

  // False when it did not come up.
  bool Start();
  QString PortName() const { return QStringLiteral("rfc2217://127.0.0.1:%1").arg(m_port); }

 private:
  QStringList m_options;
  QProcess m_process;
  quint16 m_port = 0;
};
