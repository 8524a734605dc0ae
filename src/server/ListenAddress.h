#pragma once
// Where the server listens: "ADDRESS:PORT", an IPv6 address in brackets
// ("[::1]:6400").

#include <QHostAddress>
#include <QString>
#include <optional>

struct ListenAddress {
  QHostAddress address;
  quint16 port = 0;
};

constexpr const char* kDefaultListen = "127.0.0.1:6400";

// None for text that is not an address and a port 0 to 65535.
std::optional<ListenAddress> ParseListenAddress(const QString& text);
