#include "tests/support/FaultStation.h"

QStringList CFaultStation::Serving(const QString& device, const QStringList& faults) {
  return QStringList{QStringLiteral("--device"), device} + faults;
}

QStringList CFaultStation::Delaying(quint16 port, unsigned delayMs) {
  return {QStringLiteral("--forward"), QString::number(port), QStringLiteral("--delay-ms"), QString::number(delayMs)};
}

CFaultStation::CFaultStation(const QStringList& options) : m_options(options) {}

CFaultStation::~CFaultStation() {
  m_process.kill();
  m_process.waitForFinished();
}

bool CFaultStation::Start() {
  // The system's python3 carries the distribution's pyserial; another
  // python3 may come first on PATH.
  m_process.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral(ZU_FAULT_STATION_SCRIPT)} + m_options);
  if (!m_process.waitForStarted(10000)) return false;
  while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
  }
  m_port = static_cast<quint16>(QString::fromUtf8(m_process.readLine()).trimmed().toUInt());
  return m_port != 0;
}
