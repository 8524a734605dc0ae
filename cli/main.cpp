// zu6400ctl: the ZU6400 Utility's command-line front end.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include "base/TextFormat.h"
#include "cli/CliContext.h"
#include "cli/UsageText.h"
#include "engine/FindSpeedState.h"

namespace {
// The wait runs on a timer that counts milliseconds in an int.
constexpr unsigned kLongestWait = 3600;

QStringList SpeedChoices() {
  QStringList choices{QStringLiteral("AUTO")};
  for (const std::uint32_t speed : kSearchSpeeds) choices << QString::number(speed);
  return choices;
}

QList<QCommandLineOption> Options() {
  const QString wait = QString::number(CliOptions{}.waitSeconds);
  return {
      {QStringLiteral("port"), QStringLiteral("serial port (default: the saved port)"), QStringLiteral("PORT")},
      {QStringLiteral("speed"), "bit rate to search: " + ListWithOr(SpeedChoices()) + " (default: the saved speed)",
       QStringLiteral("SPEED")},
      {QStringLiteral("trace"), QStringLiteral("show every command sent and reply received")},
      {QStringLiteral("simulate"), QStringLiteral("talk to the built-in simulated tuner")},
      {QStringLiteral("wait"), Format("seconds to wait for the tuner, 1 to %u (default: %s)", kLongestWait, wait),
       QStringLiteral("SECONDS"), wait},
      {QStringLiteral("json"), QStringLiteral("print values as one JSON object")},
      {QStringLiteral("yes"), QStringLiteral("go ahead with a job that cannot be undone (flash)")},
      {QStringLiteral("folder"), QStringLiteral("firmware folder (default: the saved folder)"), QStringLiteral("DIR")},
      {QStringLiteral("server"), QStringLiteral("firmware server, ftp://HOST[:PORT] (default: the saved server)"),
       QStringLiteral("URL")},
      {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("show this help")},
      {{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("show the program's version")},
  };
}

// "-h", "--help".
QString Dashed(const QString& name) { return (name.size() == 1 ? "-" : "--") + name; }

void PrintHelp() {
  QString options;
  for (const QCommandLineOption& option : Options()) {
    QStringList names;
    for (const QString& name : option.names()) names << Dashed(name);
    const QString value = option.valueName().isEmpty() ? QString() : u' ' + option.valueName();
    options += UsageLine(names.join(QStringLiteral(", ")) + value, option.description());
  }
  QTextStream(stdout) << "usage: zu6400ctl COMMAND [ARGS] [OPTIONS]\n"
                         "Options may come before or after the command word.\ncommands:\n"
                      << CommandUsages() << "settings (set NAME=VALUE):\n"
                      << SettingUsages() << "options:\n"
                      << options;
}

QString ReadSpeed(const QString& text, CliOptions& options) {
  const QStringList choices = SpeedChoices();
  if (!choices.contains(text.toUpper())) return "--speed " + text + ": --speed takes " + ListWithOr(choices);
  options.speedGiven = true;
  options.fixedSpeed = text.toULong();  // AUTO reads as 0: no fixed speed
  return {};
}

QString ReadWait(const QString& text, CliOptions& options) {
  bool ok = false;
  options.waitSeconds = text.toUInt(&ok);
  if (ok && options.waitSeconds >= 1 && options.waitSeconds <= kLongestWait) return {};
  return Format("--wait %s: --wait takes 1 to %u seconds", text, kLongestWait);
}

// An unknown option named with its dashes; Qt's words for the rest (a
// missing value).
QString ParseProblem(const QCommandLineParser& parser) {
  if (parser.unknownOptionNames().isEmpty()) return parser.errorText();
  return Dashed(parser.unknownOptionNames().first()) + ": unknown option";
}

// Reads the options' values; what is wrong with one, naming it.
QString ReadOptions(const QCommandLineParser& parser, CliOptions& options) {
  options.port = parser.value(QStringLiteral("port"));
  options.trace = parser.isSet(QStringLiteral("trace"));
  options.simulate = parser.isSet(QStringLiteral("simulate"));
  options.json = parser.isSet(QStringLiteral("json"));
  options.yes = parser.isSet(QStringLiteral("yes"));
  if (parser.isSet(QStringLiteral("folder"))) {
    const QString folder = parser.value(QStringLiteral("folder"));
    if (folder.trimmed().isEmpty()) return QStringLiteral("--folder: --folder takes a folder");
    // Relative to where the command runs, as a shell user means it.
    options.folder = QDir::cleanPath(QDir::current().absoluteFilePath(folder));
  }
  options.server = parser.value(QStringLiteral("server"));
  if (parser.isSet(QStringLiteral("speed"))) {
    const QString problem = ReadSpeed(parser.value(QStringLiteral("speed")), options);
    if (!problem.isEmpty()) return problem;
  }
  return ReadWait(parser.value(QStringLiteral("wait")), options);
}
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("zu6400ctl"));
  QCoreApplication::setApplicationVersion(QStringLiteral(ZU_VERSION_TEXT));

  QCommandLineParser parser;
  parser.addOptions(Options());
  if (!parser.parse(app.arguments())) return UsageError(ParseProblem(parser));
  if (parser.isSet(QStringLiteral("help"))) {
    PrintHelp();
    return 0;
  }
  if (parser.isSet(QStringLiteral("version"))) parser.showVersion();

  CliOptions options;
  QString problem = ReadOptions(parser, options);
  const QStringList words = parser.positionalArguments();
  if (problem.isEmpty()) problem = CommandProblem(words);
  if (!problem.isEmpty()) return UsageError(problem);

  CCliContext context(options);
  if (!context.Prepare()) return 1;
  return FindCommand(words.first())->run(context, words.mid(1));
}
