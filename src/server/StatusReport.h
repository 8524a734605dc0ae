#pragma once
// The status object the API hands out: the live values as "zu6400ctl status
// --json" prints them, plus the link, the port, the firmware, the serial
// number and the time of the reading.

#include <QDateTime>
#include <QJsonObject>

#include "machines/operate/OperateValues.h"
#include "machines/operate/ReadingsHistory.h"
#include "model/ModelBase.h"

inline constexpr const char* kAnotherDevice = "another device";

// "ok" while the tuner answers (asleep included), "loader" while it waits in
// its loader, kAnotherDevice while a device that is no ZU6400 answers, "lost"
// otherwise; lastResult is how the latest cycle ended.
QString LinkText(const CModelBase& model, ResultCode lastResult);

// The values appear once a cycle has read them (readingTime valid); with
// another device, "device_reply" is what it answered to "I;".
QJsonObject StatusObject(const CModelBase& model, ResultCode lastResult, const COperateValues& values,
                         const QDateTime& readingTime);

// The readings of the last minutes before now, oldest first, as the
// dashboard's chart draws them: {"now": ..., "points": [{"time": ..., "swr":
// 1.15, "swr_bypass": ..., "vfwd": ..., "vrfl": ...}, ...]}, null where a
// cycle had no such reading.
QJsonObject HistoryObject(const CReadingsHistory& history, const QDateTime& now, int minutes);
