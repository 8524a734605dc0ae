// zu6400ctl's usage: arguments it cannot take end the run with status 2 and
// one line that names the argument at fault, before any tuner is looked for.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <vector>

#include "tests/support/CtlRunner.h"
#include "base/ProgramVersion.h"
#include "machines/operate/LiveSettings.h"

namespace {

// What a relay setting says of a value it cannot take.
QString RelayProblem(const char* name, const char* largest) {
  return QStringLiteral("%1 takes 0 to %2 or a relay byte 0x00 to 0xff").arg(name, largest);
}

struct Misuse {
  QStringList args;
  QString problem;  // what the line says after "zu6400ctl: " (its start where it goes on)
};

// No port is given and none is saved: a command that spoke to a tuner before
// judging its arguments would fail with status 1 instead.
TEST(CliUsage, EachMisuseIsStatus2AndOneLineNamingTheArgument) {
  const QString commands =
      "(commands: contact, ports, status, set, tune, memorize, watch, config, save, restore, faults, erase-memories, "
      "factory-reset, firmware, flash, download, serve, check-config, check-hex)";
  const Misuse cases[] = {
      {{"--speed", "1234", "contact"}, "--speed 1234: --speed takes AUTO, 38400, 19200, 9600 or 4800"},
      {{"contact", "--frobnicate"}, "--frobnicate: unknown option"},
      {{"frobnicate"}, "frobnicate: unknown command " + commands},
      {{"statsu", "--json"}, "statsu: unknown command (did you mean status?)"},
      {{"--json"}, "COMMAND is missing " + commands},
      {{"memorize", "here", "there"}, "here: unexpected argument (usage: zu6400ctl memorize)"},
      {{"flash", "a.hex", "b.hex", "--yes"}, "b.hex: unexpected argument (usage: zu6400ctl flash [FILE])"},
      {{"flash", "a.hex"}, "flash: loading firmware cannot be undone; add --yes"},
      {{"factory-reset"}, "--yes is missing: the factory reset cannot be undone"},
      {{"firmware", "--folder", ""}, "--folder: --folder takes a folder"},
      {{"serve", "--listen", "127.0.0.1:65536"}, "--listen 127.0.0.1:65536: --listen takes ADDRESS:PORT"},
      {{"watch", "--interval", "5"}, "--interval 5: --interval takes "},
      {{"watch", "--alarm-exit"}, "--alarm-exit: --alarm-exit needs --alarm-swr"},
      {{"erase-memories", "--antenna", "1"}, "--band is missing"},
      {{"config", "set", "--band", "7", "ant1=on"}, "--band 7: --band takes 160, 80, "},
      {{"config", "set", "ant1=on"}, "ant1=on: ant1 is set per band"},
      {{"config", "set", "volume=3"}, "volume=3: unknown setting"},
      {{"set"}, "NAME=VALUE is missing (usage: zu6400ctl set NAME=VALUE ...)"},
      // The good setting before the bad one is not sent either.
      {{"set", "mode=M", "c=2702"}, "c=2702: " + RelayProblem("c", "2701 pF")},
      {{"set", "mode=M", "c"}, "c: expected NAME=VALUE"},
  };
  std::vector<QStringList> argLists;
  for (const Misuse& m : cases) argLists.push_back(m.args);
  QTemporaryDir config;
  const std::vector<CtlRun> runs = RunCtlTogether(argLists, config.path());
  for (size_t i = 0; i < runs.size(); ++i) {
    SCOPED_TRACE(cases[i].args.join(' ').toStdString());
    const CtlRun& r = runs[i];
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.startsWith("zu6400ctl: " + cases[i].problem)) << r.err.toStdString();
    EXPECT_TRUE(r.err.endsWith("\ntry zu6400ctl --help\n")) << r.err.toStdString();
    EXPECT_EQ(r.err.count(u'\n'), 2) << r.err.toStdString();
  }
}

// The values set refuses, each named with what its setting takes.
TEST(LiveSettingValues, EachRefusalSaysWhatTheSettingTakes) {
  const struct {
    const char* name;
    const char* value;
    QString problem;
  } cases[] = {
      {"l", "17371", RelayProblem("l", "17370 nH")},
      {"c", "0x1ff", RelayProblem("c", "2701 pF")},
      {"antenna", " 2", "antenna takes 1 to 3"},
      {"mode", "X", "mode takes A, M or B (auto, manual or bypass)"},
      {"foo", "1", "unknown setting (settings: mode, antenna, side, bypass, attenuator, ampi, power, c, l)"},
  };
  for (const auto& refused : cases) {
    QString problem;
    EXPECT_FALSE(ParseLiveSetting(refused.name, refused.value, problem)) << refused.name << '=' << refused.value;
    EXPECT_EQ(problem, refused.problem);
  }
}

TEST(CliUsage, HelpForAllOrOneCommandAndTheVersion) {
  QTemporaryDir config;
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

}  // namespace
