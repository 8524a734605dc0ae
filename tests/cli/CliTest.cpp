// zu6400ctl end to end against zu6400-sim (or its built-in simulated tuner),
// both as processes: each command reaches its job and prints what it did. The
// jobs themselves are proven against the machines; what went out on the wire
// is read from --trace.

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <vector>

#include "tests/support/CtlRunner.h"
#include "tests/support/LoaderTestSupport.h"
#include "tests/support/TestSupport.h"
#include "base/ReportSink.h"
#include "cli/TerminalProgress.h"
#include "config/ConfigurationFileWriter.h"

namespace {

QJsonObject JsonOf(const CtlRun& run) { return QJsonDocument::fromJson(run.out.toUtf8()).object(); }

// The commands a traced run sent from the named states ("SetAntennaEnable").
QStringList Sent(const CtlRun& run, const QString& statePrefix) {
  QStringList sent;
  const QRegularExpression line("^\\S+ (" + statePrefix + "\\w*) send (.*)$", QRegularExpression::MultilineOption);
  for (auto it = line.globalMatch(run.err); it.hasNext();) sent << it.next().captured(2);
  return sent;
}

// A configuration file of tuner 1234, as a save writes it.
QString WriteConfiguration(const QString& path) {
  ConfigSnapshot snapshot;
  snapshot.serialNumber = 1234;
  CSilentReportSink sink;
  EXPECT_TRUE(WriteConfigurationFile(path, QDateTime::currentDateTime(), snapshot, sink));
  return path;
}

class Cli : public CtlSimTest {};

TEST_F(Cli, ContactReportsTheTunerAtANonDefaultSpeed) {
  StartSim({"--speed", "9600", "--version", "01.97", "--serial", "321"});
  ASSERT_TRUE(port.startsWith("/dev/"));
  const CtlRun r = Ctl({"contact"});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, QString("device: ZU6400\nfirmware: 01.97\nserial: 00321\nport: %1\nspeed: 9600\n").arg(port));
  // Log lines go to standard error with their time prefix.
  EXPECT_TRUE(r.err.contains(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d Opening serial port ", QRegularExpression::MultilineOption)));
  EXPECT_TRUE(r.err.contains("Connected to ZU6400 on " + port + " at 9600 bit/s"));

  // The same values as one JSON object, and nothing else on standard output.
  const CtlRun json = Ctl({"contact", "--speed", "9600", "--json"});
  EXPECT_EQ(json.status, 0) << json.err.toStdString();
  EXPECT_EQ(JsonOf(json), QJsonObject({{"device", "ZU6400"}, {"firmware", "01.97"}, {"serial", 321},
                                       {"port", port}, {"speed", 9600}}))
      << json.out.toStdString();

  const CtlRun noPort = RunCtl({"contact"}, config.path());
  EXPECT_EQ(noPort.status, 1);
  EXPECT_TRUE(noPort.err.contains("error 0xE200000F: Serial port name is missing: give the tuner's port with --port"));
  EXPECT_TRUE(noPort.err.contains("--simulate"));
}

TEST_F(Cli, FixedSpeedTraceAndLoaderWithOptionsAfterTheCommandWord) {
  StartSim({"--speed", "19200", "--identity", "zu6400"});
  const CtlRun r = RunCtl({"--port", port, "contact", "--speed", "19200", "--trace", "--wait", "5"}, config.path());
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, QString("device: ZU6400\nfirmware: loader\nport: %1\nspeed: 19200\n").arg(port));
  EXPECT_TRUE(r.err.contains("ZU6400 waiting for firmware load on " + port + " at 19200 bit/s"));
  EXPECT_TRUE(r.err.contains("IdentifyZU6400 response Izu6400;"));  // --trace
  EXPECT_EQ(r.err.count("Attempting to contact"), 1);               // --speed: no search
}

// --wait counts real seconds: the runs that wait it out run side by side.
TEST(CliWaits, AStepOutOfTimeFailsWithItsCodeOrTheLoadLooksForAStrandedLoader) {
  QTemporaryDir dir;
  const QString folder = dir.filePath("firmware");
  ASSERT_TRUE(QDir().mkpath(folder));
  WriteFirmwareFile(folder, "zu6400fw0104.hex", 0x900);
  const QString newest = WriteFirmwareFile(folder, "zu6400fw0106.hex", 0x900);
  const struct {
    QStringList sim;
    QStringList args;
    int status;
    QString err;  // a line of standard error; PORT for the tuner's port
    QString out;  // the start of standard output
  } cases[] = {
      // The search never gives up; the front end stops waiting.
      {{"--speed", "4800"}, {"--speed", "9600", "contact"}, 1,
       "error 0xE2000045: The ZU6400 did not answer on PORT. Check that it is switched on", ""},
      // A change in cycles the tuner never completes; nothing unread is printed.
      {{"--version", "01.97", "--garble", "f:1000"}, {"set", "mode=M"}, 1,
       "error 0xE2000074: No response to Frequency (F)", ""},
      // Last: its loader is left holding part of a packet, deaf to the search;
      // the load looks for it and sends it the folder's newest image.
      {{"--loader", "--keep-partial", "--flash-version", "01.06"}, {"flash", "--yes", "--folder", folder}, 0,
       "Nothing answered: looking for a bootstrap loader left holding part of a packet",
       "file: " + newest + "\nfirmware: 01.06\nsent: "},
  };
  std::vector<std::unique_ptr<CSimulatorProcess>> sims;
  std::vector<QStringList> argLists;
  for (const auto& c : cases) sims.push_back(std::make_unique<CSimulatorProcess>(c.sim));
  for (size_t i = 0; i < sims.size(); ++i) {
    ASSERT_FALSE(sims[i]->Port().isEmpty());
    argLists.push_back(cases[i].args + QStringList{"--port", sims[i]->Port(), "--wait", "1"});
  }
  StrandLoaderInAPacket(sims.back()->Port());
  const std::vector<CtlRun> runs = RunCtlTogether(argLists, dir.filePath("config"));
  for (size_t i = 0; i < runs.size(); ++i) {
    SCOPED_TRACE(argLists[i].join(' ').toStdString());
    const CtlRun& r = runs[i];
    EXPECT_EQ(r.status, cases[i].status) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QString(cases[i].err).replace("PORT", sims[i]->Port()))) << r.err.toStdString();
    if (cases[i].out.isEmpty())
      EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    else
      EXPECT_TRUE(r.out.startsWith(cases[i].out)) << r.out.toStdString();
  }
}

