#include "base/StringTable.h"

#include <QCoreApplication>
#include <algorithm>
#include <map>

namespace {

// Texts whose first placeholder is a count: their translations have a form
// for each plural the language knows.
constexpr unsigned kCounted[] = {10054, 10076, 16080};

// Texts that are marked are translated; the host name and the fault log's
// data formats are not words.
const std::map<unsigned, const char*>& Table() {
  static const std::map<unsigned, const char*> table = {
      {13134, QT_TRANSLATE_NOOP("StringTable", "No match")},
      {13150, QT_TRANSLATE_NOOP("StringTable", "Start a full search tune")},
      {13152, QT_TRANSLATE_NOOP("StringTable", "Save current ATU settings")},
      {18130, QT_TRANSLATE_NOOP("StringTable", "No fault")},
      {18132, QT_TRANSLATE_NOOP("StringTable", "SWR > Amp Key Interrupt SWR")},
      {18136, QT_TRANSLATE_NOOP("StringTable", "Power above design limit for SWR")},
      {18138, QT_TRANSLATE_NOOP("StringTable", "Power too high for tune")},
      {14520, QT_TRANSLATE_NOOP("StringTable", "Serial port \"%s\" access denied; may be in use by another program or USB cable may have been removed.")},
      {14522, QT_TRANSLATE_NOOP("StringTable", "Unexpected Device")},
      {14524, QT_TRANSLATE_NOOP("StringTable", "Connected device does not appear to be a Corvanta %s")},
      {14526, QT_TRANSLATE_NOOP("StringTable", "Serial Port Error")},
      {14542, QT_TRANSLATE_NOOP("StringTable", "Attempting to contact %s on %s at %u bit/s")},
      {14546, QT_TRANSLATE_NOOP("StringTable", "Serial port %s is open")},
      {14550, QT_TRANSLATE_NOOP("StringTable", "Unable to open serial port \"%s\". Error 0x%08X: %s")},
      {14552, QT_TRANSLATE_NOOP("StringTable", "Opening serial port %s")},
      {14553, QT_TRANSLATE_NOOP("StringTable", "Connected to %s on %s at %u bit/s")},
      {10040, QT_TRANSLATE_NOOP("StringTable", "Erase output window")},
      {10064, QT_TRANSLATE_NOOP("StringTable", "%s Version %u.%u.%u.%u")},
      {10094, QT_TRANSLATE_NOOP("StringTable", "Help Error")},
      {10100, QT_TRANSLATE_NOOP("StringTable", "&About %s Utility")},
      {10102, QT_TRANSLATE_NOOP("StringTable", "%s Utility &Help")},
      {10104, QT_TRANSLATE_NOOP("StringTable", "%s Firmware &Release Notes")},
      {10120, QT_TRANSLATE_NOOP("StringTable", "%s Status")},
      {10124, QT_TRANSLATE_NOOP("StringTable", "%s is not responding")},
      {11254, QT_TRANSLATE_NOOP("StringTable", "Edit Command Tester Macros")},
      {11262, QT_TRANSLATE_NOOP("StringTable", "MACRO%u")},
      {11274, QT_TRANSLATE_NOOP("StringTable", "Macros 1-16")},
      {14534, QT_TRANSLATE_NOOP("StringTable", "Stop polling and close the serial port")},
      {14536, QT_TRANSLATE_NOOP("StringTable", " on %s closed")},
      {14544, QT_TRANSLATE_NOOP("StringTable", "Serial port %s is closed")},
      {14554, QT_TRANSLATE_NOOP("StringTable", " - S/N %05u")},
      {14560, QT_TRANSLATE_NOOP("StringTable", " on %s at %u bit/s")},
      {14562, QT_TRANSLATE_NOOP("StringTable", "Reopen port and determine speed")},
      {18401, QT_TRANSLATE_NOOP("StringTable", "Log Readings")},
      {18402, QT_TRANSLATE_NOOP("StringTable", "Readings cannot be logged to \"%s\"\r\nError 0x%08X: %s")},
      {18403, QT_TRANSLATE_NOOP("StringTable", "Logging of readings stopped: writing to \"%s\" failed\r\nError 0x%08X: %s\r\nThe lines written before are kept.")},
      {18404, QT_TRANSLATE_NOOP("StringTable", "Logging readings to %s")},
      {57345, QT_TRANSLATE_NOOP("StringTable", "Ready")},
      // The program's own texts for this platform.
      {30500, QT_TRANSLATE_NOOP("StringTable", "The connection to the %s on %s was lost: the adapter was unplugged or switched off (error 0x%08X)")},
      {10022, QT_TRANSLATE_NOOP("StringTable", "Copy Files from Corvanta File Server")},
      {10042, QT_TRANSLATE_NOOP("StringTable", "Click \"Close\" to close this window")},
      {10044, QT_TRANSLATE_NOOP("StringTable", "Close")},
      {10046, QT_TRANSLATE_NOOP("StringTable", "Create folder")},
      {10050, QT_TRANSLATE_NOOP("StringTable", "Folder \"%s\" does not exist. Do you want to create it now?")},
      {10060, QT_TRANSLATE_NOOP("StringTable", "File verified %s")},
      {10062, QT_TRANSLATE_NOOP("StringTable", "File %s verify failed")},
      {10070, QT_TRANSLATE_NOOP("StringTable", "%s completed with error 0x%08X: %s")},
      {10072, QT_TRANSLATE_NOOP("StringTable", "Connected to Corvanta server\nPlease be patient, this takes a few seconds")},
      {10074, QT_TRANSLATE_NOOP("StringTable", "Copied %s from Corvanta")},
      {10076, QT_TRANSLATE_N_NOOP("StringTable", "Copied %u files from Corvanta to %s")},
      {10080, QT_TRANSLATE_NOOP("StringTable", "Copying files to %s")},
      {10082, QT_TRANSLATE_NOOP("StringTable", "Found %s")},
      {10083, QT_TRANSLATE_NOOP("StringTable", "Skipped %s")},
      {10084, QT_TRANSLATE_NOOP("StringTable", "Navigate to %s")},
      {10086, QT_TRANSLATE_NOOP("StringTable", "Unable to copy file %s")},
      {10090, QT_TRANSLATE_NOOP("StringTable", "Open connection to %s")},
      {10092, "ftp.corvanta.com"},
      {10054, QT_TRANSLATE_N_NOOP("StringTable", "Elapsed time: %u seconds")},
      {10110, QT_TRANSLATE_NOOP("StringTable", "Release Notes Error")},
      {10112, QT_TRANSLATE_NOOP("StringTable", "Unable to open Firmware Release Notes \"%s\"")},
      {10026, QT_TRANSLATE_NOOP("StringTable", "Firmware Release Notes")},
      {15102, QT_TRANSLATE_NOOP("StringTable", "Choose \"%%APPDATA%%\\Corvanta\\%s Firmware\" folder")},
      {15094, QT_TRANSLATE_NOOP("StringTable", "Browse to another folder")},
      {15096, QT_TRANSLATE_NOOP("StringTable", "Compare versions installed in %s with available versions in firmware folder")},
      {15100, QT_TRANSLATE_NOOP("StringTable", "Select folder containing %s firmware files")},
      {15104, QT_TRANSLATE_NOOP("StringTable", "Error")},
      {15106, QT_TRANSLATE_NOOP("StringTable", "Sending firmware from %s")},
      {15110, QT_TRANSLATE_NOOP("StringTable", "Get new firmware from Corvanta file server")},
      {15122, QT_TRANSLATE_NOOP("StringTable", "Missing")},
      {15124, QT_TRANSLATE_NOOP("StringTable", "Firmware folder does not contain required firmware files\r\nClick \"Copy New Files from Corvanta\"\r\nor navigate to a folder containing firmware files")},
      {16020, QT_TRANSLATE_NOOP("StringTable", "Sending %s firmware file %s")},
      {16021, QT_TRANSLATE_NOOP("StringTable", "Retry %u succeeded at address x%04X")},
      {16022, QT_TRANSLATE_NOOP("StringTable", "Retry %u successful at address x%04X, %u fill bytes")},
      {16023, QT_TRANSLATE_NOOP("StringTable", "Send %s firmware failed at load address x%04X")},
      {16025, QT_TRANSLATE_NOOP("StringTable", "%s firmware version verified")},
      {16026, QT_TRANSLATE_NOOP("StringTable", "Sent %s firmware file %s\r\n%s responded with version %s")},
      {16027, QT_TRANSLATE_NOOP("StringTable", "Firmware version verify failed. Reload %s firmware.")},
      {16028, QT_TRANSLATE_NOOP("StringTable", "%s Bootstrap Loader did not echo \"%s\"\r\nRemove power and retry firmware load")},
      {16029, QT_TRANSLATE_NOOP("StringTable", "Line %u, error code 0x%08X: %s")},
      {16030, QT_TRANSLATE_NOOP("StringTable", "Sending %s Firmware")},
      {16031, QT_TRANSLATE_NOOP("StringTable", "Total number of retries was %u")},
      {16032, QT_TRANSLATE_NOOP("StringTable", "Highest number of retries for any block was %u")},
      {16033, QT_TRANSLATE_NOOP("StringTable", "%s firmware load is complete")},
      {16034, QT_TRANSLATE_NOOP("StringTable", "Click \"Close\" to close this window")},
      {16035, QT_TRANSLATE_NOOP("StringTable", "Error code 0x%08X: %s")},
      {16036, QT_TRANSLATE_NOOP("StringTable", "Are you sure you wish to close the Utility while sending firmware?")},
      {16037, QT_TRANSLATE_NOOP("StringTable", "Critical Operation in Progress")},
      {16038, QT_TRANSLATE_NOOP("StringTable", "The %s is left in its bootstrap loader: send the firmware again to finish the update")},
      {16039, QT_TRANSLATE_NOOP("StringTable", "Nothing answered: looking for a bootstrap loader left holding part of a packet by a load cut short")},
      {16041, QT_TRANSLATE_NOOP("StringTable", "No bootstrap loader answered either: switch the %s off and on, then send the firmware again")},
      {16042, QT_TRANSLATE_NOOP("StringTable", "The name of %s carries no version to check the load against: firmware images are named like "
              "zu6400fw0105.hex (version 01.05)")},
      {16040, QT_TRANSLATE_NOOP("StringTable", "Cancel")},
      {16080, QT_TRANSLATE_N_NOOP("StringTable", "Waiting %u seconds for reset")},
      {13512, QT_TRANSLATE_NOOP("StringTable", "Save Configuration")},
      {13520, QT_TRANSLATE_NOOP("StringTable", "Save configuration was cancelled")},
      {13521, QT_TRANSLATE_NOOP("StringTable", "Configuration was saved")},
      {13522, QT_TRANSLATE_NOOP("StringTable", "Failed to save configuration")},
      {13523, QT_TRANSLATE_NOOP("StringTable", "Save Configuration Error")},
      {13524, QT_TRANSLATE_NOOP("StringTable", "%s Configuration File (*.%s)|*.%s|All Files (*.*)|*.*|")},
      {13510, QT_TRANSLATE_NOOP("StringTable", "Restore Configuration")},
      {13511, QT_TRANSLATE_NOOP("StringTable", "Restoring configuration")},
      {13530, QT_TRANSLATE_NOOP("StringTable", "Configuration was restored")},
      {13531, QT_TRANSLATE_NOOP("StringTable", "Restore configuration was cancelled")},
      {13532, QT_TRANSLATE_NOOP("StringTable", "Failed to restore configuration")},
      {13533, QT_TRANSLATE_NOOP("StringTable", "Restore Configuration Error")},
      {13534, QT_TRANSLATE_NOOP("StringTable", "Are you sure you wish to interrupt configuration restore?")},
      {13535, QT_TRANSLATE_NOOP("StringTable", "Critical Operation in Progress")},
      {13536, QT_TRANSLATE_NOOP("StringTable", "Restore was cancelled. Turn power off and back on, then restore configuration.")},
      {13537, QT_TRANSLATE_NOOP("StringTable", "Serial Number Mismatch")},
      {13538, QT_TRANSLATE_NOOP("StringTable", "The Serial Number within the restore file\ndoes not match the Serial Number of your ZU6400.\n\nRestore cannot continue.")},
      {13539, QT_TRANSLATE_NOOP("StringTable", "The Serial Number within the restore file\ndoes not match the Serial Number of your ZU6400.\n\nDo you want to restore this configuration anyway?")},
      {13540, QT_TRANSLATE_NOOP("StringTable", "The tuner's stored configuration is now incomplete: restore a configuration file again before using "
              "the tuner.")},
      {13802, QT_TRANSLATE_NOOP("StringTable", "Fault Table (Newest Entry at Top)")},
      {13804, QT_TRANSLATE_NOOP("StringTable", "Fault Table Error")},
      {13810, QT_TRANSLATE_NOOP("StringTable", "Index")},
      {13811, QT_TRANSLATE_NOOP("StringTable", "  Time On   ")},
      {13812, QT_TRANSLATE_NOOP("StringTable", "Fault Code    ")},
      {13813, QT_TRANSLATE_NOOP("StringTable", "Variable Data")},
      {13820, QT_TRANSLATE_NOOP("StringTable", "00 - Power On")},
      {13821, QT_TRANSLATE_NOOP("StringTable", "01 - No match")},
      {13822, QT_TRANSLATE_NOOP("StringTable", "02 - VFWD too high for SWR")},
      {13823, QT_TRANSLATE_NOOP("StringTable", "03 - VFWD above relay hotswitch limit")},
      {13824, QT_TRANSLATE_NOOP("StringTable", "04 - SWR above Amp Key Interrupt SWR")},
      {13825, QT_TRANSLATE_NOOP("StringTable", "81 - No match detail")},
      {13826, QT_TRANSLATE_NOOP("StringTable", "%02X Unrecognized")},
      {13827, QT_TRANSLATE_NOOP("StringTable", "%u times")},
      {13828, "F %u VFWD %u VRFL %u SWR %u.%02u SWRB %u.%02u"},
      {13829, "STEPS %u AN %u BYP%c SIDE%c C%02X L%02X"},
      {13502, QT_TRANSLATE_NOOP("StringTable", "Restore a previously saved configuration")},
      {13506, QT_TRANSLATE_NOOP("StringTable", "Save configuration in a computer file")},
      {13844, QT_TRANSLATE_NOOP("StringTable", "Return every setting to its factory default and erase all ATU memories")},
      {19002, QT_TRANSLATE_NOOP("StringTable", "View or change configuration")},
      {19300, QT_TRANSLATE_NOOP("StringTable", "ZU6400 Configuration")},
      {19302, QT_TRANSLATE_NOOP("StringTable", "Now Optimized for ZP5100")},
      {19304, QT_TRANSLATE_NOOP("StringTable", "Optimize for ZP5100")},
      {13840, QT_TRANSLATE_NOOP("StringTable", "Reset Configuration to Factory Defaults")},
      {13846, QT_TRANSLATE_NOOP("StringTable", "Reset Configuration Error")},
      {13862, QT_TRANSLATE_NOOP("StringTable", "Erase Antenna Tuner Memories")},
      {13867, QT_TRANSLATE_NOOP("StringTable", "Erasing Band %s Antenna %u")},
      {13868, QT_TRANSLATE_NOOP("StringTable", "ATU memory erased Band %s Antenna %u")},
  };
  return table;
}

}  // namespace

const QString& ModelName() {
  static const QString name = QStringLiteral("ZU6400");
  return name;
}

QString LoadString(unsigned id, int count) {
  const auto it = Table().find(id);
  if (it == Table().end()) return {};
  const bool counted = std::find(std::begin(kCounted), std::end(kCounted), id) != std::end(kCounted);
  return QCoreApplication::translate("StringTable", it->second, nullptr, counted ? count : -1);
}
