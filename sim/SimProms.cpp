#include "sim/SimProms.h"

#include <QStringList>

#include "sim/SimPromFrame.h"

namespace {
// Address, length and checksum: eight hexadecimal digits after the prefix.
constexpr qsizetype kHeaderDigits = 8;

QByteArray Hex(unsigned value, int digits) { return QByteArray::number(value, 16).rightJustified(digits, '0').toUpper(); }

// A frame's first bytes: address high and low, then the length.
std::uint32_t AddressOf(const QByteArray& frame) {
  return std::uint32_t{static_cast<std::uint8_t>(frame[0])} << 8 | static_cast<std::uint8_t>(frame[1]);
}
std::uint32_t LengthOf(const QByteArray& frame) { return static_cast<std::uint8_t>(frame[2]); }

// A fault-log record: code, 24-bit time on, then the six 16-bit fields.
QByteArray Record(std::uint8_t code, std::uint32_t timeOn, std::initializer_list<std::uint16_t> fields) {
  QByteArray record(CSimProms::kFaultRecordSize, '\0');
  record[0] = static_cast<char>(code);
  for (int i = 0; i < 3; ++i) record[1 + i] = static_cast<char>(timeOn >> (8 * i));
  int at = 4;
  for (const std::uint16_t field : fields) {
    record[at++] = static_cast<char>(field & 0xFF);
    record[at++] = static_cast<char>(field >> 8);
  }
  return record;
}
}  // namespace

std::optional<SimPromFault> SimPromFault::Parse(const QString& text) {
  static const QStringList kinds = {QStringLiteral("refuse"), QStringLiteral("corrupt"), QStringLiteral("address"),
                                    QStringLiteral("checksum")};
  const QStringList parts = text.split(u':');
  if (parts.size() < 3 || parts.size() > 4 || !kinds.contains(parts[0])) return std::nullopt;
  SimPromFault fault;
  fault.kind = static_cast<Kind>(kinds.indexOf(parts[0]));
  fault.command = parts[1].toLatin1();
  if (!CSimProms::Names().contains(fault.command)) return std::nullopt;
  bool ok = false;
  fault.address = parts[2].toUInt(&ok, 16);
  if (!ok) return std::nullopt;
  if (parts.size() == 4) {
    fault.times = parts[3].toUInt(&ok);
    if (!ok || fault.times == 0) return std::nullopt;
  }
  return fault;
}

CSimProms::CSimProms() : m_pic(kPicSize, '\0'), m_serial(kSerialSize, '\xFF') {
  // The first 32 PIC bytes hold the unit's own data; the rest, settings.
  for (std::uint32_t a = 0; a < kPicSize; ++a) m_pic[a] = static_cast<char>((a * 7 + 3) & 0xFF);
  for (std::uint32_t a = 0x1000; a < 0x3000; ++a) m_serial[a] = static_cast<char>((a * 13 + a / 256) & 0xFF);
  SeedFaultLog();
}

// A few records around the ring: the newest at 4, the oldest at 250.
void CSimProms::SeedFaultLog() {
  m_pic[kFaultIndexAddress] = 4;
  const auto put = [this](unsigned n, const QByteArray& record) { m_serial.replace(n * kFaultRecordSize, record.size(), record); };
  put(0, Record(0x00, 0, {1}));
  put(1, Record(0x02, 90061, {14200, 300, 40, 0x0280, 0x0140}));
  put(2, Record(0x81, 59, {123, 0x0202, 0x3C41, 0x15}));
  put(3, Record(0x00, 3600, {5}));
  put(4, Record(0x01, 7322, {7100, 250, 110, 0x0319, 0x0400}));
  put(250, Record(0x05, 86400, {3650, 90, 10, 0x0100, 0x0100}));
}

QList<QByteArray> CSimProms::Names() { return {"erp", "ers", "ewp", "ews"}; }

std::optional<QByteArray> CSimProms::Answer(const QByteArray& command) {
  if (command.size() < 3 + kHeaderDigits + 1 || !command.endsWith(';')) return std::nullopt;
  const QByteArray prefix = command.left(3).toLower();
  if (!Names().contains(prefix)) return std::nullopt;
  const QByteArray body = command.mid(3, command.size() - 4);
  QMutexLocker lock(&m_lock);
  QByteArray& memory = prefix.endsWith('p') ? m_pic : m_serial;
  if (prefix.startsWith("er")) return Read(memory, prefix, body);
  return Write(memory, prefix, body);
}

