#pragma once
// A failed operation on a file or port in the words of this program: "Could
// not open "/dev/ttyUSB0"" with the result code and its text on a second line.

#include <QString>

#include "base/ResultCodes.h"

// What the program was doing with the file or port when it failed.
enum class IoOperation { Open, Read, Write, SetLineSettings, ClearReceived };

QString FailureText(IoOperation operation, const QString& subject, ResultCode code);
