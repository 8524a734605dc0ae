#pragma once
// The program's one connection to the tuner: a serial port at 8N1 without flow
// control, read a byte at a time on request, that says when input is waiting.

#include <QObject>
#include <QSerialPort>
#include <QString>
#include <cstdint>

#include "base/ResultCodes.h"

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
  ResultCode ReportError(const char* apiName, ResultCode code);
  const QString& PortName() const { return m_name; }

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
  void OnReadyRead();
  void OnError(QSerialPort::SerialPortError error);
  ResultCode LastPortError() const;
  // A call failed: reports it and sets the last error; always false.
  bool Failed(const char* apiName);
  // Why a closed port cannot be used: never opened, or its device went away.
  ResultCode ClosedError() const;
  bool ApplyLineSettings();
  // A pause for the line to settle around an open or a speed change.
  static void Settle();

  QSerialPort m_port;
  std::uint32_t m_speed = 0;  // the speed of the line settings last applied
  QString m_name;
  bool m_lost = false;  // the device went away while open; a new open clears it
};
