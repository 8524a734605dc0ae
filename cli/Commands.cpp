#include "cli/CliContext.h"

int RunContact(CCliContext& context, const QStringList& args);
int RunCheckConfig(CCliContext& context, const QStringList& args);
int RunCheckHex(CCliContext& context, const QStringList& args);
int RunStatus(CCliContext& context, const QStringList& args);
int RunSet(CCliContext& context, const QStringList& args);
int RunTune(CCliContext& context, const QStringList& args);
int RunMemorize(CCliContext& context, const QStringList& args);

namespace {
constexpr CliCommand kCommands[] = {
    {"contact", "contact                 find and identify the tuner", RunContact},
    {"check-config", "check-config FILE       read a configuration file as a restore would", RunCheckConfig},
    {"status", "status                  read the tuner's live state once", RunStatus},
    {"set", "set NAME=VALUE ...      change mode, antenna, side, bypass, attenuator, ampi, power, c, l", RunSet},
    {"tune", "tune                    start a full search tune", RunTune},
    {"memorize", "memorize                save the current settings for the band and antenna", RunMemorize},
    {"check-hex", "check-hex FILE          load a firmware file as the loader would", RunCheckHex},
};
}  // namespace

const CliCommand* FindCommand(const QString& name) {
  for (const CliCommand& command : kCommands)
    if (name == QLatin1String(command.name)) return &command;
  return nullptr;
}

QString CommandUsages() {
  QString text;
  for (const CliCommand& command : kCommands) text += QStringLiteral("  ") + QLatin1String(command.usage) + u'\n';
  return text;
}
