#include "cli/CliContext.h"

int RunContact(CCliContext& context, const QStringList& args);

namespace {
constexpr CliCommand kCommands[] = {
    {"contact", "contact                 find and identify the tuner", RunContact},
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
