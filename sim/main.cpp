// zu6400-sim: a simulated ZU6400 tuner on a pseudo-terminal. The first line
// of output is the device path to open.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include "sim/SimulatedTuner.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("zu6400-sim"));
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Simulated ZU6400 antenna tuner on a pseudo-terminal."));
  parser.addHelpOption();
  parser.addOption({QStringLiteral("speed"), QStringLiteral("Line speed the tuner listens at."), QStringLiteral("bps"), QStringLiteral("38400")});
  parser.addOption({QStringLiteral("version"), QStringLiteral("Firmware version, e.g. 01.05."), QStringLiteral("version"), QStringLiteral("01.05")});
  parser.addOption({QStringLiteral("serial"), QStringLiteral("Serial number."), QStringLiteral("number"), QStringLiteral("1234")});
  parser.addOption({QStringLiteral("identity"), QStringLiteral("Reply to \"I;\" (ZU6400, zu6400 for the loader, or another device)."), QStringLiteral("text"), QStringLiteral("ZU6400")});
  parser.addOption({QStringLiteral("pace"), QStringLiteral("Hold replies for their time on the wire.")});
  parser.addOption({QStringLiteral("frequency"), QStringLiteral("Frequency on the tuner's input, in kHz."), QStringLiteral("kHz"), QStringLiteral("14200")});
  parser.addOption({QStringLiteral("asleep"), QStringLiteral("Start powered off (sleeping).")});
  parser.addOption({QStringLiteral("restart-ms"), QStringLiteral("How long the tuner stays deaf after \"rst0;\"."), QStringLiteral("ms"), QStringLiteral("1000")});
  parser.addOption({QStringLiteral("prom-fault"),
                    QStringLiteral("Damage the replies to a PROM command at an address: KIND:COMMAND:ADDRESS[:TIMES], "
                                   "KIND refuse, corrupt, address or checksum (e.g. checksum:ers:0400:2)."),
                    QStringLiteral("fault")});
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
  for (const QString& text : parser.values(QStringLiteral("prom-fault"))) {
    const auto fault = SimPromFault::Parse(text);
    if (!fault) parser.showHelp(2);
    options.promFaults.push_back(*fault);
  }
  options.live.power = parser.isSet(QStringLiteral("asleep")) ? 0 : 1;

  CSimulatedTuner tuner(options);
  if (!tuner.Open()) {
    QTextStream(stderr) << "zu6400-sim: no pseudo-terminal available\n";
    return 1;
  }
  QTextStream(stdout) << tuner.SlavePath() << Qt::endl;
  return app.exec();
}
