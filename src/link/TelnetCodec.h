#pragma once
// The Telnet framing of a network serial port: serial data with 0xFF doubled,
// option negotiation, and the COM port control subnegotiation. The decoder
// keeps its place between calls, so the stream may be split anywhere.

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <vector>

namespace Telnet {
constexpr std::uint8_t Iac = 255;
constexpr std::uint8_t Dont = 254;
constexpr std::uint8_t Do = 253;
constexpr std::uint8_t Wont = 252;
constexpr std::uint8_t Will = 251;
constexpr std::uint8_t Sb = 250;
constexpr std::uint8_t Se = 240;

constexpr std::uint8_t Binary = 0;
constexpr std::uint8_t Sga = 3;
constexpr std::uint8_t ComPort = 44;

// COM port control commands from the client; the server answers each with
// the command plus kServerOffset.
namespace ComPortCommand {
constexpr std::uint8_t SetBaudRate = 1;
constexpr std::uint8_t SetDataSize = 2;
constexpr std::uint8_t SetParity = 3;
constexpr std::uint8_t SetStopSize = 4;
constexpr std::uint8_t SetControl = 5;
constexpr std::uint8_t PurgeData = 12;
constexpr std::uint8_t kServerOffset = 100;
}  // namespace ComPortCommand

// A negotiation (verb Will, Wont, Do, Dont) or a subnegotiation (verb Sb,
// value without the option byte, unescaped).
struct Event {
  std::uint8_t verb = 0;
  std::uint8_t option = 0;
  QByteArray value;
};

class CDecoder {
 public:
  // Serial data goes to data, everything else to events.
  void Feed(QByteArrayView bytes, QByteArray& data, std::vector<Event>& events);
  void Reset();

 private:
  enum class State { Data, Iac, Option, Sub, SubIac };
  void AfterIac(std::uint8_t byte, QByteArray& data);
  void EndSub(std::vector<Event>& events);

  State m_state = State::Data;
  std::uint8_t m_verb = 0;
  QByteArray m_sub;
};

QByteArray Escape(QByteArrayView data);
QByteArray Negotiation(std::uint8_t verb, std::uint8_t option);
// A COM port control command with its value, big-endian in width bytes.
QByteArray ComPortRequest(std::uint8_t command, std::uint32_t value, int width);
// The value of a server's answer (big-endian), or false when it is not that command's.
bool ComPortAnswer(const Event& event, std::uint8_t command, std::uint32_t& value);
}  // namespace Telnet
