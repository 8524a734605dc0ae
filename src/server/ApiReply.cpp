#include "server/ApiReply.h"

ApiReply ErrorReply(HttpStatus status, ResultCode code, const QString& text, const QString& field) {
  QJsonObject body{{"error", QString::asprintf("0x%08X", code)}, {"text", text}};
  if (!field.isEmpty()) body.insert(QStringLiteral("field"), field);
  return {status, body};
}

ApiReply TunerErrorReply(ResultCode code) {
  // A tuner in its loader or one without the feature is no gateway fault.
  const HttpStatus status = code == Result::NotSupported      ? HttpStatus::Conflict
                            : code == Result::DevicePoweredOff ? HttpStatus::Conflict
                                                               : HttpStatus::BadGateway;
  return ErrorReply(status, code, ErrorText(code));
}
