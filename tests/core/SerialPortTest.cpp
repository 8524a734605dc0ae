// The serial channel on a real pseudo-terminal, and the ports' stable names:
// the by-id lookup on a folder of links and zu6400ctl ports.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <ctime>

#include "tests/support/CtlRunner.h"
#include "tests/support/TestSupport.h"
#include "link/PortList.h"
#include "link/SerialPort.h"

namespace {

// A failed open is worded by the caller, without a report; the port stays
// closed and fails every use with an invalid handle. The name chooses the
// link: a network name that fails leaves the port ready for a local one.
TEST(SerialPort, OpensAnExistingLocalDeviceAt38400TakesOnlyAcceptedSpeedsAndFailsAsLostWhenItGoes) {
  CSimulatorThread sim;
  ASSERT_TRUE(sim.Start());
  CSerialPort port;
  QSignalSpy reports(&port, &CSerialPort::ErrorReported);
  EXPECT_EQ(port.Open(QString()), Result::SerialPortNameMissing);
  EXPECT_EQ(port.Open(QStringLiteral("/dev/zu6400-no-such-port")), Result::FileNotFound);
  EXPECT_FALSE(port.WriteText(QStringLiteral("rv;")));
  EXPECT_EQ(GetLastError(), Result::InvalidHandle);
  EXPECT_TRUE(port.WriteText(QString())) << "nothing to write is success";
  EXPECT_EQ(port.Open(QStringLiteral("rfc2217://station:0")), Result::NetworkPortNameInvalid);
  EXPECT_EQ(reports.count(), 0);

  ASSERT_EQ(port.Open(sim.SlavePath()), 0u);
  EXPECT_EQ(port.Speed(), 38400u);
  EXPECT_EQ(port.Open(QStringLiteral("/dev/elsewhere")), 0u) << "an open port stays as it is";
  QSignalSpy waiting(&port, &CSerialPort::InputWaiting);
  ASSERT_TRUE(port.WriteText(QStringLiteral("rv;")));
  ASSERT_TRUE(WaitFor([&] { return waiting.count() > 0; }, 2000));
  QByteArray reply;
  char byte = 0;
  bool got = false;
  while (port.ReadByte(byte, got) && got) reply += byte;
  EXPECT_EQ(reply, "RV01.05;");
  EXPECT_EQ(port.RoundTripMs(), 0u) << "a local port adds nothing to the time-outs";
  EXPECT_TRUE(port.SetSpeed(115200));
  EXPECT_FALSE(port.SetSpeed(14400));
  EXPECT_EQ(GetLastError(), Result::InvalidArg);
  EXPECT_EQ(port.Speed(), 115200u);

  // The device goes before the program's loop has seen it go: the next
  // command's discard and write fail as the lost connection, reported once and
  // never as a success.
  sim.Tuner().Vanish();
  EXPECT_FALSE(port.PurgeReceive() && port.WriteText(QStringLiteral("rv;")));
  EXPECT_FALSE(port.WriteText(QStringLiteral("rv;")));
  EXPECT_EQ(GetLastError(), Result::DeviceNotConnected);
  WaitFor([] { return false; }, 100);  // a late report would show here
  EXPECT_EQ(reports.count(), 1);
}

TEST(SerialPort, VanishedDeviceIsReportedOnceAndClosedWithoutBusyLoop) {
  ModelFixture f;
  CTunerModel& model = f.Model();
  ASSERT_TRUE(f.ContactAndWait());
  const std::clock_t cpuBefore = std::clock();
  f.Sim().Vanish();
  ASSERT_TRUE(WaitFor([&] { return model.PortState.Get() == -1; }, 3000));
  WaitFor([] { return false; }, 300);  // let any repeated error show itself
  const double cpuSeconds = double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
  const auto boxes = f.Recorder().Lines(Msg::MessageBox);
  ASSERT_EQ(boxes.size(), 1);
  // Words for an unplugged adapter, not a permission problem; the code stays.
  EXPECT_EQ(boxes[0], "The connection to the ZU6400 on " + f.SimPort() +
                          " was lost: the adapter was unplugged or switched off (error 0x00000005)");
  EXPECT_FALSE(model.Channel->IsOpen());
  EXPECT_LT(cpuSeconds, 0.25) << "no busy loop after the device went away";
}

TEST(SerialPort, RunningSearchEndsWhenTheDeviceVanishes) {
  const CTimeScaleScope idle(kIdleTime);  // nothing answers
  ModelFixture f;
  f.Sim().SetSilent(true);
  f.Model().ContactMachine->StartAtOpenPort();
  ASSERT_TRUE(WaitFor([&] { return f.Model().PortState.Get() == 0; }, 2000));
  f.Sim().Vanish();
  ASSERT_TRUE(WaitFor([&] { return f.Finished(); }, 3000)) << "the endless search stops at its next send";
  EXPECT_EQ(f.LastResult(), Result::DeviceNotConnected) << "the lost connection, not an invalid handle";
}

// A stand-in for a device node.
QString MakeDevice(const QTemporaryDir& dir, const QString& name) {
  const QString path = dir.filePath(name);
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  return path;
}

TEST(PortList, StableNameIsTheLinkThatLeadsToTheDevice) {
  QTemporaryDir dev;
  const QString usb0 = MakeDevice(dev, QStringLiteral("ttyUSB0"));
  const QString usb1 = MakeDevice(dev, QStringLiteral("ttyUSB1"));
  QDir(dev.path()).mkpath(QStringLiteral("serial/by-id"));
  const QString byId = dev.filePath(QStringLiteral("serial/by-id"));
  const QString tuner = byId + QStringLiteral("/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0");
  ASSERT_TRUE(QFile::link(QStringLiteral("../../ttyUSB1"), tuner));  // relative, as udev makes them
  EXPECT_EQ(StableNameOf(usb1, byId), tuner);
  EXPECT_EQ(StableNameOf(usb0, byId), QString()) << "no link leads to it";
  EXPECT_EQ(StableNameOf(usb1, dev.filePath(QStringLiteral("missing"))), QString());
}

TEST(PortList, ZuctlPortsListsOneAPortAsTextAndJson) {
  QTemporaryDir config;
  const CtlRun text = RunCtl({"ports"}, config.path());
  const CtlRun json = RunCtl({"ports", "--json"}, config.path());
  ASSERT_EQ(text.status, 0) << text.err.toStdString();
  ASSERT_EQ(json.status, 0) << json.err.toStdString();
  const QJsonArray ports = QJsonDocument::fromJson(json.out.toUtf8()).array();
  EXPECT_EQ(ports.size(), text.out.count(u'\n')) << json.out.toStdString();
  for (const auto& port : ports) {
    EXPECT_TRUE(text.out.contains(port.toObject()["device"].toString() + u'\n'));
    EXPECT_TRUE(port.toObject().contains("by_id"));
  }
}

}  // namespace
