#include "base/FailureText.h"

#include <QCoreApplication>
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
    {"CreateFile", QT_TRANSLATE_NOOP("FailureText", "Could not open \"%s\"")},
    {"ReadFile", QT_TRANSLATE_NOOP("FailureText", "Could not read from \"%s\"")},
    {"WriteFile", QT_TRANSLATE_NOOP("FailureText", "Could not write to \"%s\"")},
    {"GetFileSize", QT_TRANSLATE_NOOP("FailureText", "Could not find the size of \"%s\"")},
    {"SetCommState", QT_TRANSLATE_NOOP("FailureText", "Could not set the line settings of \"%s\"")},
    {"PurgeComm", QT_TRANSLATE_NOOP("FailureText", "Could not clear what was received on \"%s\"")},
};

QString Phrase(const char* call, const QString& subject) {
  for (const CallPhrase& p : kPhrases)
    if (std::strcmp(p.call, call) == 0) return Format(QCoreApplication::translate("FailureText", p.phrase), subject);
  return Format(QCoreApplication::translate("FailureText", "%s failed on \"%s\""), QString::fromLatin1(call), subject);
}
}  // namespace

QString FailureText(const char* call, const QString& subject, ResultCode code) {
  return Phrase(call, subject) + QStringLiteral("\r\n") +
         Format(QCoreApplication::translate("FailureText", "Error 0x%08X: %s"), code, ErrorText(code));
}
