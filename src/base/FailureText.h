#pragma once
// A failed system call in the words of this program: "Could not open
// "/dev/ttyUSB0"" with the result code and its text on a second line.

#include <QString>

#include "base/ResultCodes.h"

QString FailureText(const char* call, const QString& subject, ResultCode code);
