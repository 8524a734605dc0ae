#pragma once
// What the fuzzers feed each input to. The same functions replay the seed
// corpora in every build, so a crash found once stays tested.

#include <cstddef>
#include <cstdint>

// Reads the bytes as a configuration file, with and without a known tuner
// serial number.
void FuzzConfigFile(const std::uint8_t* data, std::size_t size);
// Reads the bytes as an Intel HEX firmware file and works out what a load
// would send.
void FuzzHexFile(const std::uint8_t* data, std::size_t size);
// Reads the bytes as an FTP server's directory listing.
void FuzzFtpListing(const std::uint8_t* data, std::size_t size);
