#include "base/StringTable.h"

#include <QCoreApplication>
#include <map>

namespace {

struct Entry {
  const char* text;
  bool counted;
};

const std::map<unsigned, Entry>& Table() {
#define ZU_TEXT(name, number, text) {number, {text, false}},
#define ZU_COUNTED(name, number, text) {number, {text, true}},
  static const std::map<unsigned, Entry> table = {ZU_STRING_TABLE(ZU_TEXT, ZU_COUNTED)};
#undef ZU_TEXT
#undef ZU_COUNTED
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
  return QCoreApplication::translate("StringTable", it->second.text, nullptr, it->second.counted ? count : -1);
}
