#include "base/FailureText.h"

#include <cstring>

#include "base/TextFormat.h"

namespace {
struct CallPhrase {
  const char* call;
  const char* phrase;
};

// The calls are named after the system interface the codes come from; a
// person needs to know what the program was trying to do.
constexpr CallPhrase kPhrases[] = {
    {"CreateFile", "Could not open"},
    {"ReadFile", "Could not read from"},
    {"WriteFile", "Could not write to"},
    {"GetFileSize", "Could not find the size of"},
    {"SetCommState", "Could not set the line settings of"},
    {"PurgeComm", "Could not clear what was received on"},
};

QString Phrase(const char* call) {
  for (const CallPhrase& p : kPhrases)
    if (std::strcmp(p.call, call) == 0) return QLatin1String(p.phrase);
  return QLatin1String(call) + QStringLiteral(" failed on");
}
}  // namespace

QString FailureText(const char* call, const QString& subject, ResultCode code) {
  return Format("%s \"%s\"\r\nError 0x%08X: %s", Phrase(call), subject, code, ErrorText(code));
}
