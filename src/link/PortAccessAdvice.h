#pragma once
// What a user can do when the system refuses him a serial port.

#include <QString>

// Advice when the port's device file exists but this user may not read and
// write it (on Linux: not in the group that owns it); empty otherwise.
QString PortAccessAdvice(const QString& port);