TEST_F(Cli, APortTheUserMayNotOpenIsAMatterOfPermission) {
  StartSim({});
  // The pseudo-terminal belongs to the group tty, to which nobody does not belong.
  if (geteuid() != 0) {
    ASSERT_TRUE(QFile::setPermissions(port, QFileDevice::Permissions()));
  }
  const CtlRun r = RunCtlUnprivileged({"--port", port, "contact"}, config.path());
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.err.contains("You do not have permission to use the serial port " + port)) << r.err.toStdString();
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

// Ctrl+C in a long job: the first stops it at its next command and says what
// the tuner (and the file) are left with; a second ends the program at once.
struct Interrupted {
  const char* name;
  QStringList sim;    // zu6400-sim's options
  CtlInterrupt run;   // zu6400ctl's arguments with FILE and IMAGE for the test's files, and when to press
  const char* state;  // the line that tells what things are left in
};

// Each on a tuner of its own, all side by side.
TEST(CliInterrupt, LongJobsStopThroughTheMachineAndSayWhatIsLeft) {
  const Interrupted jobs[] = {
      {"Save", {}, {{"save", "FILE"}, {}, "ConfigSaveSerialPromBody send"}, "tuner.ZU6400Config was left as it was"},
      {"Restore", {}, {{"restore", "FILE"}, {}, "ConfigRestoreSerialPromBody send"},
       "The tuner's stored configuration is now incomplete: restore a configuration file again before using the "
       "tuner."},
      {"Flash", {"--loader"}, {{"flash", "IMAGE", "--yes"}, {}, "LoadFirmwareInitial Send 132 bytes"},
       "The ZU6400 is left in its bootstrap loader: send the firmware again to finish the update"},
      // At 9600 bit/s the job's own search, after the contact's, takes long; the
      // slower clock leaves the stop time to come within it.
      {"ConfigSet", {"--speed", "9600"},
       {{"config", "set", "--band", "20", "ant2=off"}, {}, "GetAntennaEnable send", 1, 1, 2},
       "The tuner's stored configuration was not changed"},
      {"Faults", {"--speed", "9600"}, {{"faults"}, {}, "at 19200 bit/s", 2, 1, 2}, "The tuner was not changed"},
      {"EraseMemories", {"--speed", "9600"},
       {{"erase-memories", "--band", "all", "--antenna", "1"}, {}, "at 19200 bit/s", 2, 1, 2}, "Nothing was erased"},
      // Both presses within the erase's long wait.
      {"FactoryResetTwice", {}, {{"factory-reset", "--yes"}, {}, "EraseConfiguration send", 1, 2},
       "Stopping once the command in progress is done"}};
  std::vector<std::unique_ptr<CSimulatorProcess>> sims;
  for (const Interrupted& job : jobs)
    sims.push_back(std::make_unique<CSimulatorProcess>(job.sim + QStringList{"--pace", "--restart-ms", "50"},
                                                       job.run.timeScale));
  QTemporaryDir dir;
  std::vector<CtlInterrupt> runs;
  std::vector<QByteArray> earlier;
  for (size_t i = 0; i < sims.size(); ++i) {
    const Interrupted& job = jobs[i];
    const QDir folder(dir.filePath(job.name));
    ASSERT_TRUE(folder.mkpath("."));
    const QString file = WriteConfiguration(folder.filePath("tuner.ZU6400Config"));
    earlier.push_back(FileBytes(file));
    // long enough to be stopped in
    const QString image = WriteFirmwareFile(folder.path(), "zu6400fw0106.hex", 0x10000);
    CtlInterrupt& run = runs.emplace_back(job.run);
    run.args.replaceInStrings("FILE", file).replaceInStrings("IMAGE", image);
    run.args << "--port" << sims[i]->Port() << "--trace";
    run.configHome = folder.filePath("config");
  }
  const std::vector<CtlRun> results = InterruptCtl(runs);
  for (size_t i = 0; i < results.size(); ++i) {
    const Interrupted& job = jobs[i];
    SCOPED_TRACE(job.name);
    const CtlRun& r = results[i];
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains(QRegularExpression("\\d Stopping once the command in progress is done")));
    EXPECT_TRUE(r.err.contains(QLatin1String(job.state))) << r.err.right(2000).toStdString();
    const QString cancelled = "error 0x000004C7: The operation was canceled by the user.";
    EXPECT_TRUE(r.err.endsWith(cancelled + (job.run.presses == 1 ? "\n" : " (stopped at once)\n")))
        << r.err.right(500).toStdString();
    const QDir folder(dir.filePath(job.name));
    EXPECT_EQ(FileBytes(folder.filePath("tuner.ZU6400Config")), earlier[i]) << "a save keeps the earlier file";
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden).size(), 2) << "and leaves no temporary file";
  }
}

