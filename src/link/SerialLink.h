#pragma once
// What carries the serial line's bytes: a local port, or a network serial
// port. The port the machines use picks one by the port's name and keeps
// the speed, settling pauses and comm events the same for both.

#include <QObject>
#include <QString>
#include <cstdint>

#include "base/ResultCodes.h"

class CSerialLink : public QObject {
  Q_OBJECT
 public:
  // Opens at the given speed, 8N1, no flow control, DTR and RTS off.
  virtual ResultCode Open(const QString& name, std::uint32_t bps) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // Sets the line's speed; reports its own failures and returns false.
  virtual bool ApplySpeed(std::uint32_t bps) = 0;
  virtual bool PurgeReceive() = 0;
  virtual bool WriteBytes(const char* bytes, std::size_t count) = 0;
  // Takes what is waiting, up to count bytes.
  virtual bool Read(char* buffer, std::size_t count, std::size_t& bytesRead) = 0;
  virtual qint64 BytesAvailable() const = 0;
  // The words for a failure of this link: a failed open, or a connection lost.
  virtual QString FailureText(ResultCode code) const = 0;
  // The time a reply takes beyond the tuner's own, in real milliseconds.
  virtual unsigned RoundTripMs() const { return 0; }

  // Why a closed link cannot be used: never opened, or its device went away.
  ResultCode ClosedError() const { return m_lostCode != 0 ? m_lostCode : Result::InvalidHandle; }

 signals:
  // New bytes can be read.
  void BytesArrived();
  void ErrorReported(const QString& title, const QString& text);
  void LogLine(const QString& text);
  void DeviceLost();

 protected:
  // The device or connection went away with this code; a new open clears it.
  ResultCode m_lostCode = 0;
};
