// A full load of a 120 KiB image into the simulated loader pacing its line at
// 38400 bit/s: the time from the first packet to the last acknowledgement
// against the wire time of the packets and their acknowledgements. Prints the
// figures; it does not pass or fail on them.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include "BenchmarkSupport.h"
#include "tests/support/LoaderTestSupport.h"

namespace {
constexpr std::uint32_t kImageBytes = 120 * 1024;
constexpr double kBitsPerByte = 10;
constexpr double kSpeed = 38400;

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  SimOptions options;
  options.pace = true;
  ModelFixture f(options);
  if (!f.ContactAndWait()) return 1;
  QTemporaryDir dir;
  const QString path = WriteFirmwareFile(dir.path(), QStringLiteral("zu6400fw0105.hex"), 0x800 + kImageBytes);
  const LoadTiming timing = TimeLoad(f, path, 300000);
  if (!timing.done) {
    QTextStream(stderr) << "the load did not complete\n";
    return 1;
  }
  const unsigned packets = timing.sent / FirmwareImage::kBlockSize;
  const double wire = packets * (CSimLoader::kPacketSize + 1) * kBitsPerByte * 1000 / kSpeed;
  QTextStream(stdout) << QString::asprintf(
      "firmware load of %u bytes at 38400 bit/s: %u packets\n"
      "  wire time of packets and acknowledgements: %.0f ms\n"
      "  elapsed from first packet to last acknowledgement: %.0f ms (%.3f x wire time)\n"
      "  whole run with the fixed waits and contact after: %.0f ms\n",
      timing.sent, packets, wire, timing.packetsMs, timing.packetsMs / wire, timing.totalMs);
  return 0;
}
