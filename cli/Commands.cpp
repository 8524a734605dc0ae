#include <algorithm>
#include <vector>

#include "cli/CliContext.h"
#include "cli/UsageText.h"

int RunContact(CCliContext& context, const QStringList& args);
int RunCheckConfig(CCliContext& context, const QStringList& args);
int RunCheckHex(CCliContext& context, const QStringList& args);
int RunStatus(CCliContext& context, const QStringList& args);
int RunSet(CCliContext& context, const QStringList& args);
int RunTune(CCliContext& context, const QStringList& args);
int RunMemorize(CCliContext& context, const QStringList& args);
int RunPorts(CCliContext& context, const QStringList& args);
int RunWatch(CCliContext& context, const QStringList& args);
int RunServe(CCliContext& context, const QStringList& args);
int RunFlash(CCliContext& context, const QStringList& args);
int RunFirmware(CCliContext& context, const QStringList& args);
int RunConfig(CCliContext& context, const QStringList& args);
int RunConfigSet(CCliContext& context, const QStringList& args);
int RunEraseMemories(CCliContext& context, const QStringList& args);
int RunFactoryReset(CCliContext& context, const QStringList& args);
int RunSave(CCliContext& context, const QStringList& args);
int RunRestore(CCliContext& context, const QStringList& args);
int RunFaults(CCliContext& context, const QStringList& args);
int RunDownload(CCliContext& context, const QStringList& args);

