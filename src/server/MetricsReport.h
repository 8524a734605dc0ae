#pragma once
// GET /metrics: the status in the Prometheus text exposition format, in base
// units, each series with its HELP and TYPE. A reading the status lacks is
// left out rather than shown as 0.

#include <QByteArray>
#include <QJsonObject>
#include <cstdint>

inline constexpr const char* kMetricsContentType = "text/plain; version=0.0.4; charset=utf-8";

struct MetricsCounters {
  std::uint64_t cyclesOk = 0;
  std::uint64_t cyclesFailed = 0;
  std::uint64_t tunes = 0;  // Tune commands sent through this server
};

// status is the object /api/status hands out (its "alarm" null when no
// alarm is set).
QByteArray MetricsText(const QJsonObject& status, const MetricsCounters& counters);
