// libFuzzer target: the Intel HEX firmware reader.
#include "FuzzEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzHexFile(data, size);
  return 0;
}
