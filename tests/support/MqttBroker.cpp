#include "tests/support/MqttBroker.h"

#include <csignal>
#include <unistd.h>

#include "tests/support/TestSupport.h"

CMqttBroker::CMqttBroker(const QString& user, const QString& password) {
  m_port = FreeTcpPort();
  m_client = {"-h", "127.0.0.1", "-p", QString::number(m_port)};
  if (!user.isEmpty()) m_client << "-u" << user << "-P" << password;
  QString config = QStringLiteral("listener %1 127.0.0.1\nlog_type error\n").arg(m_port);
  // Started by root it would become the user mosquitto, who cannot read the test's folder.
  if (::geteuid() == 0) config += QStringLiteral("user root\n");
  if (user.isEmpty()) {
    config += QStringLiteral("allow_anonymous true\n");
  } else {
    const QString passwords = m_dir.filePath(QStringLiteral("passwords"));
    if (QProcess::execute(QStringLiteral("mosquitto_passwd"), {"-b", "-c", passwords, user, password}) != 0) return;
    config += QStringLiteral("allow_anonymous false\npassword_file %1\n").arg(passwords);
  }
  if (WriteFileBytes(m_dir.filePath(QStringLiteral("mosquitto.conf")), config.toUtf8()).isEmpty()) return;
  m_broker.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  m_listening = Run();
}

CMqttBroker::~CMqttBroker() { Stop(); }

bool CMqttBroker::Run() {
  m_broker.start(QStringLiteral("mosquitto"), {"-c", m_dir.filePath(QStringLiteral("mosquitto.conf"))});
  return m_broker.waitForStarted(10000) &&
         WaitFor([this] { return m_broker.state() != QProcess::Running || ::IsListening(m_port); }, 10000) &&
         m_broker.state() == QProcess::Running;
}

void CMqttBroker::Stop() {
  m_listening = false;
  if (m_broker.state() == QProcess::NotRunning) return;
  ::kill(static_cast<pid_t>(m_broker.processId()), SIGTERM);
  m_broker.waitForFinished(5000);
}

bool CMqttBroker::Restart() {
  Stop();
  return m_listening = Run();
}

void CMqttBroker::Subscribe(QProcess& subscriber, const QString& filter, int count, int seconds) const {
  subscriber.start(QStringLiteral("mosquitto_sub"),
                   m_client + QStringList{"-t", filter, "-v", "-C", QString::number(count), "-W", QString::number(seconds)});
  subscriber.waitForStarted(10000);
}

QList<MqttMessage> CMqttBroker::Collect(QProcess& subscriber) {
  WaitFor([&] { return subscriber.state() == QProcess::NotRunning; }, 30000);
  QList<MqttMessage> messages;
  for (const QByteArray& line : subscriber.readAllStandardOutput().split('\n')) {
    const qsizetype space = line.indexOf(' ');
    if (space > 0) messages.append({QString::fromUtf8(line.left(space)), line.mid(space + 1)});
  }
  return messages;
}

QList<MqttMessage> CMqttBroker::Retained(const QString& filter, int count) const {
  QProcess subscriber;
  Subscribe(subscriber, filter, count);
  return Collect(subscriber);
}

void CMqttBroker::Publish(const QString& topic, const QByteArray& payload) const {
  QProcess::execute(QStringLiteral("mosquitto_pub"),
                    m_client + QStringList{"-q", "1", "-t", topic, "-m", QString::fromUtf8(payload)});
}
