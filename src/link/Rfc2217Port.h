#pragma once
// A serial port on another computer, reached over TCP with Telnet COM port
// control (RFC 2217), as ser2net serves it. The line's speed and format are
// set over the connection; the socket runs in the program's own event loop.

#include <QByteArray>
#include <QTcpSocket>
#include <bitset>
#include <functional>

#include "link/SerialLink.h"
#include "link/TelnetCodec.h"

class CRfc2217Port : public CSerialLink {
  Q_OBJECT
 public:
  static constexpr const char* kScheme = "rfc2217://";
  // How long the station may take to accept the connection, and to confirm a
  // speed beyond the round trip, in milliseconds.
  static constexpr unsigned kConnectMs = 5000;
  static constexpr unsigned kConfirmMs = 2000;

  static bool IsNetworkName(const QString& name);
  // The host and TCP port of "rfc2217://HOST:PORT" (an IPv6 host in brackets).
  static bool ParseName(const QString& name, QString& host, quint16& port);
  // The codes whose words name the address (FailureText).
  static bool IsConnectionFailure(ResultCode code);

  CRfc2217Port();
  ~CRfc2217Port() override;

  ResultCode Open(const QString& name, std::uint32_t bps) override;
  void Close() override;
  bool IsOpen() const override { return m_open; }
  bool ApplySpeed(std::uint32_t bps) override;
  bool PurgeReceive() override;
  bool WriteBytes(const char* bytes, std::size_t count) override;
  bool Read(char* buffer, std::size_t count, std::size_t& bytesRead) override;
  qint64 BytesAvailable() const override { return m_received.size() - m_readAt; }
  QString FailureText(ResultCode code) const override;
  unsigned RoundTripMs() const override { return m_roundTripMs; }

 private:
  ResultCode Connect(const QString& host, quint16 port);
  void Negotiate();
  // Agrees on serial port control and sets the first speed, measuring the round trip.
  ResultCode TakeControl(std::uint32_t bps);
  // 8N1, no flow control, DTR and RTS off.
  void SendLineFormat();
  // Sends the speed and waits for the station to confirm it.
  bool RequestSpeed(std::uint32_t bps);
  bool Send(const QByteArray& bytes);
  // Runs the socket (and nothing else) until the condition holds or the time is up.
  bool WaitUntil(const std::function<bool()>& condition, unsigned ms);
  void OnReadyRead();
  void TakeIncoming();
  void AcknowledgeAtOnce();
  void OnEvent(const Telnet::Event& event);
  void OnSocketError(QAbstractSocket::SocketError error);
  // What a failed call leaves as the last error; always false.
  bool Failed();
  static ResultCode FromSocketError(QAbstractSocket::SocketError error);

  QTcpSocket m_socket;
  Telnet::CDecoder m_decoder;
  QByteArray m_received;  // serial data not yet read, from m_readAt on
  qsizetype m_readAt = 0;
  QString m_address;      // "HOST:PORT" as named, for messages
  bool m_open = false;
  bool m_waiting = false;  // within a wait of our own: arrivals are announced after it
  bool m_comPortAgreed = false;
  unsigned m_speedAnswers = 0;
  unsigned m_roundTripMs = 0;
  std::bitset<256> m_willSent;  // options we offered or agreed to
  std::bitset<256> m_doSent;    // options we asked the station for or agreed to
};
