#pragma once
// Reading and writing a range of the tuner's PROMs in checked chunks: each
// accepted reply moves the range on by its chunk; a reply that does not echo
// the chunk or whose checksum does not sum to zero is not accepted, so the
// chunk is sent again on the time-out, up to the retry limit.

#include <cstdint>
#include <span>

#include "config/ConfigurationData.h"
#include "engine/CommandStates.h"
#include "link/PromFrames.h"
#include "link/TunerCommands.h"

// What a state reads or writes: the PROM's prefix and where chunks may lie.
struct PromAccess {
  const char* prefix;
  std::span<const AddressRange> allowed;
};

inline constexpr AddressRange kPicWhole[] = {{0x000, 0x400}};
inline constexpr AddressRange kSerialWhole[] = {{0x0000, 0x10000}};
inline constexpr PromAccess kReadPic{Tuner::ReadPicProm, kPicWhole};
inline constexpr PromAccess kReadSerial{Tuner::ReadSerialProm, kSerialWhole};
// A restore writes whole PIC pages and the serial PROM above its fault log.
inline constexpr PromAccess kWritePic{Tuner::WritePicProm, kPicSaveRanges};
inline constexpr PromAccess kWriteSerial{Tuner::WriteSerialProm, kSerialAcceptRanges};

template <class T>
class CPromRangeState : public CCommandResponseRetryState<T> {
 public:
  static constexpr unsigned kTimeout = 2000;

  CPromRangeState(T& owner, const char* name, CState<T>* next, ResultCode error, const PromAccess& access)
      : CCommandResponseRetryState<T>(owner, name, next, error, QString()), m_access(access) {
    this->SetDelay(kTimeout);
  }

  void Enter() override {
    SelectRange();
    m_done = 0;
    SendNext();
  }

  std::uint32_t Done() const { return m_done; }

 protected:
  // Called on entry: a loop body sets the range of its pass here.
  virtual void SelectRange() {}
  void SetRange(std::uint32_t start, std::uint32_t length) {
    m_start = start;
    m_length = length;
  }
  std::uint32_t Address() const { return m_start + m_done; }
  unsigned ChunkLength() const { return Prom::ChunkLength(Address(), m_length - m_done); }
  virtual QString BuildCommand() const = 0;

  void OnSuccess() override {
    const unsigned chunk = ChunkLength();
    m_done += chunk;
    this->Owner().AdvanceProgress(chunk);
    SendNext();
  }

 private:
  void SendNext() {
    if (m_done >= m_length) {
      this->Next();
      return;
    }
    bool inside = false;
    for (const AddressRange& range : m_access.allowed) inside = inside || range.Contains(Address(), ChunkLength());
    if (!inside) {
      this->Fail(Result::InvalidEepromAddress);
      return;
    }
    // Each chunk has its own retries.
    CCommandResponseRetryState<T>::Reset();
    this->SetCommand(BuildCommand());
    this->Send();
  }

 protected:
  const PromAccess& m_access;

 private:
  std::uint32_t m_start = 0;
  std::uint32_t m_length = 0;
  std::uint32_t m_done = 0;
};

// Reads a range into memory at the destination, which stands for its start.
template <class T>
class CPromReadState : public CPromRangeState<T> {
 public:
  CPromReadState(T& owner, const char* name, CState<T>* next, const PromAccess& access)
      : CPromRangeState<T>(owner, name, next, Result::NoResponseReadEeprom, access) {}

  void SetTarget(std::uint32_t start, std::uint32_t length, std::uint8_t* destination) {
    this->SetRange(start, length);
    m_destination = destination;
  }

  bool ParseReply() override {
    const QByteArray data = Prom::ReadReplyData(this->Command(), this->Owner().Reply());
    if (data.isEmpty()) return false;
    std::copy(data.cbegin(), data.cend(), m_destination + this->Done());
    return true;
  }

 protected:
  QString BuildCommand() const override {
    return Prom::ReadCommand(this->m_access.prefix, this->Address(), this->ChunkLength());
  }

 private:
  std::uint8_t* m_destination = nullptr;
};

template <class T>
class CReadPicPromState : public CPromReadState<T> {
 public:
  CReadPicPromState(T& owner, const char* name, CState<T>* next) : CPromReadState<T>(owner, name, next, kReadPic) {}
};

template <class T>
class CReadSerialPromState : public CPromReadState<T> {
 public:
  CReadSerialPromState(T& owner, const char* name, CState<T>* next)
      : CPromReadState<T>(owner, name, next, kReadSerial) {}
};

// Writes a range from memory at the source, which stands for its start.
template <class T>
class CPromWriteState : public CPromRangeState<T> {
 public:
  CPromWriteState(T& owner, const char* name, CState<T>* next, const PromAccess& access)
      : CPromRangeState<T>(owner, name, next, Result::NoResponseWriteEeprom, access) {}

  void SetSource(std::uint32_t start, std::uint32_t length, const std::uint8_t* source) {
    this->SetRange(start, length);
    m_source = source;
  }

  bool ParseReply() override {
    return Prom::IsWriteReplyFor(this->Command(), this->Owner().Reply());
  }

 protected:
  QString BuildCommand() const override {
    const auto* chunk = reinterpret_cast<const char*>(m_source + this->Done());
    return Prom::WriteCommand(this->m_access.prefix, this->Address(), QByteArrayView(chunk, this->ChunkLength()));
  }

 private:
  const std::uint8_t* m_source = nullptr;
};

template <class T>
class CWritePicPromState : public CPromWriteState<T> {
 public:
  CWritePicPromState(T& owner, const char* name, CState<T>* next) : CPromWriteState<T>(owner, name, next, kWritePic) {}
};

template <class T>
class CWriteSerialPromState : public CPromWriteState<T> {
 public:
  CWriteSerialPromState(T& owner, const char* name, CState<T>* next)
      : CPromWriteState<T>(owner, name, next, kWriteSerial) {}
};
