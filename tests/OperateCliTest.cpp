// zu6400ctl status, set, tune and memorize end to end against zu6400-sim.

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <utility>

#include "CtlRunner.h"
#include "TestSupport.h"

namespace {

class OperateCli : public CtlSimTest {};

TEST_F(OperateCli, StatusPrintsEveryValueAsTextAndJson) {
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
  const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
  EXPECT_EQ(o.size(), names.size());
  EXPECT_EQ(KeysNotInSnakeCase(o), QStringList());
  EXPECT_EQ(o["frequency"].toInt(), 7100);
  const QString swr = lines.filter(QRegularExpression("^swr: ")).first().mid(5);
  EXPECT_TRUE(o["swr"].isDouble());
  EXPECT_EQ(o["swr"].toDouble(), swr.toDouble());
}

// Letters or words, numbers or relay bytes.
TEST_F(OperateCli, SetChangesTheTunerAndStatusShowsIt) {
  StartSim({"--version", "01.96"});
  const CtlRun set = Ctl({"--trace", "set", "mode=manual", "antenna=3", "side=Antenna", "c=100", "l=0x0f", "attenuator=on"});
  ASSERT_EQ(set.status, 0) << set.err.toStdString();
  EXPECT_TRUE(set.err.contains("send MDM;")) << set.err.toStdString();
  EXPECT_TRUE(set.out.contains("c: 0x09 90 pF\n"));  // 100 pF made greedily: 82 + 8
  EXPECT_FALSE(set.out.contains("frequency-atu"));   // not on firmware before 01.97

  const CtlRun status = Ctl({"status"});
  ASSERT_EQ(status.status, 0);
  for (const char* line : {"mode: M (manual)\n", "antenna: 3\n", "side: A (antenna)\n", "attenuator: 1\n", "l: 0x0f 870 nH\n"})
    EXPECT_TRUE(status.out.contains(line)) << line;
  const CtlRun json = Ctl({"set", "bypass=on", "--json", "antenna=2"});
  ASSERT_EQ(json.status, 0) << json.err.toStdString();
  EXPECT_EQ(QJsonDocument::fromJson(json.out.toUtf8()).object()["bypass"].toString(), "B");
}

TEST_F(OperateCli, SleepingTunerIsShownAndWokenBySetPower) {
  StartSim({"--version", "01.97", "--asleep"});
  const CtlRun asleep = Ctl({"status"});
  EXPECT_EQ(asleep.status, 0);
  EXPECT_EQ(asleep.out, "power: 0\n");

  const CtlRun refused = Ctl({"set", "mode=M"});  // asleep, the mode is never sent
  EXPECT_EQ(refused.status, 1);
  EXPECT_TRUE(refused.err.contains("error 0x620004CE: Device is powered off (sleeping)"));

  const CtlRun woken = Ctl({"set", "power=1", "mode=M"});
  EXPECT_EQ(woken.status, 0) << woken.err.toStdString();
  EXPECT_TRUE(woken.out.contains("power: 1\n"));
  EXPECT_TRUE(woken.out.contains("mode: M (manual)\n"));
}

// A change in a cycle the tuner never completed, or a power switch it never
// confirmed, fails with the code; nothing unread is printed.
TEST_F(OperateCli, UnconfirmedChangesFailWithTheirCodeAndPrintNothing) {
  const struct {
    QStringList fault;
    QString setting;
    const char* error;
  } cases[] = {{{"--asleep", "--never-wakes"}, "power=1", "error 0xE2000502: No response to Power Status (PS)"},
               {{"--garble", "f:1000"}, "mode=M", "error 0xE2000074: No response to Frequency (F)"}};
  for (const auto& c : cases) {
    StartSim(QStringList{"--version", "01.97"} + c.fault);
    const CtlRun set = Ctl({"set", c.setting, "--wait", "1"});
    EXPECT_EQ(set.status, 1) << c.error;
    EXPECT_EQ(set.out, "");
    EXPECT_TRUE(set.err.contains(c.error)) << set.err.toStdString();
  }
}

TEST_F(OperateCli, SetRefusesWhatTheTunerCannotTakeNamingItAndSendsNothing) {
  StartSim({"--version", "01.97"});
  const std::pair<const char*, QString> cases[] = {
      {"c=2702", "c takes 0 to 2701 pF or a relay byte 0x00 to 0xff"},
      {"l=17371", "l takes 0 to 17370 nH or a relay byte 0x00 to 0xff"},
      {"C=0x", "c takes 0 to 2701 pF or a relay byte 0x00 to 0xff"},
      {"c=0x1ff", "c takes 0 to 2701 pF or a relay byte 0x00 to 0xff"},
      {"l=0x+f", "l takes 0 to 17370 nH or a relay byte 0x00 to 0xff"},
      {"antenna= 2", "antenna takes 1 to 3"},
      {"mode=X", "mode takes A, M or B (auto, manual or bypass)"},
      {"foo=1", "unknown setting (settings: mode, antenna, side, bypass, attenuator, ampi, power, c, l)"},
      {"c", "expected NAME=VALUE"},
  };
  for (const auto& [bad, problem] : cases) {
    SCOPED_TRACE(bad);
    const CtlRun r = Ctl({"set", "mode=M", bad});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err, "zu6400ctl: " + QString(bad) + ": " + problem + "\ntry zu6400ctl --help\n");
  }
  const CtlRun status = Ctl({"status"});  // the good setting before each bad one was never sent
  EXPECT_TRUE(status.out.contains("mode: A (auto)\n")) << status.out.toStdString();

