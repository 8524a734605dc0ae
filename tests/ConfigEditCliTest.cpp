// zu6400ctl config, config set, erase-memories and factory-reset end to end
// against zu6400-sim; what went out on the wire is read from --trace.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "CtlRunner.h"

namespace {

class ConfigEditCli : public CtlSimTest {
 protected:
  QJsonObject Json() {
    const CtlRun run = Ctl({"config", "--json"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
  }
};

// The commands a traced run sent from the named states ("SetAntennaEnable").
QStringList Sent(const CtlRun& run, const QString& statePrefix) {
  QStringList sent;
  const QRegularExpression line("^\\S+ (" + statePrefix + "\\w*) send (.*)$", QRegularExpression::MultilineOption);
  for (auto it = line.globalMatch(run.err); it.hasNext();) sent << it.next().captured(2);
  return sent;
}

TEST_F(ConfigEditCli, ConfigPrintsEveryBandAsTableAndJson) {
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
}

TEST_F(ConfigEditCli, ValuesTheFirmwareLacksAreAbsentAndCannotBeSet) {
  StartSim({"--version", "01.04"});
  const QJsonObject o = Json();
  EXPECT_EQ(o.keys(), QStringList({"bands"}));
  EXPECT_FALSE(o["bands"].toArray()[0].toObject().contains("fine_tune"));
  const CtlRun run = Ctl({"config", "set", "--band", "20", "fine-tune=on", "--trace"});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.contains("error 0x00000032")) << run.err.toStdString();
  EXPECT_EQ(Sent(run, "Set"), QStringList());
}

TEST_F(ConfigEditCli, SetWritesExactlyWhatChanged) {
  StartSim({"--version", "01.39"});
  CtlRun run = Ctl({"config", "set", "--band", "20", "ant3=on", "--trace"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(Sent(run, "Set"), QStringList({"AE0531;ae053;"}));

  // The same again, and thresholds equal at the tuner's resolution: nothing goes out.
  run = Ctl({"--trace", "config", "set", "--band", "20", "ant3=on", "swr-autotune=1.5", "swr-key=2"});
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(Sent(run, "Set"), QStringList());

  run = Ctl({"--trace", "config", "set", "--band", "all", "ant2=off", "swr-bypass=2.555", "sleep=on"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  const QStringList sent = Sent(run, "Set");
  EXPECT_EQ(sent.first(), "SL1;sl;");
  EXPECT_TRUE(sent.contains("AE0320;ae032;"));
  EXPECT_TRUE(sent.contains("AE0520;ae052;"));
  EXPECT_TRUE(sent.contains("ST10B2.55;st10b;"));
  EXPECT_EQ(sent.size(), 1 + 2 + 11);

  const QJsonObject o = Json();
  EXPECT_EQ(o["bands"].toArray()[0].toObject()["swr_bypass"].toDouble(), 2.55);
}

TEST_F(ConfigEditCli, BadArgumentsAreRefusedBeforeSendingAnything) {
  StartSim({"--version", "01.39"});
  struct Case {
    QStringList args;
    const char* named;
  };
  for (const Case& c : {Case{{"config", "set", "ant1=on"}, "ant1=on: ant1 is set per band"},
                        Case{{"config", "set", "key-power=70000"}, "key-power=70000: key-power takes 0 to 65535"},
                        Case{{"config", "set", "volume=3"}, "volume=3: unknown setting"},
                        Case{{"config", "set", "--band", "7", "ant1=on"}, "--band 7: --band takes 160, 80"},
                        Case{{"erase-memories", "--band", "20", "--antenna", "4"}, "--antenna"},
                        Case{{"factory-reset"}, "--yes is missing: the factory reset cannot be undone"}}) {
    const CtlRun run = Ctl(c.args + QStringList{"--trace"});
    EXPECT_EQ(run.status, 2) << c.args.join(' ').toStdString();
    EXPECT_TRUE(run.err.contains(c.named)) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains(" send ")) << c.args.join(' ').toStdString();
  }
}

TEST_F(ConfigEditCli, TunerInItsLoaderHasNoConfiguration) {
  StartSim({"--identity", "zu6400"});
  const CtlRun run = Ctl({"factory-reset", "--yes"});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.contains("error 0xE2000053: ZU6400 is running its bootstrap loader; send firmware first"))
      << run.err.toStdString();
}

TEST_F(ConfigEditCli, EraseMemoriesSendsOneTransmission) {
  StartSim({});
  CtlRun run = Ctl({"erase-memories", "--band", "all", "--antenna", "3", "--trace"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(Sent(run, "EraseMemory"),
            QStringList({"em003;em013;em023;em033;em043;em053;em063;em073;em083;em093;em103;rv;"}));

  run = Ctl({"--antenna", "1", "erase-memories", "--band", "15", "--trace"});
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(Sent(run, "EraseMemory"), QStringList({"em071;rv;"}));
}

// The adapter goes as the erase command comes: the erase is never carried
// out, and the run fails once, naming the lost connection.
TEST_F(ConfigEditCli, EraseMemoriesOnAPortThatVanishedFails) {
  StartSim({"--vanish-on", "em"});
  const CtlRun run = Ctl({"erase-memories", "--band", "20", "--antenna", "1"});
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(run.err.contains("ATU memory erased"));
  EXPECT_TRUE(run.err.endsWith("error 0x0000048F: The connection to the ZU6400 on " + port +
                               " was lost: the adapter was unplugged or switched off\n"))
      << run.err.toStdString();
}

// The settings live in the tuner's memories: a restore brings back what was
// saved after an edit and a factory reset, which erases them, restarts the
// tuner and finds it again (each job waits 3 s for the tuner, so the two
// share one restore; the simulator's own test shows an edit alone).
TEST_F(ConfigEditCli, RestoreBringsBackTheSavedSettingsAfterEditAndFactoryReset) {
  StartSim({"--restart-ms", "50"});
  const QJsonObject saved = Json();
  const QString file = config.filePath(QStringLiteral("before.ZU6400Config"));
  ASSERT_EQ(Ctl({"save", file}).status, 0);
  const CtlRun edit = Ctl({"config", "set", "--band", "20", "ant3=on", "preferred=3", "swr-bypass=2.50",
                           "key-power=900", "sleep=on", "fine-tune=on"});
  ASSERT_EQ(edit.status, 0) << edit.err.toStdString();
  const CtlRun reset = Ctl({"factory-reset", "--yes", "--trace"});
  ASSERT_EQ(reset.status, 0) << reset.err.toStdString();
  EXPECT_EQ(Sent(reset, "EraseConfiguration"), QStringList({"eeinit;"}));
  EXPECT_EQ(Sent(reset, "ResetMcu"), QStringList({"rst0;"}));
  EXPECT_TRUE(reset.err.indexOf("GetSerialNumber send", reset.err.indexOf("ResetMcu send")) > 0) << "contacted again";
  const QJsonObject factory = Json();
  EXPECT_EQ(factory["key_interrupt_power"].toInt(), 1500);
  EXPECT_EQ(factory["bands"].toArray()[5].toObject()["preferred"].toInt(), 0) << "20 m as it left the factory";
  EXPECT_NE(factory, saved);
  const CtlRun restore = Ctl({"restore", file});
  ASSERT_EQ(restore.status, 0) << restore.err.toStdString();
  EXPECT_EQ(QJsonDocument(Json()).toJson(), QJsonDocument(saved).toJson());
}

}  // namespace
