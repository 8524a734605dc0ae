// Stable port names: the by-id lookup on a folder of links, a by-id name that
// keeps working when the adapter behind it moves, and zu6400ctl ports.

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "CtlRunner.h"
#include "link/PortList.h"

namespace {
// A stand-in for a device node.
QString MakeDevice(const QTemporaryDir& dir, const QString& name) {
  const QString path = dir.filePath(name);
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  return path;
}
}  // namespace

TEST(PortList, StableNameIsTheLinkThatLeadsToTheDevice) {
  QTemporaryDir dev;
  const QString usb0 = MakeDevice(dev, QStringLiteral("ttyUSB0"));
  const QString usb1 = MakeDevice(dev, QStringLiteral("ttyUSB1"));
  QDir(dev.path()).mkpath(QStringLiteral("serial/by-id"));
  const QString byId = dev.filePath(QStringLiteral("serial/by-id"));
  const QString tuner = byId + QStringLiteral("/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0");
  const QString other = byId + QStringLiteral("/usb-Prolific_PL2303-if00-port0");
  ASSERT_TRUE(QFile::link(QStringLiteral("../../ttyUSB1"), tuner));  // relative, as udev makes them
  ASSERT_TRUE(QFile::link(usb0, other));

  EXPECT_EQ(StableNameOf(usb1, byId), tuner);
  EXPECT_EQ(StableNameOf(usb0, byId), other);
  EXPECT_EQ(StableNameOf(dev.filePath(QStringLiteral("ttyS0")), byId), QString());  // no such device
  EXPECT_EQ(StableNameOf(MakeDevice(dev, QStringLiteral("ttyACM0")), byId), QString());  // not a USB adapter
  EXPECT_EQ(StableNameOf(usb1, dev.filePath(QStringLiteral("missing"))), QString());
}

TEST(PortList, AStableNameKeepsWorkingAfterTheAdapterMoves) {
  QTemporaryDir config, links;
  const QString stable = links.filePath(QStringLiteral("usb-FTDI_ZU6400-if00-port0"));
  CSimulatorProcess first({"--serial", "111"});
  ASSERT_TRUE(QFile::link(first.Port(), stable));
  const CtlRun before = RunCtl({"--port", stable, "contact"}, config.path());
  ASSERT_EQ(before.status, 0) << before.err.toStdString();
  EXPECT_TRUE(before.out.contains("serial: 00111\n"));

  CSimulatorProcess second({"--serial", "222"});
  QFile::remove(stable);
  ASSERT_TRUE(QFile::link(second.Port(), stable));
  const CtlRun after = RunCtl({"--port", stable, "contact"}, config.path());
  ASSERT_EQ(after.status, 0) << after.err.toStdString();
  EXPECT_TRUE(after.out.contains("serial: 00222\n"));
}

TEST(PortList, ZuctlPortsListsOneAPortAsTextAndJson) {
  QTemporaryDir config;
  const CtlRun text = RunCtl({"ports"}, config.path());
  ASSERT_EQ(text.status, 0) << text.err.toStdString();
  for (const QString& line : text.out.split(u'\n', Qt::SkipEmptyParts))
    EXPECT_TRUE(line.startsWith("/dev/")) << line.toStdString();
  const CtlRun json = RunCtl({"ports", "--json"}, config.path());
  ASSERT_EQ(json.status, 0);
  QJsonParseError error;
  const QJsonArray ports = QJsonDocument::fromJson(json.out.toUtf8(), &error).array();
  EXPECT_EQ(error.error, QJsonParseError::NoError) << json.out.toStdString();
  EXPECT_EQ(ports.size(), text.out.count(u'\n'));
  for (const auto& port : ports) EXPECT_TRUE(port.toObject().contains("by_id"));
}
