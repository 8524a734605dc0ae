#include "server/HomeAssistantDiscovery.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
// An entity: its component, object id, name and what differs from a plain
// reading of the state.
struct Entity {
  const char* component;
  const char* object;
  const char* name;
  QJsonObject fields;
};

QJsonObject Reading(const char* key, const char* unit = nullptr) {
  QJsonObject fields{{"value_template", QStringLiteral("{{ value_json.%1 }}").arg(QLatin1String(key))},
                     {"state_class", "measurement"}};
  if (unit != nullptr) fields.insert(QStringLiteral("unit_of_measurement"), QLatin1String(unit));
  return fields;
}

std::vector<Entity> Entities(unsigned serial) {
  const QString set = TunerTopic(serial, "set");
  QJsonObject frequency = Reading("frequency", "kHz");
  frequency.insert(QStringLiteral("device_class"), QStringLiteral("frequency"));
  return {
      {"sensor", "swr", "SWR", Reading("swr")},
      {"sensor", "swr_bypass", "Bypass SWR", Reading("swr_bypass")},
      {"sensor", "frequency", "Frequency", frequency},
      {"sensor", "band", "Band", {{"value_template", "{{ value_json.band }}"}, {"unit_of_measurement", "m"}}},
      {"switch", "power", "Power",
       {{"command_topic", set},
        {"payload_on", R"({"power": "on"})"},
        {"payload_off", R"({"power": "off"})"},
        {"value_template", "{{ value_json.power }}"},
        {"state_on", 1},
        {"state_off", 0}}},
      {"select", "mode", "Mode",
       {{"command_topic", set},
        {"options", QJsonArray{"auto", "manual", "bypass"}},
        {"command_template", R"({"mode": "{{ value }}"})"},
        {"value_template", "{{ {'A': 'auto', 'M': 'manual', 'B': 'bypass'}[value_json.mode] | default('') }}"}}},
      {"select", "antenna", "Antenna",
       {{"command_topic", set},
        {"options", QJsonArray{"1", "2", "3"}},
        {"command_template", R"({"antenna": {{ value }}})"},
        {"value_template", "{{ value_json.antenna }}"}}},
      {"button", "tune", "Tune", {{"command_topic", TunerTopic(serial, "tune")}, {"payload_press", "tune"}}},
      {"button", "memorize", "Memorize",
       {{"command_topic", TunerTopic(serial, "memorize")}, {"payload_press", "memorize"}}},
      {"binary_sensor", "alarm", "SWR alarm",
       {{"device_class", "problem"}, {"value_template", "{{ 'ON' if value_json.alarm else 'OFF' }}"}}},
  };
}
}  // namespace

QString TunerTopic(unsigned serial, const char* leaf) {
  return QStringLiteral("zu6400/%1/%2").arg(serial).arg(QLatin1String(leaf));
}

std::vector<DiscoveryMessage> DiscoveryMessages(unsigned serial, const QString& firmware) {
  const QString id = QStringLiteral("zu6400_%1").arg(serial);
  const QJsonObject device{{"identifiers", QJsonArray{id}},
                           {"manufacturer", "Corvanta"},
                           {"model", "ZU6400"},
                           {"name", QStringLiteral("ZU6400 %1").arg(serial)},
                           {"sw_version", firmware}};
  std::vector<DiscoveryMessage> messages;
  for (const Entity& entity : Entities(serial)) {
    QJsonObject config = entity.fields;
    config.insert(QStringLiteral("name"), QLatin1String(entity.name));
    config.insert(QStringLiteral("unique_id"), id + u'_' + QLatin1String(entity.object));
    config.insert(QStringLiteral("object_id"), id + u'_' + QLatin1String(entity.object));
    if (QLatin1String(entity.component) != QLatin1String("button"))
      config.insert(QStringLiteral("state_topic"), TunerTopic(serial, "state"));
    config.insert(QStringLiteral("availability_topic"), TunerTopic(serial, "availability"));
    config.insert(QStringLiteral("device"), device);
    messages.push_back({QStringLiteral("homeassistant/%1/%2/%3/config")
                            .arg(QLatin1String(entity.component), id, QLatin1String(entity.object)),
                        QJsonDocument(config).toJson(QJsonDocument::Compact)});
  }
  return messages;
}
