// zu6400ctl end to end: the front end against the zu6400-sim program.

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <unistd.h>
#include <utility>

#include "CtlRunner.h"
#include "LoaderTestSupport.h"
#include "base/ProgramVersion.h"
#include "base/ReportSink.h"
#include "config/ConfigurationFileWriter.h"

namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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

TEST_F(Cli, FixedSpeedTraceAndLoaderWithOptionsAfterTheCommandWord) {
  CSimulatorProcess sim({"--speed", "19200", "--identity", "zu6400"});
  const CtlRun r = RunCtl({"--port", sim.Port(), "contact", "--speed", "19200", "--trace", "--wait", "5"}, config.path());
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, QString("device: ZU6400\nfirmware: loader\nport: %1\nspeed: 19200\n").arg(sim.Port()));
  EXPECT_TRUE(r.err.contains("ZU6400 waiting for firmware load on " + sim.Port() + " at 19200 bit/s"));
  EXPECT_TRUE(r.err.contains("IdentifyZU6400 response Izu6400;"));  // --trace
  EXPECT_EQ(r.err.count("Attempting to contact"), 1);               // --speed: no search
}

TEST_F(Cli, SilenceAndNoPortAreErrors) {
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
}

TEST_F(Cli, APortTheUserMayNotOpenIsAMatterOfPermission) {
  CSimulatorProcess sim({});
  // The pseudo-terminal belongs to the group tty, to which nobody does not belong.
  if (geteuid() != 0) {
    ASSERT_TRUE(QFile::setPermissions(sim.Port(), QFileDevice::Permissions()));
  }
  const CtlRun r = RunCtlUnprivileged({"--port", sim.Port(), "contact"}, config.path());
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.err.contains("You do not have permission to use the serial port " + sim.Port())) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains("sudo usermod -aG ")) << r.err.toStdString();
  EXPECT_FALSE(r.err.contains("may be in use")) << r.err.toStdString();
  EXPECT_TRUE(r.err.endsWith("error 0x00000005: Access is denied.\n")) << r.err.toStdString();
}

TEST_F(Cli, OutputThatCannotBeWrittenFailsWithTheReason) {
  for (const QStringList& args : {QStringList{"status", "--json"}, QStringList{"watch", "--csv", "--count", "2"}}) {
    SCOPED_TRACE(args.join(' ').toStdString());
    QProcess p;
    p.setStandardOutputFile("/dev/full");
    StartCtl(p, QStringList{"--simulate"} + args, config.path());
    const CtlRun r = FinishCtl(p);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(
        r.err.endsWith("error 0x00000070: Could not write the output: There is not enough space on the disk.\n"))
        << r.err.toStdString();
  }
}

