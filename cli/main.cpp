// zu6400ctl: the ZU6400 Utility's command-line front end.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include "cli/CliContext.h"

namespace {
int Usage(const QString& problem) {
  QTextStream err(stderr);
  if (!problem.isEmpty()) err << "zu6400ctl: " << problem << "\n";
  err << "usage: zu6400ctl [--port PORT] [--speed AUTO|4800|9600|19200|38400] [--trace] [--simulate] [--wait SECONDS] [--json] "
         "COMMAND [ARGS]\ncommands:\n"
      << CommandUsages();
  return 2;
}

bool ParseSpeed(const QString& text, CliOptions& options) {
  if (text.compare(QLatin1String("AUTO"), Qt::CaseInsensitive) == 0) {
    options.fixedSpeed = 0;
    return true;
  }
  bool ok = false;
  const unsigned speed = text.toUInt(&ok);
  if (!ok || (speed != 4800 && speed != 9600 && speed != 19200 && speed != 38400)) return false;
  options.fixedSpeed = speed;
  return true;
}
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("zu6400ctl"));
  QCoreApplication::setApplicationVersion(QStringLiteral(ZU_VERSION_TEXT));

  QCommandLineParser parser;
  parser.addOption({QStringLiteral("port"), QStringLiteral("Serial port (default: the saved port)."), QStringLiteral("port")});
  parser.addOption({QStringLiteral("speed"), QStringLiteral("Bit rate to search."), QStringLiteral("speed")});
  parser.addOption({QStringLiteral("trace"), QStringLiteral("Show every command sent and reply received.")});
  parser.addOption({QStringLiteral("simulate"), QStringLiteral("Talk to the built-in simulated tuner.")});
  parser.addOption({QStringLiteral("json"), QStringLiteral("Print values as one JSON object.")});
  parser.addOption({QStringLiteral("wait"), QStringLiteral("Seconds to wait for the tuner."), QStringLiteral("seconds"), QStringLiteral("10")});
  parser.addHelpOption();
  parser.addVersionOption();
  if (!parser.parse(app.arguments())) return Usage(parser.errorText());
  if (parser.isSet(QStringLiteral("help"))) {
    Usage({});
    return 0;
  }
  if (parser.isSet(QStringLiteral("version"))) parser.showVersion();

  CliOptions options;
  options.port = parser.value(QStringLiteral("port"));
  options.trace = parser.isSet(QStringLiteral("trace"));
  options.simulate = parser.isSet(QStringLiteral("simulate"));
  options.json = parser.isSet(QStringLiteral("json"));
  if (parser.isSet(QStringLiteral("speed"))) {
    options.speedGiven = true;
    if (!ParseSpeed(parser.value(QStringLiteral("speed")), options)) return Usage(QStringLiteral("unknown speed"));
  }
  bool ok = false;
  options.waitSeconds = parser.value(QStringLiteral("wait")).toUInt(&ok);
  if (!ok || options.waitSeconds == 0) return Usage(QStringLiteral("--wait takes a number of seconds"));

  QStringList args = parser.positionalArguments();
  if (args.isEmpty()) return Usage(QStringLiteral("no command"));
  const CliCommand* command = FindCommand(args.takeFirst());
  if (command == nullptr) return Usage(QStringLiteral("unknown command"));

  CCliContext context(options);
  if (!context.Prepare()) return 1;
  const int status = command->run(context, args);
  if (status == 2) return Usage(QStringLiteral("wrong arguments for ") + QLatin1String(command->name));
  return status;
}
