#include "base/FailureText.h"

#include <QCoreApplication>

#include "base/TextFormat.h"

namespace {
const char* Phrase(IoOperation operation) {
  switch (operation) {
    case IoOperation::Open: return QT_TRANSLATE_NOOP("FailureText", "Could not open \"%s\"");
    case IoOperation::Read: return QT_TRANSLATE_NOOP("FailureText", "Could not read from \"%s\"");
    case IoOperation::Write: return QT_TRANSLATE_NOOP("FailureText", "Could not write to \"%s\"");
    case IoOperation::SetLineSettings:
      return QT_TRANSLATE_NOOP("FailureText", "Could not set the line settings of \"%s\"");
    case IoOperation::ClearReceived:
      return QT_TRANSLATE_NOOP("FailureText", "Could not clear what was received on \"%s\"");
  }
  Q_UNREACHABLE();
}
}  // namespace

QString FailureText(IoOperation operation, const QString& subject, ResultCode code) {
  return Format(QCoreApplication::translate("FailureText", Phrase(operation)), subject) + QStringLiteral("\r\n") +
         Format(QCoreApplication::translate("FailureText", "Error 0x%08X: %s"), code, ErrorText(code));
}