TEST_F(Cli, UsageErrorsNameTheArgumentAtFaultInOneLine) {
  const QString commands =
      "(commands: contact, ports, status, set, tune, memorize, watch, config, save, restore, faults, erase-memories, "
      "factory-reset, firmware, flash, download, serve, check-config, check-hex)";
  const std::pair<QStringList, QString> cases[] = {
      {{"--speed", "1234", "contact"}, "--speed 1234: --speed takes AUTO, 38400, 19200, 9600 or 4800"},
      {{"contact", "--wait", "3601"}, "--wait 3601: --wait takes 1 to 3600 seconds"},
      {{"memorize", "here", "there"}, "here: unexpected argument (usage: zu6400ctl memorize)"},
      {{"contact", "--frobnicate"}, "--frobnicate: unknown option"},
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
  EXPECT_TRUE(help.out.startsWith("usage: zu6400ctl COMMAND [ARGS] [OPTIONS]\n"));

  // One command's help, asked for either way: its usage, its options only, an example.
  const CtlRun save = RunCtl({"help", "save"}, config.path());
  EXPECT_EQ(save.status, 0);
  EXPECT_EQ(RunCtl({"save", "--help"}, config.path()).out, save.out);
  for (const char* line : {"usage: zu6400ctl save [FILE] [OPTIONS]\n", "\nexample:\n  zu6400ctl save "})
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

// Ctrl+C in a long job: the first stops it at its next command and says what
// the tuner (and the file) are left with; a second ends the program at once.
struct Interrupted {
  const char* name;
  QStringList sim;      // zu6400-sim's options
  QStringList args;     // zu6400ctl's, with FILE and IMAGE for the test's files
  const char* marker;   // the job is under way once standard error shows it ...
  int count;            // ... this many times
  int presses;
  const char* state;    // the line that tells what things are left in
};

void PrintTo(const Interrupted& job, std::ostream* out) { *out << job.name; }

class CliInterrupt : public ::testing::TestWithParam<Interrupted> {
 protected:
  QTemporaryDir dir;
};

TEST_P(CliInterrupt, StopsThroughTheMachineAndSaysWhatIsLeft) {
  const Interrupted& job = GetParam();
  const QString file = dir.filePath("tuner.ZU6400Config");
  ConfigSnapshot snapshot;
  snapshot.serialNumber = 1234;
  CSilentReportSink sink;
  ASSERT_TRUE(WriteConfigurationFile(file, QDateTime::currentDateTime(), snapshot, sink));
  const QByteArray earlier = Contents(file);
  const QString image = WriteFirmwareFile(dir.path(), "zu6400fw0106.hex", 0x4000);
  CSimulatorProcess sim(job.sim + QStringList{"--pace", "--restart-ms", "50"});
  QStringList args = job.args;
  args.replaceInStrings("FILE", file).replaceInStrings("IMAGE", image);
  const CtlRun r = InterruptCtl(args + QStringList{"--port", sim.Port(), "--trace"}, dir.filePath("config"),
                                job.marker, job.count, job.presses);
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.out.isEmpty());
  EXPECT_TRUE(r.err.contains(QRegularExpression("\\d Stopping once the command in progress is done")));
  EXPECT_TRUE(r.err.contains(QLatin1String(job.state))) << r.err.right(2000).toStdString();
  EXPECT_TRUE(r.err.endsWith(job.presses == 1 ? "error 0x000004C7: The operation was canceled by the user.\n"
                                              : "error 0x000004C7: The operation was canceled by the user. "
                                                "(stopped at once)\n"))
      << r.err.right(500).toStdString();
  EXPECT_EQ(Contents(file), earlier) << "a save keeps the earlier file";
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "and leaves no temporary file";
}

INSTANTIATE_TEST_SUITE_P(
    LongJobs, CliInterrupt,
    ::testing::Values(
        Interrupted{"Save", {}, {"save", "FILE"}, "ConfigSaveSerialPromBody send", 1, 1,
                    "tuner.ZU6400Config was left as it was"},
        Interrupted{"Restore", {}, {"restore", "FILE"}, "ConfigRestoreSerialPromBody send", 1, 1,
                    "The tuner's stored configuration is now incomplete: restore a configuration file again before "
                    "using the tuner."},
        Interrupted{"Flash", {"--loader"}, {"flash", "IMAGE", "--yes"}, "LoadFirmwareInitial Send 132 bytes", 1, 1,
                    "The ZU6400 is left in its bootstrap loader: send the firmware again to finish the update"},
        // At 4800 bit/s the job's own search, after the contact's, takes long.
        Interrupted{"ConfigSet", {"--speed", "4800"}, {"config", "set", "--band", "20", "ant2=off"},
                    "GetAntennaEnable send", 1, 1,
                    "The tuner's stored configuration was not changed"},
        Interrupted{"Faults", {"--speed", "4800"}, {"faults"}, "at 19200 bit/s", 2, 1, "The tuner was not changed"},
        Interrupted{"EraseMemories", {"--speed", "4800"}, {"erase-memories", "--band", "all", "--antenna", "1"},
                    "at 19200 bit/s", 2, 1, "Nothing was erased"},
        Interrupted{"FactoryResetTwice", {}, {"factory-reset", "--yes"}, "Waiting 3 seconds for reset", 1, 2,
                    "Stopping once the command in progress is done"}),
    [](const ::testing::TestParamInfo<Interrupted>& info) { return std::string(info.param.name); });

}  // namespace
