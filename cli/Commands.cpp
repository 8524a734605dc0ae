#include "cli/CliContext.h"
#include "cli/UsageText.h"

int RunContact(CCliContext& context, const QStringList& args);
int RunCheckConfig(CCliContext& context, const QStringList& args);
int RunCheckHex(CCliContext& context, const QStringList& args);
int RunStatus(CCliContext& context, const QStringList& args);
int RunSet(CCliContext& context, const QStringList& args);
int RunTune(CCliContext& context, const QStringList& args);
int RunMemorize(CCliContext& context, const QStringList& args);
int RunFlash(CCliContext& context, const QStringList& args);
int RunFirmware(CCliContext& context, const QStringList& args);
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
    {"firmware", None, "", "compare the tuner's firmware with the newest file in the firmware folder", RunFirmware},
    {"flash", Optional, "FILE", "load a firmware image into the tuner (needs --yes; default: the newest in the folder)",
     RunFlash},
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

// " (commands: contact, ...)".
QString CommandList() {
  QStringList names;
  for (const CliCommand& command : kCommands) names << QLatin1String(command.name);
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

const CliCommand* FindCommand(const QString& name) {
  for (const CliCommand& command : kCommands)
    if (name == QLatin1String(command.name)) return &command;
  return nullptr;
}

QString CommandUsages() {
  QString text;
  for (const CliCommand& command : kCommands) text += UsageLine(Synopsis(command), QLatin1String(command.description));
  return text;
}

QString CommandProblem(const QStringList& words) {
  if (words.isEmpty()) return QStringLiteral("COMMAND is missing") + CommandList();
  const CliCommand* command = FindCommand(words.first());
  if (command == nullptr) return words.first() + QStringLiteral(": unknown command") + CommandList();
  return ArgumentProblem(*command, words.mid(1));
}