class OperateCli : public CtlSimTest {};

TEST_F(OperateCli, StatusPrintsEveryValueAsTextAndJsonAndSetChangesThem) {
  StartSim({"--version", "01.97", "--frequency", "7100"});
  const CtlRun text = Ctl({"status"});
  ASSERT_EQ(text.status, 0) << text.err.toStdString();
  const QStringList lines = text.out.split('\n', Qt::SkipEmptyParts);
  QStringList names;
  for (const QString& line : lines) names << line.section(": ", 0, 0);
  EXPECT_EQ(names, QStringList({"mode", "antenna", "side", "bypass", "attenuator", "ampi", "power", "band", "c", "l",
                                "frequency", "frequency-atu", "frequency-count", "frequency-xcvr", "vfwd", "vrfl",
                                "swr", "swr-bypass", "fault"}));
  EXPECT_TRUE(lines.contains("frequency-atu: 7000-7300"));

  // The same values in JSON: keys in snake_case, readings as numbers.
  const CtlRun json = Ctl({"--json", "status"});
  ASSERT_EQ(json.status, 0);
  const QJsonObject o = JsonOf(json);
  EXPECT_EQ(o.size(), names.size());
  EXPECT_EQ(KeysNotInSnakeCase(o), QStringList());
  EXPECT_EQ(o["frequency"].toInt(), 7100);
  EXPECT_TRUE(o["swr"].isDouble());
  EXPECT_EQ(o["swr"].toDouble(), lines.filter(QRegularExpression("^swr: ")).first().mid(5).toDouble());

  // Letters or words, numbers or relay bytes.
  const CtlRun set = Ctl({"--trace", "set", "mode=manual", "antenna=3", "side=Antenna", "c=100", "l=0x0f", "attenuator=on"});
  ASSERT_EQ(set.status, 0) << set.err.toStdString();
  EXPECT_TRUE(set.err.contains("send MDM;")) << set.err.toStdString();
  EXPECT_TRUE(set.out.contains("c: 0x09 90 pF\n"));  // 100 pF made greedily: 82 + 8

  const CtlRun status = Ctl({"status"});
  ASSERT_EQ(status.status, 0);
  for (const char* line : {"mode: M (manual)\n", "antenna: 3\n", "side: A (antenna)\n", "attenuator: 1\n", "l: 0x0f 870 nH\n"})
    EXPECT_TRUE(status.out.contains(line)) << line;
}

