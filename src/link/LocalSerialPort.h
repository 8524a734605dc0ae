#pragma once
// A serial port of this computer (a USB adapter, a pseudo-terminal).

#include <QSerialPort>

#include "base/FailureText.h"
#include "link/SerialLink.h"

class CLocalSerialPort : public CSerialLink {
  Q_OBJECT
 public:
  CLocalSerialPort();
  ~CLocalSerialPort() override;

  ResultCode Open(const QString& name, std::uint32_t bps) override;
  void Close() override;
  bool IsOpen() const override { return m_port.isOpen(); }
  bool ApplySpeed(std::uint32_t bps) override;
  bool PurgeReceive() override;
  bool WriteBytes(const char* bytes, std::size_t count) override;
  bool Read(char* buffer, std::size_t count, std::size_t& bytesRead) override;
  qint64 BytesAvailable() const override { return m_port.bytesAvailable(); }
  QString FailureText(ResultCode code) const override;

 private:
  void OnError(QSerialPort::SerialPortError error);
  ResultCode LastPortError() const;
  // A call failed: reports it and sets the last error; always false.
  bool Failed(IoOperation operation);
  ResultCode ReportError(IoOperation operation, ResultCode code);
  bool ApplyLineSettings(std::uint32_t bps);

  QSerialPort m_port;
  QString m_name;
};
