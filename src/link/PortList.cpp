#include "link/PortList.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <algorithm>

QString StableNameOf(const QString& device, const QString& byIdFolder) {
  const QString target = QFileInfo(device).canonicalFilePath();
  if (target.isEmpty()) return {};
  const QDir folder(byIdFolder);
  for (const QFileInfo& link : folder.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name))
    if (link.isSymLink() && link.canonicalFilePath() == target) return link.absoluteFilePath();
  return {};
}

QList<PortListEntry> ListPorts(const QString& byIdFolder) {
  QList<PortListEntry> ports;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    const QString device = info.systemLocation();
    const bool listed = std::any_of(ports.begin(), ports.end(), [&](const PortListEntry& p) { return p.device == device; });
    if (device.isEmpty() || listed) continue;
    ports.append({device, info.description(), StableNameOf(device, byIdFolder)});
  }
  std::sort(ports.begin(), ports.end(), [](const PortListEntry& a, const PortListEntry& b) { return a.device < b.device; });
  return ports;
}