TEST_F(OperateCli, ASleepingTunerShowsItsPowerAlone) {
  StartSim({"--version", "01.97", "--asleep"});
  const CtlRun asleep = Ctl({"status"});
  EXPECT_EQ(asleep.status, 0);
  EXPECT_EQ(asleep.out, "power: 0\n");
}

// The simulated tuner takes its real 300 ms to tune: a tune not waited for
// would print the relays on their way.
TEST_F(OperateCli, TunePrintsTheStateAfterTheTuneAndMemorizeWhatItStored) {
  StartSim({"--version", "01.97", "--frequency", "14200"}, 1);
  const CtlRun before = Ctl({"--json", "status"});
  EXPECT_GT(JsonOf(before)["swr"].toDouble(), 2.0) << before.out.toStdString();

  const CtlRun tune = Ctl({"tune", "--json"});
  ASSERT_EQ(tune.status, 0) << tune.err.toStdString();
  const QJsonObject tuned = JsonOf(tune);
  EXPECT_EQ(tuned["swr"].toDouble(), 1.1) << tune.out.toStdString();
  EXPECT_NE(tuned["c"].toObject()["hex"].toString(), "0x00");

  const CtlRun memorize = Ctl({"memorize"});
  ASSERT_EQ(memorize.status, 0) << memorize.err.toStdString();
  const QJsonObject c = tuned["c"].toObject(), l = tuned["l"].toObject();
  EXPECT_EQ(memorize.out, QString("band: 20\nantenna: 1\nc: %1 %2 pF\nl: %3 %4 nH\n")
                              .arg(c["hex"].toString()).arg(c["pf"].toInt()).arg(l["hex"].toString()).arg(l["nh"].toInt()));
}

