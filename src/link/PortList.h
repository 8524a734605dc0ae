#pragma once
// The serial ports of this computer, with the stable names the system gives
// USB adapters in /dev/serial/by-id: such a name follows the adapter from one
// USB socket to another, where ttyUSB0 may become ttyUSB1.

#include <QList>
#include <QString>

inline constexpr const char* kSerialByIdFolder = "/dev/serial/by-id";

struct PortListEntry {
  QString device;       // "/dev/ttyUSB0"
  QString description;  // what the system says the adapter is
  QString byId;         // its stable name, or empty
};

// The name in byIdFolder that leads to the device, or "" when there is none.
QString StableNameOf(const QString& device, const QString& byIdFolder = QLatin1String(kSerialByIdFolder));

// Every port the system lists, sorted by device name.
QList<PortListEntry> ListPorts(const QString& byIdFolder = QLatin1String(kSerialByIdFolder));
