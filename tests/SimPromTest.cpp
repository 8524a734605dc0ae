// The simulated tuner's restart and stored memories, spoken to over a real
// pseudo-terminal.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSignalSpy>

#include "TestSupport.h"
#include "link/SerialPort.h"

namespace {

// A port on a simulated tuner that sends one command and collects its reply.
class SimLine {
 public:
  explicit SimLine(SimOptions options = {}) : m_sim(std::move(options)) {
    m_ok = m_sim.Start() && m_port.Open(m_sim.SlavePath()) == 0;
  }
  bool Ok() const { return m_ok; }
  CSimulatedTuner& Sim() { return m_sim.Tuner(); }
  // The reply up to its ";", or what came within the time.
  QByteArray Exchange(const QByteArray& command, int timeoutMs = 2000) {
    QByteArray reply;
    m_port.WriteText(QString::fromLatin1(command));
    WaitFor([&] {
      char byte = 0;
      bool got = false;
      while (m_port.ReadByte(byte, got) && got) reply += byte;
      return reply.endsWith(';');
    }, timeoutMs);
    return reply;
  }

 private:
  CSimulatorThread m_sim;
  CSerialPort m_port;
  bool m_ok = false;
};

TEST(SimRestart, DeafWhileRestartingThenAsAfterPowerUp) {
  SimOptions options;
  options.restartMs = 300;
  SimLine line(options);
  ASSERT_TRUE(line.Ok());
  line.Sim().Live().Modify([](SimLive& live) { live.power = 0; live.antenna = 3; });
  EXPECT_EQ(line.Exchange("rst0;", 100), "") << "a restart is not answered";
  EXPECT_TRUE(line.Sim().IsRestarting());
  EXPECT_EQ(line.Exchange(";", 100), "") << "deaf while it restarts";
  ASSERT_TRUE(WaitFor([&] { return !line.Sim().IsRestarting(); }, 3000));
  EXPECT_EQ(line.Exchange(";"), ";");
  EXPECT_EQ(line.Exchange("ps;"), "PS1;") << "comes up as it started";
  EXPECT_EQ(line.Exchange("an;"), "AN1;");
}

TEST(SimRestart, PowerOnWakesASleepingTuner) {
  SimOptions options;
  options.live.power = 0;
  SimLine line(options);
  ASSERT_TRUE(line.Ok());
  EXPECT_EQ(line.Exchange("an;", 200), "") << "asleep: no live answers";
  EXPECT_EQ(line.Exchange("ps1;"), "PS1;");
  EXPECT_EQ(line.Exchange("an;"), "AN1;");
}

}  // namespace
