#include "server/MetricsReport.h"

#include <optional>

namespace {
class CExposition {
 public:
  // A family's HELP and TYPE, then its samples.
  void Family(const char* name, const char* type, const char* help) {
    m_text += QByteArray("# HELP ") + name + ' ' + help + "\n# TYPE " + name + ' ' + type + '\n';
  }
  void Sample(const char* name, double value, const QByteArray& labels = {}) {
    m_text += name + (labels.isEmpty() ? QByteArray() : '{' + labels + '}') + ' ' + QByteArray::number(value, 'g', 12) + '\n';
  }
  // A gauge of one sample, left out whole when there is no value.
  void Gauge(const char* name, const char* help, std::optional<double> value) {
    if (!value) return;
    Family(name, "gauge", help);
    Sample(name, *value);
  }
  const QByteArray& Text() const { return m_text; }

 private:
  QByteArray m_text;
};

std::optional<double> Number(const QJsonValue& value, double scale = 1) {
  if (!value.isDouble()) return std::nullopt;
  return value.toDouble() * scale;
}

// The tuner reports an SWR of 0 when it has no carrier to measure.
std::optional<double> Swr(const QJsonValue& value) {
  const std::optional<double> swr = Number(value);
  return swr && *swr >= 1 ? swr : std::nullopt;
}

std::optional<double> Band(const QJsonValue& value) {
  bool ok = false;
  const double metres = value.toString().toDouble(&ok);
  return ok ? std::optional(metres) : std::nullopt;
}

// A label value with its backslashes, quotes and line breaks escaped.
QByteArray LabelValue(const QJsonValue& value) {
  QByteArray text = value.isDouble() ? QByteArray::number(value.toInteger()) : value.toString().toUtf8();
  text.replace('\\', "\\\\").replace('"', "\\\"").replace('\n', "\\n");
  return '"' + text + '"';
}
}  // namespace

QByteArray MetricsText(const QJsonObject& status, const MetricsCounters& counters) {
  CExposition out;
  out.Gauge("zu6400_up", "Whether the latest poll cycle reached the tuner (1) or not (0).",
            status[QLatin1String("link")].toString() == u"ok" ? 1 : 0);
  out.Gauge("zu6400_swr", "Standing wave ratio at the transmitter side.", Swr(status[QLatin1String("swr")]));
  out.Gauge("zu6400_swr_bypass", "Standing wave ratio the antenna shows without the tuner.",
            Swr(status[QLatin1String("swr_bypass")]));
  out.Gauge("zu6400_frequency_hertz", "Frequency on the tuner's input.", Number(status[QLatin1String("frequency")], 1e3));
  out.Gauge("zu6400_capacitance_farads", "Capacitance the relays put in.",
            Number(status[QLatin1String("c")][QLatin1String("pf")], 1e-12));
  out.Gauge("zu6400_inductance_henries", "Inductance the relays put in.",
            Number(status[QLatin1String("l")][QLatin1String("nh")], 1e-9));
  out.Gauge("zu6400_forward_reading", "The tuner's forward detector reading (VFWD, unitless).",
            Number(status[QLatin1String("vfwd")]));
  out.Gauge("zu6400_reflected_reading", "The tuner's reflected detector reading (VRFL, unitless).",
            Number(status[QLatin1String("vrfl")]));
  out.Gauge("zu6400_band", "The band the tuner is on, in metres (160 to 6).", Band(status[QLatin1String("band")]));
  out.Family("zu6400_poll_cycles_total", "counter", "Poll cycles by how they ended.");
  out.Sample("zu6400_poll_cycles_total", double(counters.cyclesOk), "result=\"ok\"");
  out.Sample("zu6400_poll_cycles_total", double(counters.cyclesFailed), "result=\"failed\"");
  out.Family("zu6400_tunes_total", "counter", "Tune commands sent through this server.");
  out.Sample("zu6400_tunes_total", double(counters.tunes));
  const QJsonValue alarm = status[QLatin1String("alarm")];
  out.Gauge("zu6400_alarm", "Whether the SWR alarm is raised (1) or not (0).",
            alarm.isBool() ? std::optional(alarm.toBool() ? 1.0 : 0.0) : std::nullopt);
  const QJsonValue firmware = status[QLatin1String("firmware")], serial = status[QLatin1String("serial")];
  if (!firmware.toString().isEmpty() && serial.isDouble()) {
    out.Family("zu6400_tuner_info", "gauge", "The tuner's firmware version and serial number.");
    out.Sample("zu6400_tuner_info", 1, "firmware=" + LabelValue(firmware) + ",serial=" + LabelValue(serial));
  }
  return out.Text();
}
