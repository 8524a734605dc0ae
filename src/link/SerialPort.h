#pragma once
// The program's one connection to the tuner: a serial port at 8N1 without flow
// control, read a byte at a time on request, that says when input is waiting.
// The name chooses what carries the bytes: "rfc2217://HOST:PORT" is a serial
// port on another computer, anything else a port of this one.

#include <QObject>
#include <QString>
#include <cstdint>

#include "base/ResultCodes.h"

class CSerialLink;

class CSerialPort : public QObject {
  Q_OBJECT
 public:
  static constexpr std::uint32_t kOpenSpeed = 38400;
  static constexpr unsigned kSettlingMs = 50;

  CSerialPort();
  ~CSerialPort() override;

  ResultCode Open(const QString& name);
  void Close();
  bool IsOpen() const;
  bool SetSpeed(std::uint32_t bps);
  std::uint32_t Speed() const { return m_speed; }
  bool PurgeReceive();
  bool WriteBytes(const char* bytes, std::size_t count);
  bool WriteText(const QString& text);
  bool Read(char* buffer, std::size_t count, std::size_t& bytesRead);
  bool ReadByte(char& byte, bool& gotOne);
  const QString& PortName() const { return m_name; }
  // The words for a failure to open this port, or for its connection lost.
  QString FailureText(ResultCode code) const;
  // What the network adds to each reply's time, in real milliseconds; 0 on a local port.
  unsigned RoundTripMs() const;

  static bool IsAcceptedSpeed(std::uint32_t bps);

 signals:
  // Input is waiting (the serial "comm event").
  void InputWaiting();
  // A failure report: its text goes to the activity log and to an error box.
  void ErrorReported(const QString& title, const QString& text);
  // A line for the activity log only.
  void LogLine(const QString& text);
  // The port closed itself because the device went away.
  void DeviceLost();

 private:
  void OnBytesArrived();
  // The link that carries the named port, made anew when the kind changes.
  void UseLinkFor(const QString& name);
  // A pause for the line to settle around an open or a speed change.
  static void Settle();

  CSerialLink* m_link = nullptr;  // a child; a replaced one is deleted later, never within its own signals
  std::uint32_t m_speed = 0;      // the speed of the line settings last applied
  QString m_name;
};