namespace {
using enum CliArguments;
using enum CliGroup;

constexpr CliCommand kCommands[] = {
    {"contact", None, "", "find and identify the tuner", Connect, true, "json", "zu6400ctl --port /dev/ttyUSB0 contact",
     RunContact},
    {"ports", None, "", "list the serial ports, with the stable names of USB adapters", Connect, false, "json",
     "zu6400ctl ports", RunPorts},
    {"status", None, "", "read the tuner's live state once", Operate, true, "json", "zu6400ctl --simulate status --json",
     RunStatus},
    {"set", OneOrMore, "NAME=VALUE", "change live settings (below)", Operate, true, "json",
     "zu6400ctl set mode=manual c=150 l=480 --port /dev/ttyUSB0", RunSet},
    {"tune", None, "", "start a full search tune", Operate, true, "json", "zu6400ctl tune --port /dev/ttyUSB0", RunTune},
    {"memorize", None, "", "save the current settings for the band and antenna", Operate, true, "json",
     "zu6400ctl memorize --port /dev/ttyUSB0", RunMemorize},
    {"watch", None, "", "poll the live state and print a line per cycle until stopped", Operate, true,
     "interval count csv", "zu6400ctl watch --csv --interval 1000 --port /dev/ttyUSB0 >> readings.csv", RunWatch},
    {"config", None, "", "read the tuner's stored configuration", Configuration, true, "json", "zu6400ctl config --json",
     RunConfig},
    {"config set", OneOrMore, "NAME=VALUE", "change stored settings (--band for per-band ones, below)", Configuration,
     true, "band json", "zu6400ctl config set --band 20 ant2=on preferred=2 swr-autotune=1.7", RunConfigSet},
    {"save", Optional, "FILE", "save the tuner's whole configuration (default: a new file in the configuration folder)",
     Configuration, true, "json", "zu6400ctl save ~/zu6400-backup.ZU6400Config", RunSave},
    {"restore", One, "FILE", "write a saved configuration back into the tuner and restart it (--force: from another tuner)",
     Configuration, true, "force json", "zu6400ctl restore ~/zu6400-backup.ZU6400Config", RunRestore},
    {"faults", None, "", "read the tuner's fault log, newest first", Configuration, true, "json", "zu6400ctl faults --json",
     RunFaults},
    {"erase-memories", None, "", "erase tuning memories of --band NAME|all for --antenna 1|2|3", Configuration, true,
     "band antenna", "zu6400ctl erase-memories --band all --antenna 3", RunEraseMemories},
    {"factory-reset", None, "", "reset the configuration to factory defaults (needs --yes)", Configuration, true, "yes",
     "zu6400ctl save && zu6400ctl factory-reset --yes", RunFactoryReset},
    {"firmware", None, "", "compare the tuner's firmware with the newest file in the firmware folder", Firmware, true,
     "folder json", "zu6400ctl firmware --folder ~/zu6400-firmware", RunFirmware},
    {"flash", Optional, "FILE", "load a firmware image into the tuner (needs --yes; default: the newest in the folder)",
     Firmware, true, "yes folder json", "zu6400ctl flash zu6400fw0106.hex --yes", RunFlash},
    {"download", None, "", "copy new firmware files from the maker's server into the firmware folder", Firmware, false,
     "folder server trace", "zu6400ctl download --folder ~/zu6400-firmware", RunDownload},
    {"serve", None, "", "serve the tuner's live state and controls over HTTP (--listen, --token)", Network, true,
     "listen token allow-host", "zu6400ctl serve --listen 0.0.0.0:6400", RunServe},
    {"check-config", One, "FILE", "read a configuration file as a restore would", Files, false, "json",
     "zu6400ctl check-config ~/zu6400-backup.ZU6400Config", RunCheckConfig},
    {"check-hex", One, "FILE", "load a firmware file as the loader would", Files, false, "json",
     "zu6400ctl check-hex zu6400fw0106.hex", RunCheckHex},
};

constexpr const char* kGroupNames[] = {"connect", "operate", "configuration", "firmware", "network", "files"};

// The command words, a two-word name once, as its first word.
QStringList CommandWords() {
  QStringList names;
  for (const CliCommand& command : kCommands) {
    const QString first = QString::fromLatin1(command.name).section(u' ', 0, 0);
    if (!names.contains(first)) names << first;
  }
  return names;
}

// Edits from one word to the other, a swap of neighbours counting as one.
qsizetype Distance(const QString& a, const QString& b) {
  std::vector<std::vector<qsizetype>> d(a.size() + 1, std::vector<qsizetype>(b.size() + 1));
  for (qsizetype i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (qsizetype j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (qsizetype i = 1; i <= a.size(); ++i)
    for (qsizetype j = 1; j <= b.size(); ++j) {
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  return d[a.size()][b.size()];
}

// " (did you mean status?)" for a slip of a key or two; otherwise the list.
QString Suggestion(const QString& word) {
  QString nearest;
  qsizetype best = 3;
  for (const QString& name : CommandWords()) {
    const qsizetype distance = Distance(word.toLower(), name);
    if (distance < best && distance * 3 <= name.size()) {
      best = distance;
      nearest = name;
    }
  }
  if (!nearest.isEmpty()) return QStringLiteral(" (did you mean ") + nearest + QStringLiteral("?)");
  return QStringLiteral(" (commands: ") + CommandWords().join(QStringLiteral(", ")) + u')';
}

QString ArgumentProblem(const CliCommand& command, const QStringList& args) {
  const QString usage = QStringLiteral(" (usage: zu6400ctl ") + Synopsis(command) + u')';
  if (args.isEmpty() && (command.count == One || command.count == OneOrMore)) return QLatin1String(command.arguments) + " is missing" + usage;
  const qsizetype allowed = command.count == None ? 0 : command.count == OneOrMore ? args.size() : 1;
  if (args.size() > allowed) return args[allowed] + ": unexpected argument" + usage;
  return {};
}
}  // namespace

qsizetype CommandWordCount(const CliCommand& command) { return QLatin1String(command.name).count(u' ') + 1; }

const CliCommand* FindCommand(const QStringList& words) {
  const CliCommand* found = nullptr;
  for (const CliCommand& command : kCommands) {
    const qsizetype count = CommandWordCount(command);
    if (words.size() >= count && words.first(count).join(u' ') == QLatin1String(command.name) &&
        (found == nullptr || count > CommandWordCount(*found)))
      found = &command;
  }
  return found;
}

QString Synopsis(const CliCommand& command) {
  QString text = QLatin1String(command.name);
  if (command.count == Optional) text += QStringLiteral(" [") + QLatin1String(command.arguments) + u']';
  else if (command.count != None) text += u' ' + QLatin1String(command.arguments);
  if (command.count == OneOrMore) text += QStringLiteral(" ...");
  return text;
}

QStringList CommandOptionNames(const CliCommand& command) {
  QStringList names;
  if (command.tuner) names << "port" << "speed" << "simulate" << "wait" << "trace";
  for (const QString& name : QString::fromLatin1(command.options).split(u' ', Qt::SkipEmptyParts))
    if (!names.contains(name)) names << name;
  return names;
}

QString CommandUsages() {
  QString text;
  for (std::size_t group = 0; group < std::size(kGroupNames); ++group) {
    text += QLatin1String(kGroupNames[group]) + QStringLiteral(":\n");
    for (const CliCommand& command : kCommands)
      if (static_cast<std::size_t>(command.group) == group)
        text += UsageLine(Synopsis(command), QLatin1String(command.description));
  }
  return text;
}

QString CommandProblem(const QStringList& words) {
  if (words.isEmpty()) return QStringLiteral("COMMAND is missing") + Suggestion({});
  const CliCommand* command = FindCommand(words);
  if (command == nullptr) return words.first() + QStringLiteral(": unknown command") + Suggestion(words.first());
  return ArgumentProblem(*command, words.mid(CommandWordCount(*command)));
}
