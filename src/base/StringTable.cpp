#include "base/StringTable.h"

#include <map>

namespace {

const std::map<unsigned, const char*>& Table() {
  static const std::map<unsigned, const char*> table = {
      {10056, "%s failed on \"%s\"\r\nError 0x%08X: %s"},
      {13134, "No match"},
      {13150, "Start a full search tune"},
      {13152, "Save current ATU settings"},
      {18130, "No fault"},
      {18132, "SWR > Amp Key Interrupt SWR"},
      {18136, "Power above design limit for SWR"},
      {18138, "Power too high for tune"},
      {14520, "Serial port \"%s\" access denied; may be in use by another program or USB cable may have been removed."},
      {14522, "Unexpected Device"},
      {14524, "Connected device does not appear to be an Corvanta %s"},
      {14526, "COM Port Error"},
      {14542, "Attempting to contact %s on %s at %u bit/s"},
      {14546, "Serial port %s is open"},
      {14550, "Unable to open serial port \"%s\". Error 0x%08X: %s"},
      {14552, "Opening serial port %s"},
      {14553, "Connected to %s on %s at %u bit/s"},
      {10040, "Erase output window"},
      {10064, "%s Version %u.%u.%u.%u"},
      {10094, "Help Error"},
      {10100, "&About %s Utility"},
      {10102, "%s Utility &Help"},
      {10104, "%s Firmware &Release Notes"},
      {10120, "%s Status"},
      {10124, "%s is not responding"},
      {11254, "Edit Command Tester Macros"},
      {11262, "MACRO%u"},
      {11274, "Macros 1-16"},
      {14530, "Please choose a serial port on the Port page"},
      {14532, "Select a serial port"},
      {14534, "Stop polling and close the serial port"},
      {14536, " on %s closed"},
      {14544, "Serial port %s is closed"},
      {14554, " - S/N %05u"},
      {14560, " on %s at %u bit/s"},
      {14562, "Reopen port and determine speed"},
      {57345, "Ready"},
      {10022, "Copy Files from Corvanta File Server"},
      {10042, "Click \"Close\" to close this window"},
      {10044, "Close"},
      {10046, "Create folder"},
      {10050, "Folder \"%s\" does not exist. Do you want to create it now?"},
      {10060, "File verified %s"},
      {10062, "File %s verify failed"},
      {10070, "%s completed with error 0x%08X: %s"},
      {10072, "Connected to Corvanta server\nPlease be patient, this takes a few seconds"},
      {10074, "Copied %s from Corvanta"},
      {10076, "Copied %u files from Corvanta to %s"},
      {10080, "Copying files to %s"},
      {10082, "Found %s"},
      {10083, "Skipped %s"},
      {10084, "Navigate to %s"},
      {10086, "Unable to copy file %s"},
      {10090, "Open connection to %s"},
      {10092, "ftp.corvanta.com"},
      {10054, "Elapsed time: %u seconds"},
      {10110, "Release Notes Error"},
      {10112, "Unable to open Firmware Release Notes \"%s\""},
      {10026, "Firmware Release Notes"},
      {15102, "Choose \"%%APPDATA%%\\Corvanta\\%s Firmware\" folder"},
      {15094, "Browse to another folder"},
      {15096, "Compare versions installed in %s with available versions in firmware folder"},
      {15100, "Select folder containing %s firmware files"},
      {15104, "Error"},
      {15106, "Sending firmware from %s"},
      {15110, "Get new firmware from Corvanta file server"},
      {15122, "Missing"},
      {15124, "Firmware folder does not contain required firmware files\r\nClick \"Copy New Files from Corvanta\"\r\nor navigate to a folder containing firmware files"},
      {16020, "Sending %s firmware file %s"},
      {16021, "Retry %u succeeded at address x%04X"},
      {16022, "Retry %u successful at address x%04X, %u fill bytes"},
      {16023, "Send %s firmware failed at load address x%04X"},
      {16024, "Waiting %u seconds for reset"},
      {16025, "%s firmware version verified"},
      {16026, "Sent %s firmware file %s\r\n%s responded with version %s"},
      {16027, "Firmware version verify failed. Reload %s firmware."},
      {16028, "%s Bootstrap Loader did not echo \"%s\"\r\nRemove power and retry firmware load"},
      {16029, "Line %u, error code 0x%08X: %s"},
      {16030, "Sending %s Firmware"},
      {16031, "Total number of retries was %u"},
      {16032, "Highest number of retries for any block was %u"},
      {16033, "%s firmware load is complete"},
      {16034, "Click \"Close\" to close this window"},
      {16035, "Error code 0x%08X: %s"},
      {16036, "Are you sure you wish to close the Utility while sending firmware?"},
      {16037, "Critical Operation in Progress"},
      {16038, "The %s is left in its bootstrap loader: send the firmware again to finish the update"},
      {16040, "Cancel"},
  };
  return table;
}

}  // namespace

const QString& ModelName() {
  static const QString name = QStringLiteral("ZU6400");
  return name;
}

QString LoadString(unsigned id) {
  const auto it = Table().find(id);
  return it == Table().end() ? QString() : QString::fromUtf8(it->second);
}
