#include "link/TelnetCodec.h"

namespace Telnet {

void CDecoder::Reset() {
  m_state = State::Data;
  m_sub.clear();
}

void CDecoder::Feed(QByteArrayView bytes, QByteArray& data, std::vector<Event>& events) {
  for (const char c : bytes) {
    const auto byte = static_cast<std::uint8_t>(c);
    switch (m_state) {
      case State::Data:
        if (byte == Iac)
          m_state = State::Iac;
        else
          data.append(c);
        break;
      case State::Iac: AfterIac(byte, data); break;
      case State::Option:
        events.push_back({m_verb, byte, {}});
        m_state = State::Data;
        break;
      case State::Sub:
        if (byte == Iac)
          m_state = State::SubIac;
        else
          m_sub.append(c);
        break;
      case State::SubIac:
        if (byte == Iac) {
          m_sub.append(c);
          m_state = State::Sub;
        } else if (byte == Se) {
          EndSub(events);
        } else {
          // A subnegotiation cut short by another command: drop it, take the command.
          m_sub.clear();
          AfterIac(byte, data);
        }
        break;
    }
  }
}

void CDecoder::AfterIac(std::uint8_t byte, QByteArray& data) {
  m_state = State::Data;
  if (byte == Iac) {
    data.append(static_cast<char>(Iac));
  } else if (byte >= Will) {
    m_verb = byte;
    m_state = State::Option;
  } else if (byte == Sb) {
    m_sub.clear();
    m_state = State::Sub;
  }  // anything else (NOP, GA, ...) carries nothing for a serial line
}

void CDecoder::EndSub(std::vector<Event>& events) {
  m_state = State::Data;
  if (m_sub.isEmpty()) return;
  events.push_back({Sb, static_cast<std::uint8_t>(m_sub.front()), m_sub.mid(1)});
  m_sub.clear();
}

QByteArray Escape(QByteArrayView data) {
  QByteArray out;
  out.reserve(data.size());
  for (const char c : data) {
    out.append(c);
    if (static_cast<std::uint8_t>(c) == Iac) out.append(c);
  }
  return out;
}

QByteArray Negotiation(std::uint8_t verb, std::uint8_t option) {
  const char bytes[] = {static_cast<char>(Iac), static_cast<char>(verb), static_cast<char>(option)};
  return QByteArray(bytes, sizeof bytes);
}

QByteArray ComPortRequest(std::uint8_t command, std::uint32_t value, int width) {
  QByteArray payload(1, static_cast<char>(command));
  for (int shift = 8 * (width - 1); shift >= 0; shift -= 8) payload.append(static_cast<char>((value >> shift) & 0xFF));
  QByteArray out;
  out.append(static_cast<char>(Iac)).append(static_cast<char>(Sb)).append(static_cast<char>(ComPort));
  out.append(Escape(payload));
  out.append(static_cast<char>(Iac)).append(static_cast<char>(Se));
  return out;
}

bool ComPortAnswer(const Event& event, std::uint8_t command, std::uint32_t& value) {
  if (event.verb != Sb || event.option != ComPort || event.value.isEmpty()) return false;
  if (static_cast<std::uint8_t>(event.value.front()) != command + ComPortCommand::kServerOffset) return false;
  value = 0;
  for (qsizetype i = 1; i < event.value.size(); ++i) value = (value << 8) | static_cast<std::uint8_t>(event.value[i]);
  return true;
}

}  // namespace Telnet
