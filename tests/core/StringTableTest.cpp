// The string table: every name reaches its own words.

#include <gtest/gtest.h>

#include "base/StringTable.h"

namespace {

struct Row {
  const char* name;
  unsigned id;
  const char* text;
};

#define ZU_ROW(name, number, text) {#name, Str::name, text},
constexpr Row kRows[] = {ZU_STRING_TABLE(ZU_ROW, ZU_ROW)};
#undef ZU_ROW

// A number given to two names would hand one of them the other's text.
TEST(StringTable, EveryNameLoadsItsOwnNonEmptyText) {
  for (const Row& row : kRows) {
    EXPECT_STRNE(row.text, "") << row.name;
    EXPECT_EQ(LoadString(row.id), QString::fromUtf8(row.text)) << row.name;
  }
}

}  // namespace
