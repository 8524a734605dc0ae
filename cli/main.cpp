// zu6400ctl: the ZU6400 Utility's command-line front end.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <climits>
#include <type_traits>

#include "base/Printout.h"
#include "base/ProgramVersion.h"
#include "base/TextFormat.h"
#include "base/TimeScale.h"
#include "cli/CliContext.h"
#include "cli/UsageText.h"
#include "engine/FindSpeedState.h"
#include "machines/operate/OperateValues.h"
#include "machines/operate/PollLoop.h"
#include "machines/operate/SwrAlarm.h"
#include "server/ListenAddress.h"
#include "server/MqttSettings.h"

namespace {
// The wait runs on a timer that counts milliseconds in an int.
constexpr unsigned kLongestWait = 3600;
constexpr unsigned kShortestInterval = CPollLoop::kShortestInterval;
constexpr unsigned kLongestInterval = kLongestWait * 1000;

QStringList SpeedChoices() {
  QStringList choices{QStringLiteral("AUTO")};
  for (const std::uint32_t speed : kSearchSpeeds) choices << QString::number(speed);
  return choices;
}

// "160" ... "6", then "all".
QStringList BandChoices() {
  QStringList choices;
  for (unsigned band = 0; band < kBandCount; ++band) choices << BandName(band);
  return choices << QStringLiteral("all");
}

QList<QCommandLineOption> Options() {
  const QString wait = QString::number(CliOptions{}.waitSeconds);
  return {
      {QStringLiteral("port"), QStringLiteral("serial port, or rfc2217://HOST:PORT (default: the saved port)"),
       QStringLiteral("PORT")},
      {QStringLiteral("speed"), "bit rate to search: " + ListWithOr(SpeedChoices()) + " (default: the saved speed)",
       QStringLiteral("SPEED")},
      {QStringLiteral("trace"), QStringLiteral("show every command sent and reply received")},
      {QStringLiteral("simulate"), QStringLiteral("talk to the built-in simulated tuner")},
      {QStringLiteral("wait"), Format("seconds each step may take before zu6400ctl gives up (finding the tuner, one poll cycle), 1 to %u (default: %s)", kLongestWait, wait),
       QStringLiteral("SECONDS"), wait},
      {QStringLiteral("json"), QStringLiteral("print values as one JSON object")},
      {QStringLiteral("interval"),
       Format("watch: milliseconds from poll to poll, %u to %u (default: the saved interval)", kShortestInterval,
              kLongestInterval),
       QStringLiteral("MS")},
      {QStringLiteral("count"), QStringLiteral("watch: stop after N lines (default: until stopped)"),
       QStringLiteral("N")},
      {QStringLiteral("csv"), QStringLiteral("watch: print the readings log's lines, its header first")},
      {QStringLiteral("alarm-swr"),
       Format("watch, serve: raise the SWR alarm when the SWR stays above this, %.1f to %.1f, while the tuner sees power",
              SwrAlarmSettings::kLowestSwr, SwrAlarmSettings::kHighestSwr),
       QStringLiteral("SWR")},
      {QStringLiteral("alarm-seconds"),
       Format("watch, serve: how long the SWR must stay above (or below) before the alarm is raised (or cleared), "
              "0 to %u, decimals allowed (default: %.0f)",
              SwrAlarmSettings::kLongestSeconds, SwrAlarmSettings::kDefaultSeconds),
       QStringLiteral("SECONDS")},
      {QStringLiteral("alarm-exit"), Format("watch: exit with status %d at the first SWR alarm", kAlarmExitStatus)},
      {QStringLiteral("listen"), Format("serve: address and port to listen on (default: %s)", kDefaultListen),
       QStringLiteral("ADDRESS:PORT"), QLatin1String(kDefaultListen)},
      {QStringLiteral("token"), QStringLiteral("serve: the token changes need (default: the saved one, made at first start)"),
       QStringLiteral("TOKEN")},
      {QStringLiteral("mqtt"), QStringLiteral("serve: also on this MQTT broker, mqtt://HOST[:PORT] or mqtts://HOST[:PORT] (TLS)"),
       QStringLiteral("URL")},
      {QStringLiteral("mqtt-ca"), QStringLiteral("serve: the certificate authority of a mqtts:// broker (default: the system's)"),
       QStringLiteral("FILE")},
      {QStringLiteral("mqtt-credentials"),
       QStringLiteral("serve: a file of one line user:password for the broker, readable by its owner alone"),
       QStringLiteral("FILE")},
      {QStringLiteral("allow-host"),
       QStringLiteral("serve: a further name the server may be reached by, such as shack.local (repeatable)"),
       QStringLiteral("NAME")},
      {QStringLiteral("folder"), QStringLiteral("firmware folder (default: the saved folder)"), QStringLiteral("DIR")},
      {QStringLiteral("band"), "band of config set and erase-memories: " + ListWithOr(BandChoices()),
       QStringLiteral("BAND")},
      {QStringLiteral("antenna"), QStringLiteral("antenna of erase-memories: 1, 2 or 3"), QStringLiteral("N")},
      {QStringLiteral("yes"), QStringLiteral("go ahead with a job that cannot be undone (flash, factory-reset)")},
      {QStringLiteral("force"), QStringLiteral("restore: write a file saved from another tuner")},
      {QStringLiteral("server"), QStringLiteral("firmware server, ftp://HOST[:PORT] (default: the saved server)"),
       QStringLiteral("URL")},
      {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("show this help")},
      {{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("show the program's version")},
  };
}

// "-h", "--help".
QString Dashed(const QString& name) { return (name.size() == 1 ? "-" : "--") + name; }

QString OptionLine(const QCommandLineOption& option) {
  QStringList names;
  for (const QString& name : option.names()) names << Dashed(name);
  const QString value = option.valueName().isEmpty() ? QString() : u' ' + option.valueName();
  return UsageLine(names.join(QStringLiteral(", ")) + value, option.description());
}

void PrintHelp() {
  QString options;
  for (const QCommandLineOption& option : Options()) options += OptionLine(option);
  PrintOut(QStringLiteral("usage: zu6400ctl COMMAND [ARGS] [OPTIONS]\n"
                          "Options may come before or after the command word; zu6400ctl help COMMAND\n"
                          "(or COMMAND --help) shows one command's options and an example.\n") +
           CommandUsages() + QStringLiteral("settings (set NAME=VALUE):\n") + SettingUsages() +
           QStringLiteral("stored settings (config set NAME=VALUE):\n") + ConfigSettingUsages() +
           QStringLiteral("options:\n") + options);
}

// Output that could not be written (a full disk, a closed pipe) fails the run.
int CheckedExit(int status) {
  const ResultCode failure = StandardOutputFailure();
  if (failure == Result::Success) return status;
  return CCliContext::Fail(failure, "Could not write the output: " + ErrorText(failure));
}

// One command: its usage, what it does, its settings, its options and an example.
void PrintCommandHelp(const CliCommand& command) {
  const QStringList names = CommandOptionNames(command) << QStringLiteral("help");
  QString options;
  for (const QCommandLineOption& option : Options())
    if (names.contains(option.names().constLast())) options += OptionLine(option);
  const QLatin1String name(command.name);
  QString text = "usage: zu6400ctl " + Synopsis(command) + " [OPTIONS]\n" + command.description + "\n";
  if (name == "set") text += "settings:\n" + SettingUsages();
  if (name == "config set") text += "settings:\n" + ConfigSettingUsages();
  PrintOut(text + "options:\n" + options + "example:\n  " + command.example + "\n");
}

// "zu6400ctl help [COMMAND]" and "zu6400ctl [COMMAND] --help".
int Help(const QStringList& words) {
  if (words.isEmpty()) {
    PrintHelp();
    return CheckedExit(0);
  }
  const CliCommand* command = FindCommand(words);
  if (command == nullptr) return UsageError(CommandProblem(words));
  PrintCommandHelp(*command);
  return CheckedExit(0);
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

// A whole or decimal number from low to high, or what the option takes.
template <class T>
QString ReadInRange(const QCommandLineParser& parser, const char* name, T low, T high, const char* unit, T& value) {
  const QString option = QLatin1String(name);
  if (!parser.isSet(option)) return {};
  bool ok = false;
  const QString text = parser.value(option);
  if constexpr (std::is_floating_point_v<T>)
    value = text.toDouble(&ok);
  else
    value = text.toUInt(&ok);
  if (ok && value >= low && value <= high) return {};
  return QStringLiteral("--%1 %2: --%1 takes %3 to %4%5")
      .arg(option, text, QString::number(low), QString::number(high), QLatin1String(unit));
}

QString ReadListen(const QString& text, CliOptions& options) {
  options.listen = text;
  if (ParseListenAddress(text)) return {};
  return "--listen " + text + ": --listen takes ADDRESS:PORT, such as " + QLatin1String(kDefaultListen) + " or [::1]:6400";
}

QString ReadFolder(const QString& text, CliOptions& options) {
  if (text.trimmed().isEmpty()) return QStringLiteral("--folder: --folder takes a folder");
  // Relative to where the command runs, as a shell user means it.
  options.folder = QDir::cleanPath(QDir::current().absoluteFilePath(text));
  return {};
}

QString ReadBand(const QString& text, CliOptions& options) {
  const QStringList choices = BandChoices();
  const qsizetype band = choices.indexOf(text.toLower());
  if (band < 0) return "--band " + text + ": --band takes " + ListWithOr(choices);
  options.band = static_cast<unsigned>(band);  // "all" comes last: kAllBands
  return {};
}

QString ReadAntenna(const QString& text, CliOptions& options) {
  if (text != u'1' && text != u'2' && text != u'3') return "--antenna " + text + ": --antenna takes 1, 2 or 3";
  options.antenna = text.toUInt();
  return {};
}

// The alarm's options; its time and --alarm-exit need a threshold.
QString ReadAlarm(const QCommandLineParser& parser, CliOptions& options) {
  using Limits = SwrAlarmSettings;
  QString problem =
      ReadInRange<double>(parser, "alarm-swr", Limits::kLowestSwr, Limits::kHighestSwr, "", options.alarm.swr);
  if (problem.isEmpty())
    problem = ReadInRange<double>(parser, "alarm-seconds", 0, Limits::kLongestSeconds, "", options.alarm.seconds);
  options.alarmExit = parser.isSet(QStringLiteral("alarm-exit"));
  if (!problem.isEmpty() || options.alarm.IsOn()) return problem;
  for (const char* name : {"alarm-seconds", "alarm-exit"})
    if (parser.isSet(QLatin1String(name))) return Format("--%s: --%s needs --alarm-swr", name, name);
  return {};
}

// The broker's URL; its certificate authority and credentials need one.
QString ReadMqtt(const QCommandLineParser& parser, CliOptions& options) {
  options.mqtt = parser.value(QStringLiteral("mqtt"));
  options.mqttCa = parser.value(QStringLiteral("mqtt-ca"));
  options.mqttCredentials = parser.value(QStringLiteral("mqtt-credentials"));
  if (parser.isSet(QStringLiteral("mqtt"))) {
    const std::optional<MqttSettings> settings = ParseMqttUrl(options.mqtt);
    if (!settings) return "--mqtt " + options.mqtt + ": --mqtt takes mqtt://HOST[:PORT] or mqtts://HOST[:PORT]";
    if (!settings->tls && parser.isSet(QStringLiteral("mqtt-ca"))) return QStringLiteral("--mqtt-ca: --mqtt-ca needs an mqtts:// broker");
    return {};
  }
  for (const char* name : {"mqtt-ca", "mqtt-credentials"})
    if (parser.isSet(QLatin1String(name))) return Format("--%s: --%s needs --mqtt", name, name);
  return {};
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
  options.csv = parser.isSet(QStringLiteral("csv"));
  options.yes = parser.isSet(QStringLiteral("yes"));
  options.force = parser.isSet(QStringLiteral("force"));
  options.token = parser.value(QStringLiteral("token"));
  options.allowHosts = parser.values(QStringLiteral("allow-host"));
  options.server = parser.value(QStringLiteral("server"));
  unsigned interval = 0;
  QString problem =
      ReadInRange<unsigned>(parser, "interval", kShortestInterval, kLongestInterval, " milliseconds", interval);
  options.intervalMs = interval;
  if (problem.isEmpty()) problem = ReadInRange<unsigned>(parser, "count", 1, UINT_MAX, "", options.count);
  if (problem.isEmpty()) problem = ReadAlarm(parser, options);
  if (problem.isEmpty()) problem = ReadMqtt(parser, options);
  if (!problem.isEmpty()) return problem;
  using Reader = QString (*)(const QString&, CliOptions&);
  const std::pair<const char*, Reader> readers[] = {
      {"band", &ReadBand}, {"antenna", &ReadAntenna}, {"folder", &ReadFolder}, {"speed", &ReadSpeed}};
  for (const auto& [name, read] : readers) {
    if (!parser.isSet(QLatin1String(name))) continue;
    problem = read(parser.value(QLatin1String(name)), options);
    if (!problem.isEmpty()) return problem;
  }
  problem = ReadListen(parser.value(QStringLiteral("listen")), options);
  if (!problem.isEmpty()) return problem;
  return ReadWait(parser.value(QStringLiteral("wait")), options);
}
}  // namespace

int main(int argc, char** argv) {
  // A faster clock for a bench with the simulated tuner: every wait of the
  // program (time-outs, pauses, the reset waits) passes N times sooner. The
  // messages still name the real times.
  CTimeScale::SetFactor(static_cast<unsigned>(std::max(0, qEnvironmentVariableIntValue("ZU6400_TIME_SCALE"))));
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("zu6400ctl"));
  QCoreApplication::setApplicationVersion(CProgramVersion::Number());

  QCommandLineParser parser;
  parser.addOptions(Options());
  if (!parser.parse(app.arguments())) return UsageError(ParseProblem(parser));
  const QStringList words = parser.positionalArguments();
  if (parser.isSet(QStringLiteral("help"))) return Help(words);
  if (!words.isEmpty() && words.first() == u"help") return Help(words.mid(1));
  if (parser.isSet(QStringLiteral("version"))) parser.showVersion();

  CliOptions options;
  QString problem = ReadOptions(parser, options);
  if (problem.isEmpty()) problem = CommandProblem(words);
  if (!problem.isEmpty()) return UsageError(problem);

  CCliContext context(options);
  if (!context.Prepare()) return 1;
  const CliCommand* command = FindCommand(words);
  return CheckedExit(command->run(context, words.mid(CommandWordCount(*command))));
}
