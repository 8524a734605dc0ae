// How long the read chain of the stored configuration takes against a
// simulated tuner that holds every reply for its time on the wire at
// 38400 bit/s, against the wire time of the bytes exchanged. Prints the
// figures; it does not pass or fail on them.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include "tests/support/TestSupport.h"
#include "machines/configuration/EditConfigurationStateMachine.h"
#include "model/ActiveMachineScope.h"

namespace {
constexpr unsigned kSpeed = 38400;
constexpr int kRuns = 10;

double WireMs(qsizetype bytes) { return bytes * 10 * 1000.0 / kSpeed; }

// The bytes of the replies to every command the tuner took.
qsizetype ReplyBytes(CSimulatedTuner& sim) {
  qsizetype bytes = 0;
  for (const QByteArray& command : sim.Received().split(';'))
    if (!command.isEmpty()) bytes += sim.Config().Answer(command + ';').value_or(QByteArray()).size();
  return bytes;
}
struct Figures {
  double elapsedMs = 0, wireMs = 0, replyMs = 0;
  qsizetype exchanges = 0;
};

// Runs the read chain kRuns times; false when a run fails.
bool Measure(bool pace, Figures& out) {
  SimOptions options = Firmware("01.39");
  options.pace = pace;
  options.speed = kSpeed;
  ModelFixture f(options);
  if (!f.ContactAndWait()) return false;
  CEditConfigurationStateMachine machine(f.Model());
  const CActiveMachineScope active(f.Model(), machine);
  for (int run = 0; run < kRuns; ++run) {
    f.Sim().ClearReceived();
    QElapsedTimer clock;
    clock.start();
    if (!machine.StartRead() || !WaitFor([&] { return machine.IsIdle(); }, 30000) || machine.GetResult() != 0)
      return false;
    out.elapsedMs += clock.nsecsElapsed() / 1e6 / kRuns;
    const QByteArray sent = f.Sim().Received();
    const qsizetype replies = ReplyBytes(f.Sim());
    out.exchanges = sent.count(';');
    out.replyMs += WireMs(replies) / kRuns;
    out.wireMs += WireMs(sent.size() + replies) / kRuns;
  }
  return true;
}
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  Figures paced, unpaced;
  if (!Measure(true, paced) || !Measure(false, unpaced)) return 1;
  QTextStream(stdout) << QString::asprintf(
      "config read chain at %u bit/s, %lld exchanges, mean of %d runs: elapsed %.1f ms against a wire time of "
      "%.1f ms both ways (%.1f ms of replies): elapsed / wire time %.3f; without pacing %.1f ms "
      "(%.2f ms a round trip through the pseudo-terminal and both event loops)\n",
      kSpeed, static_cast<long long>(paced.exchanges), kRuns, paced.elapsedMs, paced.wireMs, paced.replyMs,
      paced.elapsedMs / paced.wireMs, unpaced.elapsedMs, unpaced.elapsedMs / unpaced.exchanges);
  return 0;
}
