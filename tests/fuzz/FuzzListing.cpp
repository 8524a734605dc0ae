// libFuzzer target: the FTP directory listing parser.
#include "FuzzEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzFtpListing(data, size);
  return 0;
}
