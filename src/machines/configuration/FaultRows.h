#pragma once
// The tuner's fault log as the rows a person reads: newest first, each with
// its record number, time on, fault text and the data that goes with it.

#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

inline constexpr std::size_t kFaultRecordSize = 16;
inline constexpr std::size_t kFaultRecordCount = 256;
using FaultTable = std::array<std::uint8_t, kFaultRecordSize * kFaultRecordCount>;

struct FaultRow {
  unsigned index = 0;
  QString timeOn;  // "" for no time
  QString fault;
  QString data;    // "" when the record has none to show
};

// One record (16 bytes) as its row.
FaultRow FormatFaultRow(unsigned index, std::span<const std::uint8_t, kFaultRecordSize> record);
// Every written record, walking the ring backwards from the newest.
std::vector<FaultRow> FaultRows(std::uint8_t newest, const FaultTable& table);
// The rows as CSV lines (CR LF), a header of the column names first.
QString FaultRowsCsv(const std::vector<FaultRow>& rows);