class ConfigEditCli : public CtlSimTest {
 protected:
  QJsonObject Json() {
    const CtlRun run = Ctl({"config", "--json"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    return JsonOf(run);
  }
};

TEST_F(ConfigEditCli, ConfigPrintsEveryBandAndSetAndEraseWriteTheBandsNamed) {
  StartSim({"--version", "01.39"});
  const CtlRun text = Ctl({"config"});
  ASSERT_EQ(text.status, 0) << text.err.toStdString();
  const QStringList lines = text.out.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3 + 1 + 11);
  EXPECT_EQ(lines[9].simplified(), "20 on on off 2 off 2.00 1.50 1.20");

  const CtlRun json = Ctl({"--json", "config"});
  ASSERT_EQ(json.status, 0);
  EXPECT_TRUE(json.out.startsWith(
      R"({"key_interrupt_power": 1500, "initial_power": true, "idle_sleep": false, "bands": [{"band": "160", )"
      R"("antennas": [true, false, false], "preferred": 0, "fine_tune": false, "swr_key": 2.00, )"
      R"("swr_autotune": 1.50, "swr_bypass": 1.20}, {"band": "80", )"))
      << json.out.left(200).toStdString();

  // A band's setting goes to that band, or with --band all to every band.
  CtlRun run = Ctl({"config", "set", "--band", "20", "ant3=on", "--trace"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(Sent(run, "Set"), QStringList({"AE0531;ae053;"}));

  run = Ctl({"--trace", "config", "set", "--band", "all", "ant2=off", "swr-bypass=2.555", "sleep=on"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  const QStringList sent = Sent(run, "Set");
  EXPECT_EQ(sent.first(), "SL1;sl;");
  EXPECT_TRUE(sent.contains("AE0320;ae032;"));
  EXPECT_TRUE(sent.contains("AE0520;ae052;"));
  EXPECT_TRUE(sent.contains("ST10B2.55;st10b;"));
  EXPECT_EQ(sent.size(), 1 + 2 + 11);
  EXPECT_EQ(Json()["bands"].toArray()[0].toObject()["swr_bypass"].toDouble(), 2.55);

  // Every band's memory in one transmission.
  run = Ctl({"--antenna", "3", "erase-memories", "--band", "all", "--trace"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(Sent(run, "EraseMemory"),
            QStringList({"em003;em013;em023;em033;em043;em053;em063;em073;em083;em093;em103;rv;"}));
}

// The settings live in the tuner's memories: a save of one tuner, restored
// into another that was edited, brings back what was saved once forced; the
// other tuner refuses it before that, and an altered file is refused before
// any tuner is spoken to.
TEST_F(ConfigEditCli, RestoreBringsBackTheSavedSettingsIntoAnotherTunerOnlyWhenForced) {
  StartSim({"--serial", "777"});
  const QJsonObject saved = Json();
  const QString file = config.filePath(QStringLiteral("SN00777.ZU6400Config"));
  const CtlRun save = Ctl({"save", file, "--json"});
  ASSERT_EQ(save.status, 0) << save.err.toStdString();
  EXPECT_EQ(JsonOf(save).value("saved").toString(), file);

  StartSim({"--serial", "888", "--restart-ms", "50"});
  const CtlRun edit = Ctl({"config", "set", "--band", "20", "ant3=on", "preferred=3", "swr-bypass=2.50",
                           "key-power=900", "sleep=on", "fine-tune=on"});
  ASSERT_EQ(edit.status, 0) << edit.err.toStdString();
  ASSERT_NE(Json(), saved);
  const CtlRun refused = Ctl({"restore", file});
  EXPECT_EQ(refused.status, 1);
  EXPECT_TRUE(refused.err.contains("does not match the Serial Number of your ZU6400"));
  EXPECT_TRUE(refused.err.contains("error 0xE2000032:"));

  QByteArray altered = FileBytes(file);
  altered.replace("MEM3 2000 40 ", "MEM3 2000 41 ");
  const CtlRun bad = Ctl({"restore", "--force", WriteFileBytes(config.filePath("altered.ZU6400Config"), altered)});
  EXPECT_EQ(bad.status, 1);
  EXPECT_TRUE(bad.err.contains("error 0xE2000031:")) << bad.err.toStdString();
  EXPECT_FALSE(bad.err.contains("Opening serial port")) << bad.err.toStdString();

  const CtlRun forced = Ctl({"restore", "--force", file, "--json"});
  ASSERT_EQ(forced.status, 0) << forced.err.toStdString();
  EXPECT_EQ(JsonOf(forced).value("restored").toString(), file);
  EXPECT_EQ(QJsonDocument(Json()).toJson(), QJsonDocument(saved).toJson());
}

class ConfigCli : public CtlSimTest {
 protected:
  QString Path(const char* name) const { return config.filePath(QString::fromLatin1(name)); }
};

// (A save to a named file is in the restore's test.)
TEST_F(ConfigCli, SaveWritesANewFileInTheConfigurationFolder) {
  const CtlRun saved = RunCtl({"save", "--simulate"}, config.path());
  ASSERT_EQ(saved.status, 0) << saved.err.toStdString();
  const QString folder = Path("data/Corvanta/ZU6400 Configuration");
  const QStringList files = QDir(folder).entryList(QDir::Files);
  ASSERT_EQ(files.size(), 1);
  EXPECT_TRUE(QRegularExpression("^SN01234\\.\\d{8}T\\d{6}\\.ZU6400Config$").match(files[0]).hasMatch());
  EXPECT_EQ(saved.out, "saved: " + QDir(folder).filePath(files[0]) + u'\n');
  EXPECT_FALSE(saved.err.contains(u'\r')) << "no progress bar when standard error is no terminal";

  // A folder that is not there is found before the tuner is read.
  const CtlRun nowhere = RunCtl({"save", Path("no/such/folder/x.ZU6400Config"), "--simulate"}, config.path());
  EXPECT_EQ(nowhere.status, 1);
  EXPECT_EQ(nowhere.err, "error 0x00000003: Cannot save into \"" + Path("no/such/folder") +
                             "\": The system cannot find the path specified.\n");
  EXPECT_TRUE(nowhere.out.isEmpty());
}

TEST_F(ConfigCli, FaultsPrintTheLogNewestFirst) {
  const CtlRun json = RunCtl({"faults", "--simulate", "--json"}, config.path());
  ASSERT_EQ(json.status, 0) << json.err.toStdString();
  EXPECT_TRUE(json.out.contains(R"({"index": 1, "time_on": "1D 01:01:01", "fault": "02 - VFWD too high for SWR", )"
                                R"("data": "F 14200 VFWD 300 VRFL 40 SWR 2.50 SWRB 1.25"})"));
  EXPECT_EQ(QJsonDocument::fromJson(json.out.toUtf8()).array().size(), 6);

  const CtlRun plain = RunCtl({"--simulate", "faults"}, config.path());
  ASSERT_EQ(plain.status, 0);
  const QStringList lines = plain.out.split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 7);
  EXPECT_EQ(lines[4].indexOf("F 14200"), lines[0].indexOf("Variable Data")) << "columns line up";
  EXPECT_TRUE(lines[4].contains("1D 01:01:01  02 - VFWD"));
}

class FileChecksCli : public CtlSimTest {};

TEST_F(FileChecksCli, CheckConfigAndCheckHexReportAFile) {
  const QString path = WriteConfiguration(config.filePath("SN01234.ZU6400Config"));
  const CtlRun good = RunCtl({"check-config", path}, config.path());
  EXPECT_EQ(good.status, 0) << good.err.toStdString();
  EXPECT_EQ(good.out, "complete\npic runs: 4\npic bytes: 992\nserial blocks: 960\nserial bytes: 61440\n"
                      "serial number: 01234\n");
  // The same values as one JSON object, and nothing else.
  EXPECT_EQ(JsonOf(RunCtl({"check-config", path, "--json"}, config.path())),
            QJsonObject({{"complete", true}, {"pic_runs", 4}, {"pic_bytes", 992}, {"serial_blocks", 960},
                         {"serial_bytes", 61440}, {"serial_number", 1234}}));

  // Data at 0x800 (a zero reconciliation word) up to 0x800 + 300.
  const QString image = WriteFileBytes(config.filePath("zu6400fw0105.hex"), ":020800000000F6\r\n:01092C0012B8\r\n:00000001FF\r\n");
  const CtlRun hex = RunCtl({"check-hex", image}, config.path());
  EXPECT_EQ(hex.status, 0) << hex.err.toStdString();
  const QStringList lines = hex.out.split(u'\n');
  ASSERT_EQ(lines.size(), 5);
  EXPECT_EQ(lines[0], "lines: 3");
  EXPECT_EQ(lines[1], "reconciliation value: 0x0000");
  EXPECT_TRUE(lines[2].startsWith("computed reconciliation value: 0x"));
  EXPECT_EQ(lines[3], "send length: 384 bytes, 3 packets");
  const QJsonObject object = JsonOf(RunCtl({"--json", "check-hex", image}, config.path()));
  EXPECT_EQ(object.value("send_packets"), 3);
  EXPECT_EQ(object.value("computed_reconciliation_value"), lines[2].section("0x", 1).toInt(nullptr, 16));
}

// Each run that cannot read its file fails with the reason; a pipe is not
// waited on. (A missing file and a damaged one are the readers' own proofs.)
TEST_F(FileChecksCli, WhatCannotBeReadIsRefused) {
  const QString fifo = config.filePath("pipe.hex");
  ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
  const struct {
    QStringList args;
    const char* error;
  } cases[] = {
      {{"check-hex", fifo}, "error 0x00000032: "},
      {{"check-config", config.path()}, "error 0x00000032: "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    const CtlRun run = RunCtl(c.args, config.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains(QLatin1String(c.error))) << run.err.toStdString();
  }
}

// The tuner's version against the firmware folder; notes alone say how to
// fetch the image. (Which image is newest is the folder scan's own proof.)
TEST_F(Cli, FirmwareComparesTheTunersVersionWithTheFolder) {
  const QDir folder(config.filePath("firmware"));
  ASSERT_TRUE(folder.mkpath("."));
  for (const char* name : {"zu6400fw0104.hex", "zu6400fw0106.HEX", "zu6400fwnotes.rtf"})
    WriteFileBytes(folder.filePath(name), {});
  const QString newest = folder.filePath("zu6400fw0106.HEX");
  StartSim({"--version", "01.05"});
  const CtlRun r = Ctl({"firmware", "--folder", folder.path()});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, "installed: 01.05\navailable: 01.06\nfile: " + newest + "\nnotes: yes\nupdate: yes\n");

  QFile::remove(newest);
  QFile::remove(folder.filePath("zu6400fw0104.hex"));
  const CtlRun missing = Ctl({"--json", "firmware", "--folder", folder.path()});
  EXPECT_EQ(missing.status, 0) << missing.err.toStdString();
  EXPECT_EQ(JsonOf(missing), QJsonObject({{"installed", "01.05"}, {"available", "Missing"}, {"notes", true},
                                          {"update", false}}))
      << missing.out.toStdString();
  EXPECT_TRUE(missing.err.contains("Firmware folder does not contain required firmware files\nRun \"zu6400ctl download\""))
      << missing.err.toStdString();
  EXPECT_FALSE(missing.err.contains("Click")) << "there is no button to click";

  const QString file = folder.filePath("zu6400fwnotes.rtf");
  const CtlRun notFolder = Ctl({"firmware", "--folder", file});
  EXPECT_TRUE(notFolder.err.contains("The firmware folder \"" + file + "\" is a file, not a folder"))
      << notFolder.err.toStdString();
}

class FlashCli : public CtlSimTest {};

// A name without a version is refused before the tuner is spoken to: the
// load could never be checked.
TEST_F(FlashCli, AnImageWithoutAVersionInItsNameIsRefusedBeforeTheTunerIsSpokenTo) {
  const QString unnamed = WriteFirmwareFile(config.path(), "newfirmware.hex", 0x900);
  const CtlRun r = RunCtl({"--simulate", "flash", unnamed, "--yes"}, config.path());
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(r.err.contains("Opening serial port")) << r.err.toStdString();
  EXPECT_TRUE(r.err.endsWith("firmware images are named like zu6400fw0105.hex (version 01.05)\n"))
      << r.err.toStdString();
}

TEST(TerminalProgress, BarFollowsThePositionWithinItsRange) {
  EXPECT_EQ(CTerminalProgress::Render(0, 32), "[------------------------------]   0%");
  EXPECT_EQ(CTerminalProgress::Render(16, 32), "[###############---------------]  50%");
  EXPECT_EQ(CTerminalProgress::Render(32, 32), "[##############################] 100%");
  EXPECT_EQ(CTerminalProgress::Render(40, 32), "[##############################] 100%");
  EXPECT_EQ(CTerminalProgress::Render(-1, 32), "[------------------------------]   0%");
}

}  // namespace
