// zu6400-sim: a simulated ZU6400 tuner on a pseudo-terminal. The first line
// of output is the device path to open.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <algorithm>

#include "sim/SimulatedTuner.h"

namespace {
// The readings the file gives (see SimReadings.h); none when it cannot be
// read or a line is wrong, said on standard error.
std::optional<std::vector<SimReading>> LoadReadings(const QString& path) {
  QFile file(path);
  QString problem;
  std::optional<std::vector<SimReading>> readings;
  if (!file.open(QIODevice::ReadOnly))
    problem = file.errorString();
  else
    readings = ParseSimReadings(file.readAll(), problem);
  if (!readings) QTextStream(stderr) << "zu6400-sim: --readings " << path << ": " << problem << '\n';
  return readings;
}
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("zu6400-sim"));
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Simulated ZU6400 antenna tuner on a pseudo-terminal.\n"
                     "It keeps its stored configuration in its PIC PROM (0x030 to 0x147) in a layout of its own,\n"
                     "not a real tuner's: save, restore, edits and factory reset all see that one memory."));
  parser.addHelpOption();
  parser.addOption({QStringLiteral("speed"), QStringLiteral("Line speed the tuner listens at."), QStringLiteral("bps"), QStringLiteral("38400")});
  parser.addOption({QStringLiteral("version"), QStringLiteral("Firmware version, e.g. 01.05 (default: the newest the utility knows)."), QStringLiteral("version"), QLatin1String(SimOptions::kNewestFirmware)});
  parser.addOption({QStringLiteral("serial"), QStringLiteral("Serial number."), QStringLiteral("number"), QStringLiteral("1234")});
  parser.addOption({QStringLiteral("identity"), QStringLiteral("Reply to \"I;\" (ZU6400, zu6400 for the loader, or another device)."), QStringLiteral("text"), QStringLiteral("ZU6400")});
  parser.addOption({QStringLiteral("pace"), QStringLiteral("Hold replies for their time on the wire.")});
  parser.addOption({QStringLiteral("frequency"), QStringLiteral("Frequency on the tuner's input, in kHz."), QStringLiteral("kHz"), QStringLiteral("14200")});
  parser.addOption({QStringLiteral("asleep"), QStringLiteral("Start powered off (sleeping).")});
  parser.addOption({QStringLiteral("loader"), QStringLiteral("Start in the bootstrap loader.")});
  parser.addOption({QStringLiteral("flash-version"), QStringLiteral("Firmware version reported after a load (default: the old one; the built-in simulated tuner reports the version in the image's file name)."), QStringLiteral("version")});
  parser.addOption({QStringLiteral("reject-address"), QStringLiteral("Loader: the packet address (hex) to answer \"N\"."), QStringLiteral("hex")});
  parser.addOption({QStringLiteral("reject-count"), QStringLiteral("Loader: how many times to reject that packet."), QStringLiteral("count"), QStringLiteral("0")});
  parser.addOption({QStringLiteral("drop-address"), QStringLiteral("Loader: the packet address (hex) to lose bytes of, once."), QStringLiteral("hex")});
  parser.addOption({QStringLiteral("drop-bytes"), QStringLiteral("Loader: how many bytes of that packet to lose."), QStringLiteral("count"), QStringLiteral("0")});
  parser.addOption({QStringLiteral("no-echo"), QStringLiteral("Loader: never echo \"D\".")});
  parser.addOption({QStringLiteral("silent-final"), QStringLiteral("Loader: never answer the final packet.")});
  parser.addOption({QStringLiteral("keep-partial"),
                    QStringLiteral("Loader: keep a packet cut short however long the line is quiet.")});
  parser.addOption({QStringLiteral("restart-ms"), QStringLiteral("How long the tuner stays deaf after \"rst0;\"."), QStringLiteral("ms"), QStringLiteral("1000")});
  parser.addOption({QStringLiteral("prom-fault"),
                    QStringLiteral("Damage the replies to a PROM command at an address: KIND:COMMAND:ADDRESS[:TIMES], "
                                   "KIND refuse, corrupt, address or checksum (e.g. checksum:ers:0400:2)."),
                    QStringLiteral("fault")});
  parser.addOption({QStringLiteral("reply-delay"), QStringLiteral("Fault: hold every reply this long."), QStringLiteral("ms"), QStringLiteral("0")});
  parser.addOption({QStringLiteral("never-wakes"), QStringLiteral("Fault: \"PS1;\" neither wakes it nor is answered.")});
  parser.addOption({QStringLiteral("vanish-on"),
                    QStringLiteral("Fault: the device vanishes as a command comes, before carrying it out: "
                                   "COMMAND[:TIMES], at the TIMES-th command of that name (default 1), e.g. em."),
                    QStringLiteral("fault")});
  parser.addOption({QStringLiteral("garble"),
                    QStringLiteral("Fault: the last value byte of the replies to a command becomes \"Z\": "
                                   "COMMAND[:TIMES], TIMES replies in a row (default 1), e.g. f:2 gives \"F1420Z;\"."),
                    QStringLiteral("fault")});
  parser.addOption({QStringLiteral("readings"),
                    QStringLiteral("Replay readings over time: lines of SECONDS SWR FORWARD REFLECTED (e.g. \"0 1.2 120 5\", "
                                   "then \"10 3.5 120 68\"), from the start; the last line holds."),
                    QStringLiteral("file")});
  parser.process(app);

  SimOptions options;
  bool ok = true;
  options.speed = parser.value(QStringLiteral("speed")).toUInt(&ok);
  if (!ok) parser.showHelp(2);
  options.version = parser.value(QStringLiteral("version"));
  options.serial = parser.value(QStringLiteral("serial")).toUInt(&ok);
  if (!ok) parser.showHelp(2);
  options.identity = parser.value(QStringLiteral("identity"));
  options.pace = parser.isSet(QStringLiteral("pace"));
  options.live.frequency = parser.value(QStringLiteral("frequency")).toUInt(&ok);
  if (!ok) parser.showHelp(2);
  options.restartMs = parser.value(QStringLiteral("restart-ms")).toUInt(&ok);
  if (!ok) parser.showHelp(2);
  options.replyDelayMs = parser.value(QStringLiteral("reply-delay")).toUInt(&ok);
  if (!ok) parser.showHelp(2);
  options.neverWakes = parser.isSet(QStringLiteral("never-wakes"));
  // A faster clock for a bench with zu6400ctl (which reads the same
  // variable): every wait of the tuner passes N times sooner.
  options.timeScale = static_cast<unsigned>(std::max(0, qEnvironmentVariableIntValue("ZU6400_TIME_SCALE")));
  // COMMAND[:TIMES]: the command's name in any case, with or without its ";";
  // TIMES 1 unless given.
  const auto counted = [&](const char* option, QByteArray& name, unsigned& times) {
    if (!parser.isSet(QLatin1String(option))) return;
    const QStringList parts = parser.value(QLatin1String(option)).split(u':');
    name = parts[0].toLatin1().toLower();
    while (name.endsWith(';')) name.chop(1);
    times = parts.size() > 1 ? parts[1].toUInt(&ok) : 1;
    if (!ok || parts.size() > 2 || name.isEmpty()) parser.showHelp(2);
  };
  counted("vanish-on", options.vanishOn, options.vanishOnTimes);
  counted("garble", options.garble, options.garbleTimes);
  for (const QString& text : parser.values(QStringLiteral("prom-fault"))) {
    const auto fault = SimPromFault::Parse(text);
    if (!fault) parser.showHelp(2);
    options.promFaults.push_back(*fault);
  }
  options.live.power = parser.isSet(QStringLiteral("asleep")) ? 0 : 1;
  SimLoaderOptions& loader = options.loader;
  loader.startInLoader = parser.isSet(QStringLiteral("loader"));
  loader.flashVersion = parser.value(QStringLiteral("flash-version"));
  const auto number = [&](const char* name, int base, auto& value) {
    const QString text = parser.value(QLatin1String(name));
    if (text.isEmpty()) return;
    value = text.toUInt(&ok, base);
    if (!ok) parser.showHelp(2);
  };
  number("reject-address", 16, loader.rejectAddress);
  number("reject-count", 10, loader.rejectCount);
  number("drop-address", 16, loader.dropAddress);
  number("drop-bytes", 10, loader.dropBytes);
  loader.noEcho = parser.isSet(QStringLiteral("no-echo"));
  loader.silentFinal = parser.isSet(QStringLiteral("silent-final"));
  loader.keepPartial = parser.isSet(QStringLiteral("keep-partial"));

  std::optional<std::vector<SimReading>> readings;
  if (parser.isSet(QStringLiteral("readings"))) {
    readings = LoadReadings(parser.value(QStringLiteral("readings")));
    if (!readings) return 2;
  }

  CSimulatedTuner tuner(options);
  if (readings) tuner.Live().Replay(std::move(*readings));
  if (!tuner.Open()) {
    QTextStream(stderr) << "zu6400-sim: no pseudo-terminal available\n";
    return 1;
  }
  QTextStream(stdout) << tuner.SlavePath() << Qt::endl;
  return app.exec();
}
