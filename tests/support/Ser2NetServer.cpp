#include "tests/support/Ser2NetServer.h"

#include "tests/support/TestSupport.h"

CSer2Net::CSer2Net(const QString& device) : m_device(device) {}

CSer2Net::~CSer2Net() { Stop(); }

bool CSer2Net::Start() {
  m_port = FreeTcpPort();
  // No character delay: what the tuner says goes on at once.
  const QString path = WriteFileBytes(m_dir.filePath(QStringLiteral("ser2net.yaml")),
                                      QStringLiteral("connection: &tuner\n"
                                                     "  accepter: telnet(rfc2217),tcp,127.0.0.1,%1\n"
                                                     "  connector: serialdev,%2,38400n81,local\n"
                                                     "  options:\n"
                                                     "    kickolduser: true\n"
                                                     "    chardelay: false\n"
                                                     "    mdns: false\n")
                                          .arg(m_port)
                                          .arg(m_device)
                                          .toUtf8());
  if (path.isEmpty()) return false;
  m_process.start(QStringLiteral("ser2net"), {QStringLiteral("-d"), QStringLiteral("-u"), QStringLiteral("-c"), path});
  // Not by a trial connection: it would open the device, and ser2net may
  // still be closing it when the test connects.
  return m_process.waitForStarted() && WaitFor([this] { return IsListening(m_port); }, 10000);
}

void CSer2Net::Stop() {
  if (m_process.state() == QProcess::NotRunning) return;
  m_process.kill();  // by its pid, at once
  m_process.waitForFinished();
}
