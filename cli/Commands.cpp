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

constexpr CliCommand kCommands[] = {
    {"contact", None, "", "find and identify the tuner", RunContact},
    {"check-config", One, "FILE", "read a configuration file as a restore would", RunCheckConfig},
    {"status", None, "", "read the tuner's live state once", RunStatus},
    {"set", OneOrMore, "NAME=VALUE", "change live settings (below)", RunSet},
    {"tune", None, "", "start a full search tune", RunTune},
    {"memorize", None, "", "save the current settings for the band and antenna", RunMemorize},
    {"check-hex", One, "FILE", "load a firmware file as the loader would", RunCheckHex},
    {"ports", None, "", "list the serial ports, with the stable names of USB adapters", RunPorts},
    {"watch", None, "", "poll the live state and print a line per cycle until stopped", RunWatch},
    {"serve", None, "", "serve the tuner's live state and controls over HTTP (--listen, --token)", RunServe},
    {"firmware", None, "", "compare the tuner's firmware with the newest file in the firmware folder", RunFirmware},
    {"flash", Optional, "FILE", "load a firmware image into the tuner (needs --yes; default: the newest in the folder)",
     RunFlash},
    {"config", None, "", "read the tuner's stored configuration", RunConfig},
    {"config set", OneOrMore, "NAME=VALUE", "change stored settings (--band for per-band ones, below)", RunConfigSet},
    {"erase-memories", None, "", "erase tuning memories of --band NAME|all for --antenna 1|2|3", RunEraseMemories},
    {"factory-reset", None, "", "reset the configuration to factory defaults (needs --yes)", RunFactoryReset},
    {"save", Optional, "FILE", "save the tuner's whole configuration (default: a new file in the configuration folder)",
     RunSave},
    {"restore", One, "FILE", "write a saved configuration back into the tuner and restart it (--force: from another tuner)",
     RunRestore},
    {"faults", None, "", "read the tuner's fault log, newest first", RunFaults},
    {"download", None, "", "copy new firmware files from the maker's server into the firmware folder", RunDownload},
};

// "set NAME=VALUE ...".
QString Synopsis(const CliCommand& command) {
  QString text = QLatin1String(command.name);
  if (command.count == Optional) text += QStringLiteral(" [") + QLatin1String(command.arguments) + u']';
  else if (command.count != None) text += u' ' + QLatin1String(command.arguments);
  if (command.count == OneOrMore) text += QStringLiteral(" ...");
  return text;
}

// " (commands: contact, ...)"; a two-word name counts once, as its first word.
QString CommandList() {
  QStringList names;
  for (const CliCommand& command : kCommands) {
    const QString first = QString::fromLatin1(command.name).section(u' ', 0, 0);
    if (!names.contains(first)) names << first;
  }
  return QStringLiteral(" (commands: ") + names.join(QStringLiteral(", ")) + u')';
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

QString CommandUsages() {
  QString text;
  for (const CliCommand& command : kCommands) text += UsageLine(Synopsis(command), QLatin1String(command.description));
  return text;
}

QString CommandProblem(const QStringList& words) {
  if (words.isEmpty()) return QStringLiteral("COMMAND is missing") + CommandList();
  const CliCommand* command = FindCommand(words);
  if (command == nullptr) return words.first() + QStringLiteral(": unknown command") + CommandList();
  return ArgumentProblem(*command, words.mid(CommandWordCount(*command)));
}
