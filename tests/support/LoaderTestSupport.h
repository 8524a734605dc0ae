#pragma once
// What the firmware loader's tests share: firmware files written as Intel
// HEX, and a model fixture that runs loads against the simulated loader with
// the program's waits sped up where the simulator's answers still come in time.

#include <QByteArray>
#include <QTemporaryDir>
#include <cstdint>
#include <vector>

#include "tests/support/TestSupport.h"
#include "machines/firmware/McuLoaderStateMachine.h"

// Writes folder/name, an image whose data run from 0x800 up to end (a pattern
// with no run of fill bytes), its reconciliation word left zero for the loader
// to compute; the file's path.
QString WriteFirmwareFile(const QString& folder, const QString& name, std::uint32_t end);
// The bytes the loader sends for such a file: its image from 0x800 with the
// reconciliation word that makes the 16-bit words of the whole flash (0xFF
// where nothing is written) sum to zero, up to a whole 128-byte block.
QByteArray SentImage(std::uint32_t end);
// The sum of the big-endian 16-bit words of bytes.
std::uint16_t WordSum(const QByteArray& bytes);
// Leaves the loader on port as a load cut short in the middle of a packet
// does: waiting for the rest, deaf to the polls of a search.
void StrandLoaderInAPacket(const QString& port);

// A load's pace after the given rules: searches slowly enough for their polls
// to be answered, replies (packets too) shortened, the restart fast; with Trace on, also the pause after
// switching on, and the one after "lpf;" at kFastTime (the simulator must
// take the command before the "D" that follows).
std::vector<PaceRule> LoadPace(std::vector<PaceRule> first = {});
// The fill polls of a state (ResyncInitial, LoadRecover): those the loader
// leaves unanswered fast, the last few and the one it answers at real time.
// Needs Trace on.
std::vector<PaceRule> FillPolls(const QString& state, unsigned unanswered);

class LoaderFixture : public ModelFixture {
 public:
  explicit LoaderFixture(SimOptions options = {});
  ~LoaderFixture();
  QString WriteImage(std::uint32_t end, const QString& name = QStringLiteral("zu6400fw0106.hex")) {
    return WriteFirmwareFile(m_dir.path(), name, end);
  }
  // From now on the rules pace the loads, with Trace on.
  void Pace(std::vector<PaceRule> rules);
  // Runs a load to its end (after a good load, the contact machine's end),
  // its lines to the pacer.
  ResultCode Load(const QString& path, int timeoutMs = 60000);

  CMcuLoaderStateMachine machine{Model()};

 private:
  QTemporaryDir m_dir;
  std::unique_ptr<CPacer> m_pacer;
};
