// zu6400ctl end to end: the front end against the zu6400-sim program.

#include <gtest/gtest.h>

#include <QSettings>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <utility>

#include "CtlRunner.h"
#include "base/ProgramVersion.h"

namespace {

class Cli : public ::testing::Test {
 protected:
  QTemporaryDir config;
};

TEST_F(Cli, ContactReportsTheTunerAtANonDefaultSpeed) {
  CSimulatorProcess sim({"--speed", "9600", "--version", "01.97", "--serial", "321"});
  ASSERT_TRUE(sim.Port().startsWith("/dev/"));
  const CtlRun r = RunCtl({"--port", sim.Port(), "contact"}, config.path());
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, QString("device: ZU6400\nfirmware: 01.97\nserial: 00321\nport: %1\nspeed: 9600\n").arg(sim.Port()));
  // Log lines go to standard error with their time prefix.
  EXPECT_TRUE(r.err.contains(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d Opening serial port ", QRegularExpression::MultilineOption)));
  EXPECT_EQ(r.err.count("Attempting to contact ZU6400"), 3);
  EXPECT_TRUE(r.err.contains("Connected to ZU6400 on " + sim.Port() + " at 9600 bit/s"));

  // The same values as one JSON object, and nothing else on standard output.
  const CtlRun json = RunCtl({"contact", "--port", sim.Port(), "--json"}, config.path());
  EXPECT_EQ(json.status, 0) << json.err.toStdString();
  const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
  EXPECT_EQ(object, QJsonObject({{"device", "ZU6400"}, {"firmware", "01.97"}, {"serial", 321},
                                 {"port", sim.Port()}, {"speed", 9600}}))
      << json.out.toStdString();
}

TEST_F(Cli, FixedSpeedTraceAndLoader) {
  CSimulatorProcess sim({"--speed", "19200", "--identity", "zu6400"});
  const CtlRun r = RunCtl({"--port", sim.Port(), "--speed", "19200", "--trace", "contact"}, config.path());
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, QString("device: ZU6400\nfirmware: loader\nport: %1\nspeed: 19200\n").arg(sim.Port()));
  EXPECT_TRUE(r.err.contains("ZU6400 waiting for firmware load on " + sim.Port() + " at 19200 bit/s"));
  EXPECT_TRUE(r.err.contains("FindSpeedLoop send ;"));
  EXPECT_TRUE(r.err.contains("IdentifyZU6400 response Izu6400;"));
  EXPECT_EQ(r.err.count("Attempting to contact"), 1);
}

TEST_F(Cli, SilenceAndUsageErrors) {
  CSimulatorProcess sim({"--speed", "4800"});
  // The search never gives up; the front end stops waiting.
  const CtlRun r = RunCtl({"--port", sim.Port(), "--speed", "9600", "--wait", "1", "contact"}, config.path());
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.err.contains("error 0xE2000045: The ZU6400 did not answer on " + sim.Port() + ". Check that it is "
                             "switched on"))
      << r.err.toStdString();
  EXPECT_TRUE(r.out.isEmpty());

  const CtlRun noPort = RunCtl({"contact"}, config.path());
  EXPECT_EQ(noPort.status, 1);
  EXPECT_TRUE(noPort.err.contains("error 0xE200000F: Serial port name is missing: give the tuner's port with --port"));
  EXPECT_TRUE(noPort.err.contains("--simulate"));

  EXPECT_EQ(RunCtl({"--speed", "2400", "contact"}, config.path()).status, 2);
  EXPECT_EQ(RunCtl({"frobnicate"}, config.path()).status, 2);
  EXPECT_EQ(RunCtl({}, config.path()).status, 2);
  EXPECT_EQ(RunCtl({"contact", "extra"}, config.path()).status, 2);
}

TEST_F(Cli, OptionsWorkBeforeOrAfterTheCommandWord) {
  CSimulatorProcess sim({"--speed", "19200", "--serial", "321"});
  const QString expected =
      QString("device: ZU6400\nfirmware: 01.97\nserial: 00321\nport: %1\nspeed: 19200\n").arg(sim.Port());
  const CtlRun after =
      RunCtl({"contact", "--port", sim.Port(), "--speed", "19200", "--trace", "--wait", "5"}, config.path());
  EXPECT_EQ(after.status, 0) << after.err.toStdString();
  EXPECT_EQ(after.out, expected);
  EXPECT_TRUE(after.err.contains("FindSpeedLoop send ;"));    // --trace
  EXPECT_EQ(after.err.count("Attempting to contact"), 1);     // --speed: no search

  const CtlRun around = RunCtl({"--port", sim.Port(), "contact", "--speed", "19200"}, config.path());
  EXPECT_EQ(around.status, 0) << around.err.toStdString();
  EXPECT_EQ(around.out, expected);

  const CtlRun simulated = RunCtl({"contact", "--simulate"}, config.path());
  EXPECT_EQ(simulated.status, 0) << simulated.err.toStdString();
  // A newcomer's simulated tuner runs the newest firmware, so every feature shows.
  EXPECT_TRUE(simulated.out.startsWith("device: ZU6400\nfirmware: 01.97\nserial: 01234\n"))
      << simulated.out.toStdString();

  const CtlRun unknown = RunCtl({"contact", "--port", sim.Port(), "--frobnicate"}, config.path());
  EXPECT_EQ(unknown.status, 2);
  EXPECT_TRUE(unknown.out.isEmpty());
  EXPECT_TRUE(unknown.err.startsWith("zu6400ctl: --frobnicate: unknown option\n")) << unknown.err.toStdString();
}

