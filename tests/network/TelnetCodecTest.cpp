// The Telnet framing of a network serial port on its own.

#include <gtest/gtest.h>

#include "link/Rfc2217Port.h"
#include "link/TelnetCodec.h"

namespace {

using namespace Telnet;

QByteArray Bytes(std::initializer_list<int> values) {
  QByteArray out;
  for (int v : values) out.append(static_cast<char>(v));
  return out;
}

// A station's stream: data with 0xFF, a negotiation, a speed answer whose
// value holds 0xFF, a command that carries nothing, a subnegotiation cut
// short by a negotiation (dropped, the negotiation kept), and data again.
const QByteArray kStream = QByteArray("rv;") + Bytes({Iac, Iac}) + "x" + Bytes({Iac, Do, ComPort}) +
                           Bytes({Iac, Sb, ComPort, 101, 0x00, Iac, Iac, 0x25, 0x80, Iac, Se}) + Bytes({Iac, 241}) +
                           Bytes({Iac, Sb, ComPort, 101, 1, Iac, Will, Binary}) + "RV01.05;";

TEST(TelnetCodec, DecodesTheSameWhereverTheStreamIsSplit) {
  for (qsizetype split = 0; split <= kStream.size(); ++split) {
    CDecoder decoder;
    QByteArray data;
    std::vector<Event> events;
    decoder.Feed(QByteArrayView(kStream).first(split), data, events);
    decoder.Feed(QByteArrayView(kStream).sliced(split), data, events);
    ASSERT_EQ(data, QByteArray("rv;\xFFxRV01.05;")) << "split at " << split;
    ASSERT_EQ(events.size(), 3u) << "split at " << split;
    EXPECT_EQ(events[0].verb, Do);
    EXPECT_EQ(events[0].option, ComPort);
    std::uint32_t speed = 0;
    EXPECT_TRUE(ComPortAnswer(events[1], ComPortCommand::SetBaudRate, speed));
    EXPECT_EQ(speed, 0x00FF2580u);
    EXPECT_FALSE(ComPortAnswer(events[1], ComPortCommand::PurgeData, speed)) << "another command's answer";
    EXPECT_EQ(events[2].verb, Will);
    EXPECT_EQ(events[2].option, Binary);
  }
}

TEST(TelnetCodec, DoublesIacInDataAndInsideSpeedValues) {
  EXPECT_EQ(Escape(Bytes({0x41, 0xFF, 0xFF, 0x42})), Bytes({0x41, 0xFF, 0xFF, 0xFF, 0xFF, 0x42}));
  EXPECT_EQ(ComPortRequest(ComPortCommand::SetBaudRate, 0x0001C200, 4),
            Bytes({Iac, Sb, ComPort, 1, 0x00, 0x01, 0xC2, 0x00, Iac, Se}));
  EXPECT_EQ(ComPortRequest(ComPortCommand::SetBaudRate, 0x00FFFF00, 4),
            Bytes({Iac, Sb, ComPort, 1, 0x00, Iac, Iac, Iac, Iac, 0x00, Iac, Se}));
}

TEST(NetworkPortName, HostAndPortIncludingBracketedIpv6) {
  QString host;
  quint16 port = 0;
  EXPECT_TRUE(CRfc2217Port::ParseName(QStringLiteral("RFC2217://[fe80::1]:4000"), host, port));
  EXPECT_EQ(host, QStringLiteral("fe80::1"));
  EXPECT_EQ(port, 4000);
  for (const char* bad : {"rfc2217://station", "rfc2217://:3001", "rfc2217://fe80::1:4000", "rfc2217://host:65536",
                          "rfc2217://[::1:4000", "/dev/ttyUSB0"})
    EXPECT_FALSE(CRfc2217Port::ParseName(QString::fromLatin1(bad), host, port)) << bad;
}

}  // namespace
