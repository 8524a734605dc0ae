#include "engine/StringTable.h"

#include <map>

namespace {

const std::map<unsigned, const char*>& Table() {
  static const std::map<unsigned, const char*> table = {
      {10056, "%s failed on \"%s\"\r\nError 0x%08X: %s"},
      {14520, "Serial port \"%s\" access denied; may be in use by another program or USB cable may have been removed."},
      {14522, "Unexpected Device"},
      {14524, "Connected device does not appear to be an Corvanta %s"},
      {14526, "COM Port Error"},
      {14542, "Attempting to contact %s on %s at %u bit/s"},
      {14546, "Serial port %s is open"},
      {14550, "Unable to open serial port \"%s\". Error 0x%08X: %s"},
      {14552, "Opening serial port %s"},
      {14553, "Connected to %s on %s at %u bit/s"},
      {57345, "Ready"},
  };
  return table;
}

}  // namespace

QString LoadString(unsigned id) {
  const auto it = Table().find(id);
  return it == Table().end() ? QString() : QString::fromUtf8(it->second);
}
