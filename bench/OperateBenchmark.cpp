// How long the program takes from reading a reply to writing the next
// command, over many operate cycles against the simulated tuner. Prints the
// figures; it does not pass or fail on them.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <vector>

#include "tests/support/TestSupport.h"
#include "machines/operate/OperateStateMachine.h"
#include "model/ActiveMachineScope.h"

namespace {
// Stands between the model's routing and the machine: times each serial
// event that completes a reply and moves the machine on to its next command.
class CTimedMachine : public IStateMachine {
 public:
  explicit CTimedMachine(COperateStateMachine& machine) : m_machine(machine) {}
  bool IsIdle() const override { return m_machine.IsIdle(); }
  bool Cancel() override { return m_machine.Cancel(); }
  void OnCommEvent() override {
    const auto* before = m_machine.Current();
    QElapsedTimer clock;
    clock.start();
    m_machine.OnCommEvent();
    const qint64 ns = clock.nsecsElapsed();
    if (m_machine.Current() != before && !m_machine.IsIdle()) samples.push_back(ns);
  }
  std::vector<qint64> samples;

 private:
  COperateStateMachine& m_machine;
};

double Micro(qint64 ns) { return ns / 1000.0; }
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  constexpr int kCycles = 300;
  SimOptions options;
  options.version = QStringLiteral("01.97");
  ModelFixture f(options);
  if (!f.ContactAndWait()) return 1;
  COperateStateMachine machine(f.Model());
  CTimedMachine timed(machine);
  const CActiveMachineScope active(f.Model(), timed);
  for (int i = 0; i < kCycles; ++i) {
    machine.Values().Capacitor.SetRequested(static_cast<unsigned char>(i));  // a setting in every cycle
    if (!machine.StartCycle() || !WaitFor([&] { return machine.IsIdle(); }, 5000) || machine.GetResult() != 0) return 1;
  }
  std::vector<qint64>& s = timed.samples;
  std::sort(s.begin(), s.end());
  qint64 sum = 0;
  for (qint64 v : s) sum += v;
  QTextStream(stdout) << QString::asprintf(
      "reply read -> next command written, %zu exchanges over %d cycles: mean %.1f us, median %.1f us, "
      "99th percentile %.1f us, max %.1f us\n",
      s.size(), kCycles, Micro(sum / qint64(s.size())), Micro(s[s.size() / 2]), Micro(s[s.size() * 99 / 100]),
      Micro(s.back()));
  return 0;
}
