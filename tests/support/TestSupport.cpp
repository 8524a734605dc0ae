#include "tests/support/TestSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTimer>

QStringList CRecorder::Lines(unsigned message) const {
  QStringList lines;
  for (const auto& e : events)
    if (e.message == message) lines << e.text;
  return lines;
}

int CRecorder::Count(unsigned message) const {
  int n = 0;
  for (const auto& e : events) n += e.message == message ? 1 : 0;
  return n;
}

int CRecorder::CountLinesContaining(const QString& text) const {
  int n = 0;
  for (const auto& line : LogLines()) n += line.contains(text) ? 1 : 0;
  return n;
}

void CRecorder::customEvent(QEvent* event) {
  if (event->type() != CModelEvent::EventType()) return;
  const auto* e = static_cast<CModelEvent*>(event);
  events.push_back({e->Message, e->Param, e->Text, e->Title});
}

CPacer::CPacer(std::vector<PaceRule> rules, Hears hears)
    : m_rules(std::move(rules)), m_seen(m_rules.size()), m_hears(hears) {
  if (hears == EveryWindow) QCoreApplication::instance()->installEventFilter(this);
}

void CPacer::customEvent(QEvent* event) {
  // Heard every window's lines, its own among them, already.
  if (m_hears == OwnLines && event->type() == CModelEvent::EventType()) Hear(static_cast<CModelEvent*>(event)->Text);
}

bool CPacer::eventFilter(QObject*, QEvent* event) {
  if (event->type() != CModelEvent::EventType()) return false;
  const auto* e = static_cast<CModelEvent*>(event);
  if ((e->Message != Msg::LogText && e->Message != Msg::StateText) || e->Text == m_last) return false;
  m_last = e->Text;
  Hear(e->Text);
  return false;
}

void CPacer::Hear(const QString& text) {
  for (std::size_t i = 0; i < m_rules.size(); ++i) {
    if (!text.contains(m_rules[i].text) || ++m_seen[i] < m_rules[i].from) continue;
    CTimeScale::SetFactor(m_rules[i].factor);
    return;
  }
}

void ClearSettings() {
  QSettings settings("Corvanta", "ZU6400 Utility");
  settings.clear();
  settings.sync();
}

SimOptions Firmware(const char* version) {
  SimOptions options;
  options.version = QString::fromLatin1(version);
  return options;
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString WriteFileBytes(const QString& path, const QByteArray& content) {
  QFile file(path);
  const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
  return written ? path : QString();
}

quint16 FreeTcpPort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost);
  return probe.serverPort();
}

bool IsListening(quint16 port) {
  const QByteArray local = QStringLiteral("0100007F:%1").arg(port, 4, 16, QLatin1Char('0')).toUpper().toLatin1();
  for (const QByteArray& line : FileBytes(QStringLiteral("/proc/net/tcp")).split('\n')) {
    const QList<QByteArray> fields = line.simplified().split(' ');
    if (fields.size() > 3 && fields[1] == local && fields[3] == "0A") return true;  // 0A: listening
  }
  return false;
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
  // Waits for events, not asleep: a reply is read the moment it comes, and a
  // job of a thousand exchanges takes no thousand sleeps. The timer wakes the
  // wait to look again; what the events set going runs before the look.
  QDeadlineTimer deadline(timeoutMs);
  QTimer look;
  look.start(1);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

QStringList KeysNotInSnakeCase(const QJsonObject& object) {
  static const QRegularExpression snake(QStringLiteral("^[a-z][a-z0-9_]*$"));
  QStringList wrong;
  for (auto it = object.begin(); it != object.end(); ++it) {
    if (!snake.match(it.key()).hasMatch()) wrong << it.key();
    if (it->isObject()) wrong << KeysNotInSnakeCase(it->toObject());
  }
  return wrong;
}

ModelFixture::ModelFixture(SimOptions options, bool withSimulator) {
  ReleaseModel();
  ClearSettings();
  if (withSimulator) {
    m_sim = std::make_unique<CSimulatorThread>(std::move(options));
    m_sim->Start();
  }
  CTunerModel& model = GetModel();
  model.SetNotifyWindow(&m_recorder);
  model.MachineFinished.AddObserver(&m_recorder);
  if (m_sim) model.Run.port = m_sim->SlavePath();
}

ModelFixture::~ModelFixture() {
  ReleaseModel();
  m_sim.reset();
  ClearSettings();
}

std::function<bool()> ModelFixture::NextFinish() const {
  const int before = m_recorder.Count(Msg::MachineFinished);
  return [this, before] { return m_recorder.Count(Msg::MachineFinished) > before; };
}

bool ModelFixture::ContactAndWait(int timeoutMs) {
  const auto finished = NextFinish();
  Model().ContactMachine->StartAtOpenPort();
  return WaitFor(finished, timeoutMs);
}

bool ModelFixture::ContactAndWaitFasterAfterSearch(unsigned factor, int timeoutMs) {
  const auto finished = NextFinish();
  Model().ContactMachine->StartAtOpenPort();
  WaitFor([&] { return finished() || Sim().Received().contains("I;"); }, timeoutMs);
  const CTimeScaleScope faster(factor);
  return WaitFor(finished, timeoutMs);
}

ResultCode ModelFixture::RunJob(const std::function<bool()>& start, int timeoutMs) {
  const auto finished = NextFinish();
  if (!start()) return GetLastError();
  return WaitFor(finished, timeoutMs) ? LastResult() : 0xFFFFFFFF;
}

ResultCode ModelFixture::LastResult() const {
  for (auto it = m_recorder.events.rbegin(); it != m_recorder.events.rend(); ++it)
    if (it->message == Msg::MachineFinished) return static_cast<ResultCode>(it->param);
  return 0xFFFFFFFF;
}
