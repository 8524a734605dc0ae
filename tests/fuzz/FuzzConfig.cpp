// libFuzzer target: the configuration file reader.
#include "FuzzEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzConfigFile(data, size);
  return 0;
}