  const CtlRun largest = Ctl({"set", "c=2701", "l=17370"});
  EXPECT_EQ(largest.status, 0) << largest.err.toStdString();
  EXPECT_TRUE(largest.out.contains("c: 0xff 2701 pF\n"));
  EXPECT_TRUE(largest.out.contains("l: 0xff 17370 nH\n"));
}

TEST_F(OperateCli, OldFirmwareRefusesThePowerSwitchOnly) {
  StartSim({"--version", "01.05"});
  const CtlRun power = Ctl({"set", "power=0"});  // no power switch before 01.19
  EXPECT_EQ(power.status, 1);
  EXPECT_TRUE(power.err.endsWith("Needs firmware 01.19 or newer; this ZU6400 has 01.05\n")) << power.err.toStdString();
  EXPECT_EQ(Ctl({"tune"}).status, 0);
  EXPECT_EQ(Ctl({"memorize"}).status, 0);
}

TEST_F(OperateCli, TunePrintsTheStateAfterTheTuneAndMemorizeWhatItStored) {
  StartSim({"--version", "01.97", "--frequency", "14200"});
  const CtlRun before = Ctl({"--json", "status"});
  const double swrBefore = QJsonDocument::fromJson(before.out.toUtf8()).object()["swr"].toDouble();
  EXPECT_GT(swrBefore, 2.0) << before.out.toStdString();

  const CtlRun tune = Ctl({"tune", "--json", "--trace"});
  ASSERT_EQ(tune.status, 0) << tune.err.toStdString();
  EXPECT_TRUE(tune.err.contains("response TS1;")) << "it waited while the tuner searched";
  const QJsonObject tuned = QJsonDocument::fromJson(tune.out.toUtf8()).object();
  EXPECT_EQ(tuned["swr"].toDouble(), 1.1) << tune.out.toStdString();
  EXPECT_NE(tuned["c"].toObject()["hex"].toString(), "0x00");

  const CtlRun memorize = Ctl({"memorize"});
  ASSERT_EQ(memorize.status, 0) << memorize.err.toStdString();
  EXPECT_EQ(memorize.out, "band: 20\nantenna: 1\nc: " + tuned["c"].toObject()["hex"].toString() + " " +
                              QString::number(tuned["c"].toObject()["pf"].toInt()) + " pF\nl: " +
                              tuned["l"].toObject()["hex"].toString() + " " +
                              QString::number(tuned["l"].toObject()["nh"].toInt()) + " nH\n");
}

}  // namespace