TEST_F(Cli, UsageErrorsNameTheArgumentAtFaultInOneLine) {
  const QString commands =
      "(commands: contact, ports, status, set, tune, memorize, watch, config, save, restore, faults, erase-memories, "
      "factory-reset, firmware, flash, download, serve, check-config, check-hex)";
  const std::pair<QStringList, QString> cases[] = {
      {{"--speed", "1234", "contact"}, "--speed 1234: --speed takes AUTO, 38400, 19200, 9600 or 4800"},
      {{"contact", "--wait", "0"}, "--wait 0: --wait takes 1 to 3600 seconds"},
      {{"contact", "--wait", "3601"}, "--wait 3601: --wait takes 1 to 3600 seconds"},
      {{"contact", "extra"}, "extra: unexpected argument (usage: zu6400ctl contact)"},
      {{"status", "--json", "now"}, "now: unexpected argument (usage: zu6400ctl status)"},
      {{"tune", "now"}, "now: unexpected argument (usage: zu6400ctl tune)"},
      {{"memorize", "here", "there"}, "here: unexpected argument (usage: zu6400ctl memorize)"},
      {{"set"}, "NAME=VALUE is missing (usage: zu6400ctl set NAME=VALUE ...)"},
      {{"frobnicate"}, "frobnicate: unknown command " + commands},
      {{"statsu", "--json"}, "statsu: unknown command (did you mean status?)"},
      {{"help", "sav"}, "sav: unknown command (did you mean save?)"},
      {{"--json"}, "COMMAND is missing " + commands},
  };
  for (const auto& [args, problem] : cases) {
    SCOPED_TRACE(args.join(' ').toStdString());
    const CtlRun r = RunCtl(args, config.path());
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err, "zu6400ctl: " + problem + "\ntry zu6400ctl --help\n");
  }

  const CtlRun help = RunCtl({"--help"}, config.path());
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.err.isEmpty());
  for (const char* line : {"usage: zu6400ctl COMMAND [ARGS] [OPTIONS]\n", "\noperate:\n  status ",
                           "\n  set NAME=VALUE ...      change live settings", "\n  c                       0 to 2701 pF",
                           "\nfiles:\n  check-config FILE ", "\n  --wait SECONDS          seconds each step may take"})
    EXPECT_TRUE(help.out.contains(line)) << line;

  // One command's help, asked for either way: its usage, its options only, an example.
  const CtlRun save = RunCtl({"help", "save"}, config.path());
  EXPECT_EQ(save.status, 0);
  EXPECT_EQ(RunCtl({"save", "--help"}, config.path()).out, save.out);
  for (const char* line : {"usage: zu6400ctl save [FILE] [OPTIONS]\n", "\n  --port PORT ", "\n  --json ",
                           "\nexample:\n  zu6400ctl save "})
    EXPECT_TRUE(save.out.contains(line)) << line;
  EXPECT_FALSE(save.out.contains("--listen"));
  EXPECT_EQ(RunCtl({"--version"}, config.path()).out, "zu6400ctl " + CProgramVersion::Number() + "\n");
}

TEST_F(Cli, SimulateUsesTheBuiltInTunerWithoutSavingItsPort) {
  const QString file = config.path() + "/Corvanta/ZU6400 Utility.conf";
  {
    QSettings saved(file, QSettings::IniFormat);
    saved.setValue("Port", "/dev/ttyUSB7");
  }
  const CtlRun r = RunCtl({"--simulate", "contact"}, config.path());
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_TRUE(r.out.startsWith("device: ZU6400\nfirmware: 01.97\nserial: 01234\nport: /dev/"));
  EXPECT_FALSE(r.out.contains("ttyUSB7"));
  EXPECT_EQ(QSettings(file, QSettings::IniFormat).value("Port").toString(), "/dev/ttyUSB7");
}

}  // namespace