// A read names address, length and checksum; the reply adds the data.
std::optional<QByteArray> CSimProms::Read(QByteArray& memory, const QByteArray& prefix, const QByteArray& body) {
  const auto frame = CSimPromFrame::Bytes(body);
  if (body.size() != kHeaderDigits || !frame || !CSimPromFrame::SumsToZero(*frame)) return std::nullopt;
  const std::uint32_t address = AddressOf(*frame), length = LengthOf(*frame);
  if (!CSimPromFrame::ChunkFits(address, length, static_cast<std::uint32_t>(memory.size()))) return std::nullopt;
  const auto fault = TakeFault(prefix, address);
  if (fault == SimPromFault::Refuse) return std::nullopt;
  const QByteArray reply = CSimPromFrame::Reply(prefix, frame->left(3) + memory.mid(address, length));
  return fault ? Damage(reply, *fault) : reply;
}

// A write carries its data between length and checksum; the reply echoes
// address and length.
std::optional<QByteArray> CSimProms::Write(QByteArray& memory, const QByteArray& prefix, const QByteArray& body) {
  const auto frame = CSimPromFrame::Bytes(body);
  if (body.size() < kHeaderDigits || !frame || !CSimPromFrame::SumsToZero(*frame)) return std::nullopt;
  const std::uint32_t address = AddressOf(*frame), length = LengthOf(*frame);
  if (frame->size() != 4 + qsizetype{length} ||
      !CSimPromFrame::ChunkFits(address, length, static_cast<std::uint32_t>(memory.size())))
    return std::nullopt;
  const auto fault = TakeFault(prefix, address);
  if (fault == SimPromFault::Refuse) return std::nullopt;  // not taken
  memory.replace(address, length, frame->mid(3, length));
  const QByteArray reply = CSimPromFrame::Reply(prefix, frame->left(3));
  return fault ? Damage(reply, *fault) : reply;
}

std::optional<SimPromFault::Kind> CSimProms::TakeFault(const QByteArray& prefix, std::uint32_t address) {
  for (auto it = m_faults.begin(); it != m_faults.end(); ++it) {
    if (it->command != prefix || it->address != address) continue;
    const SimPromFault::Kind kind = it->kind;
    if (--it->times == 0) m_faults.erase(it);
    return kind;
  }
  return std::nullopt;
}

// Damages a well-formed reply "PFXaaaall...cc;" the chosen way.
QByteArray CSimProms::Damage(QByteArray reply, SimPromFault::Kind kind) {
  switch (kind) {
    case SimPromFault::Corrupt:
      return reply.left(reply.size() / 2) + ';';  // cut short on the line
    case SimPromFault::WrongAddress: {
      // The next address, with a checksum that agrees with it.
      unsigned address = reply.mid(3, 4).toUInt(nullptr, 16);
      unsigned sum = reply.mid(reply.size() - 3, 2).toUInt(nullptr, 16);
      reply.replace(3, 4, Hex((address + 1) & 0xFFFF, 4));
      reply.replace(reply.size() - 3, 2, Hex((sum - 1) & 0xFF, 2));
      return reply;
    }
    case SimPromFault::BadChecksum: {
      const unsigned sum = reply.mid(reply.size() - 3, 2).toUInt(nullptr, 16);
      reply.replace(reply.size() - 3, 2, Hex((sum + 1) & 0xFF, 2));
      return reply;
    }
    case SimPromFault::Refuse: break;
  }
  return reply;
}

QByteArray CSimProms::Pic() const { QMutexLocker l(&m_lock); return m_pic; }
QByteArray CSimProms::Serial() const { QMutexLocker l(&m_lock); return m_serial; }
void CSimProms::AddFault(const SimPromFault& fault) { QMutexLocker l(&m_lock); m_faults.push_back(fault); }

void CSimProms::SetPic(std::uint32_t address, const QByteArray& bytes) {
  QMutexLocker l(&m_lock);
  m_pic.replace(address, qMin<qsizetype>(bytes.size(), m_pic.size() - address), bytes);
}

void CSimProms::SetSerial(std::uint32_t address, const QByteArray& bytes) {
  QMutexLocker l(&m_lock);
  m_serial.replace(address, qMin<qsizetype>(bytes.size(), m_serial.size() - address), bytes);
}
