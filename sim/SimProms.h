#pragma once
// The simulated tuner's two memories: the PIC PROM (1024 bytes) and the
// serial PROM (64 KiB), read with "erp"/"ers" and written with "ewp"/"ews".
// They start with plausible content: a fault log of a few records and its
// newest-entry index, and configuration bytes. Tests damage chosen replies.

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// What goes wrong with the replies to one command at one address.
struct SimPromFault {
  enum Kind { Refuse, Corrupt, WrongAddress, BadChecksum };
  Kind kind = Refuse;
  QByteArray command;        // "erp", "ers", "ewp" or "ews"
  std::uint32_t address = 0;
  unsigned times = 1;        // how many replies in a row

  // "checksum:ers:0400:2" (kind: refuse, corrupt, address or checksum;
  // address in hexadecimal; the count may be left out).
  static std::optional<SimPromFault> Parse(const QString& text);
};

class CSimProms {
 public:
  static constexpr std::uint32_t kPicSize = 0x400;
  static constexpr std::uint32_t kSerialSize = 0x10000;
  static constexpr std::uint32_t kFaultIndexAddress = 0x002;
  static constexpr std::uint32_t kFaultRecordSize = 16;

  CSimProms();

  // Every command name the memories answer.
  static QList<QByteArray> Names();
  // The reply to a PROM command; nothing for a refused or malformed one.
  std::optional<QByteArray> Answer(const QByteArray& command);

  // For tests; safe from any thread.
  QByteArray Pic() const;
  QByteArray Serial() const;
  void SetPic(std::uint32_t address, const QByteArray& bytes);
  void SetSerial(std::uint32_t address, const QByteArray& bytes);
  void AddFault(const SimPromFault& fault);

 private:
  std::optional<QByteArray> Read(QByteArray& memory, const QByteArray& prefix, const QByteArray& body);
  std::optional<QByteArray> Write(QByteArray& memory, const QByteArray& prefix, const QByteArray& body);
  std::optional<SimPromFault::Kind> TakeFault(const QByteArray& prefix, std::uint32_t address);
  static QByteArray Damage(QByteArray reply, SimPromFault::Kind kind);
  void SeedFaultLog();

  mutable QMutex m_lock;
  QByteArray m_pic;
  QByteArray m_serial;
  std::vector<SimPromFault> m_faults;
};
