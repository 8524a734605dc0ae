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
      {16080, "Waiting %u seconds for reset"},
      {13512, "Save Configuration"},
      {13520, "Save configuration was cancelled"},
      {13521, "Configuration was saved"},
      {13522, "Failed to save configuration"},
      {13523, "Save Configuration Error"},
      {13524, "%s Configuration File (*.%s)|*.%s|All Files (*.*)|*.*|"},
      {13510, "Restore Configuration"},
      {13511, "Restoring configuration"},
      {13530, "Configuration was restored"},
      {13531, "Restore configuration was cancelled"},
      {13532, "Failed to restore configuration"},
      {13533, "Restore Configuration Error"},
      {13534, "Are you sure you wish to interrupt configuration restore?"},
      {13535, "Critical Operation in Progress"},
      {13536, "Restore was cancelled. Turn power off and back on, then restore configuration."},
      {13537, "Serial Number Mismatch"},
      {13538, "The Serial Number within the restore file\ndoes not match the Serial Number of your ZU6400.\n\nRestore cannot continue."},
      {13539, "The Serial Number within the restore file\ndoes not match the Serial Number of your ZU6400.\n\nDo you want to restore this configuration anyway?"},
      {13802, "Fault Table (Newest Entry at Top)"},
      {13804, "Fault Table Error"},
      {13810, "Index"},
      {13811, "  Time On   "},
      {13812, "Fault Code    "},
      {13813, "Variable Data"},
      {13820, "00 - Power On"},
      {13821, "01 - No match"},
      {13822, "02 - VFWD too high for SWR"},
      {13823, "03 - VFWD above relay hotswitch limit"},
      {13824, "04 - SWR above Amp Key Interrupt SWR"},
      {13825, "81 - No match detail"},
      {13826, "%02X Unrecognized"},
      {13827, "%u times"},
      {13828, "F %u VFWD %u VRFL %u SWR %u.%02u SWRB %u.%02u"},
      {13829, "STEPS %u AN %u BYP%c SIDE%c C%02X L%02X"},
      {13502, "Restore a previously saved configuration"},
      {13506, "Save configuration in a computer file"},
      {13844, "Return every setting to its factory default and erase all ATU memories"},
      {19002, "View or change configuration"},
      {19300, "ZU6400 Configuration"},
      {19302, "Now Optimized for ZP5100"},
      {19304, "Optimize for ZP5100"},
      {13840, "Reset Configuration to Factory Defaults"},
      {13846, "Reset Configuration Error"},
      {13862, "Erase Antenna Tuner Memories"},
      {13867, "Erasing Band %s Antenna %u"},
      {13868, "ATU memory erased Band %s Antenna %u"},
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
