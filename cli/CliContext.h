#pragma once
// What every zu6400ctl command gets: the options of the run and helpers to
// drive a machine to its end.

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "base/ResultCodes.h"
#include "firmware/FirmwareFolderScan.h"
#include "machines/operate/SwrAlarm.h"

class CConsoleLog;
class CSimulatorThread;
class CStopSignals;

struct CliOptions {
  QString port;
  unsigned long fixedSpeed = 0;
  bool speedGiven = false;
  bool trace = false;
  bool simulate = false;
  bool json = false;
  unsigned waitSeconds = 10;
  unsigned long intervalMs = 0;  // 0: the saved poll interval
  unsigned count = 0;            // 0: until stopped
  bool csv = false;
  QString listen;  // serve: ADDRESS:PORT
  QString token;   // serve: the bearer token changes need
  QString mqtt;    // serve: the broker's URL, empty for none
  QString mqttCa;  // serve: the authority a mqtts:// broker is checked against
  QString mqttCredentials;  // serve: the file of "user:password"
  QStringList allowHosts;  // serve: names the server may be reached by besides its address
  // The firmware folder for this run (absolute); empty: the saved one.
  QString folder;
  std::optional<unsigned> band;     // --band: 0 to 10, or kAllBands for all
  std::optional<unsigned> antenna;  // --antenna: 1 to 3
  bool yes = false;                 // --yes: an irreversible job may go ahead
  bool force = false;
  QString server;  // the firmware server for this run; empty: the saved one
  SwrAlarmSettings alarm;  // watch, serve: --alarm-swr, --alarm-seconds
  bool alarmExit = false;  // watch: exit with kAlarmExitStatus at the first alarm
};

// What watch --alarm-exit ends with when the alarm is raised.
constexpr int kAlarmExitStatus = 3;

class CCliContext {
 public:
  explicit CCliContext(const CliOptions& options);
  ~CCliContext();

  // Sets up the model, the console and (with --simulate) the simulated tuner.
  bool Prepare();
  const CliOptions& Options() const { return m_options; }
  // Where a job machine's state texts and traces go: the console with --trace.
  QObject* StatusWindow() const;
  CSimulatorThread* Simulator() const { return m_simulator.get(); }

  // Runs the contact machine from its open-port state until it finishes or
  // the wait runs out (then NoResponseAfterReset, and the search stops).
  ResultCode Contact();
  // Calls start, then runs the event loop until MachineFinished fires (its
  // result) or the wait runs out (onTimeout). A stop signal meanwhile
  // cancels the machine that runs (StopWith).
  ResultCode RunUntilFinished(const std::function<void()>& start, unsigned seconds, ResultCode onTimeout);

  // SIGINT and SIGTERM, caught from the first use on.
  CStopSignals& StopSignals();
  // Until the connection is broken: the first stop signal calls cancel, as a
  // window's Cancel does (the command in progress finishes, the job ends
  // Cancelled); a second ends the program at once with exit status 1.
  QMetaObject::Connection StopWith(const std::function<void()>& cancel);
  // A job that ended Cancelled: what the tuner (and the file) are left with,
  // on standard error unless it was said already, then the error line.
  static int Stopped(const QString& state);

  // The firmware folder's newest image; when there is none, the log says
  // why and how to get one.
  static FirmwareFolderScan ScanFirmwareFolder();

  // Prints "error 0x%08X: <text>" to standard error and gives exit status 1.
  static int Fail(ResultCode code);
  // The code with a text that says more than the code's own.
  static int Fail(ResultCode code, const QString& text);

 private:
  CliOptions m_options;
  std::unique_ptr<CConsoleLog> m_console;
  std::unique_ptr<CSimulatorThread> m_simulator;
  std::unique_ptr<CStopSignals> m_stopSignals;
  unsigned m_stops = 0;
};

// What a command takes after its word.
enum class CliArguments { None, One, OneOrMore, Optional };

// The groups of the command list in the help, in its order.
enum class CliGroup { Connect, Operate, Configuration, Firmware, Network, Files };

struct CliCommand {
  const char* name;
  CliArguments count;
  const char* arguments;  // the argument's name in the usage, "FILE"
  const char* description;
  CliGroup group;
  bool tuner;             // talks to the tuner: takes the options that reach it
  const char* options;    // its other options, by name: "json band"
  const char* example;
  int (*run)(CCliContext& context, const QStringList& args);  // args as many as count allows
};

// Every command of the front end. A command's name may have two words
// ("config set"); the longest that the words begin with wins.
const CliCommand* FindCommand(const QStringList& words);
// How many words a command's name takes.
qsizetype CommandWordCount(const CliCommand& command);
// "set NAME=VALUE ...".
QString Synopsis(const CliCommand& command);
// The options a command takes, by name, those that reach the tuner first.
QStringList CommandOptionNames(const CliCommand& command);
// The command list of the help, in groups.
QString CommandUsages();
// The settings of "set" and the values each takes, one help line each.
QString SettingUsages();
// The same for "config set".
QString ConfigSettingUsages();
// What is wrong with a command word and its arguments (empty when nothing):
// a missing or unknown command (with the nearest one), a missing or an
// unexpected argument.
QString CommandProblem(const QStringList& words);
