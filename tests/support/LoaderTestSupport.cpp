#include "tests/support/LoaderTestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QSerialPort>
#include <gtest/gtest.h>

#include "tests/support/HexRecords.h"

namespace {
constexpr std::uint32_t kImageStart = 0x800;
constexpr std::uint32_t kFlashEnd = 0x1FD80;  // unwritten flash reads as 0xFF
constexpr qsizetype kBlockSize = 128;
constexpr unsigned kCatchUpPolls = 4;  // unanswered fill polls at real time

// The image's byte at an address: the reconciliation word first, left zero.
char ImageByte(std::uint32_t address) {
  return static_cast<char>(address < kImageStart + 2 ? 0 : (address * 7 + 3) & 0xFF);
}

QByteArray FirmwareHex(std::uint32_t end) {
  QByteArray hex;
  std::uint32_t upper = 0;
  for (std::uint32_t address = kImageStart; address < end; address += 16) {
    if (address >> 16 != upper) {
      upper = address >> 16;
      hex += Linear(static_cast<std::uint16_t>(upper));
    }
    QByteArray data;
    for (std::uint32_t a = address; a < std::min(address + 16, end); ++a) data += ImageByte(a);
    hex += DataRecord(static_cast<std::uint16_t>(address), data);
  }
  return hex + kEndRecord;
}
}  // namespace

QString WriteFirmwareFile(const QString& folder, const QString& name, std::uint32_t end) {
  const QString path = folder + u'/' + name;
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
  file.write(FirmwareHex(end));
  return path;
}

// Worked out here, not by the program's image reader, so that a fault there
// cannot make the expected bytes along with the sent ones: the word makes the
// whole flash, fill included, sum to zero.
QByteArray SentImage(std::uint32_t end) {
  QByteArray flash(kFlashEnd - kImageStart, '\xFF');
  for (std::uint32_t a = kImageStart; a < end; ++a) flash[a - kImageStart] = ImageByte(a);
  const auto word = static_cast<std::uint16_t>(0x10000 - WordSum(flash));
  flash[0] = static_cast<char>(word >> 8);
  flash[1] = static_cast<char>(word & 0xFF);
  const qsizetype length = end - kImageStart;
  return flash.left((length + kBlockSize - 1) / kBlockSize * kBlockSize);
}

std::uint16_t WordSum(const QByteArray& bytes) {
  std::uint16_t sum = 0;
  for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
    sum = static_cast<std::uint16_t>(sum + (static_cast<std::uint8_t>(bytes[i]) << 8 | static_cast<std::uint8_t>(bytes[i + 1])));
  return sum;
}

std::vector<PaceRule> LoadPace(std::vector<PaceRule> first) {
  first.insert(first.end(), {{"Waiting", kIdleTime},
                             {"send lpf;", kFastTime},
                             {"PowerOn send", kIdleTime},
                             {"Attempting to contact", kSearchTime},
                             {"Connected to", kAnsweredTime},
                             {"send D", kAnsweredTime}});
  return first;
}

std::vector<PaceRule> FillPolls(const QString& state, unsigned unanswered) {
  // The last few at real time too: a simulator that fell behind the fast
  // ones catches up before its answer must come.
  const QString send = state + QStringLiteral(" send ;");
  return {{send, 1, unanswered > kCatchUpPolls ? unanswered - kCatchUpPolls : 1}, {send, kIdleTime}};
}

LoaderFixture::LoaderFixture(SimOptions options) : ModelFixture(std::move(options)) {
  if (!ContactAndWait()) ADD_FAILURE() << "no contact";
  // The search slowly enough for its polls to be answered, what follows fast.
  m_pacer = std::make_unique<CPacer>(
      std::vector<PaceRule>{{"Attempting to contact", kSearchTime}, {"Connected to", kAnsweredTime}, {"Nothing answered", kAnsweredTime}},
      CPacer::EveryWindow);
}

LoaderFixture::~LoaderFixture() {
  if (Model().ActiveMachine == &machine) Model().ActiveMachine = nullptr;
}

void LoaderFixture::Pace(std::vector<PaceRule> rules) {
  m_pacer.reset();  // before the next: its end sets the factor back
  m_pacer = std::make_unique<CPacer>(std::move(rules), CPacer::EveryWindow);
  Model().Trace.Set(1);
}

ResultCode LoaderFixture::Load(const QString& path, int timeoutMs) {
  Model().ActiveMachine = &machine;
  return RunJob([&] { return machine.Start(path, m_pacer.get()); }, timeoutMs);
}

void StrandLoaderInAPacket(const QString& port) {
  QSerialPort serial(port);
  serial.setBaudRate(38400);
  ASSERT_TRUE(serial.open(QIODevice::ReadWrite));
  serial.write("D" + QByteArray(110, '\x11'));
  ASSERT_TRUE(serial.waitForBytesWritten(5000));
}
