#pragma once
// What the API answers: an HTTP status and a JSON object. Errors carry the
// result code as "0x%08X" and its text, and the field at fault when one is.

#include <QHttpServerResponder>
#include <QJsonObject>

#include "base/ResultCodes.h"

using HttpStatus = QHttpServerResponder::StatusCode;

struct ApiReply {
  HttpStatus status = HttpStatus::Ok;
  QJsonObject body;
};

ApiReply ErrorReply(HttpStatus status, ResultCode code, const QString& text, const QString& field = {});
// A failure the tuner or the link caused, with the result code's own text.
ApiReply TunerErrorReply(ResultCode code);
