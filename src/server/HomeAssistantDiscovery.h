#pragma once
// The MQTT topics of one tuner and the retained configurations by which Home
// Assistant finds it by itself: sensors for SWR, bypass SWR, frequency and
// band, the power switch, mode and antenna selects, Tune and Memorize
// buttons and the alarm's binary sensor, each with the device and the
// availability topic.

#include <QByteArray>
#include <QString>
#include <vector>

// "zu6400/<serial>/<leaf>": state, availability, set, tune, memorize, result.
QString TunerTopic(unsigned serial, const char* leaf);

struct DiscoveryMessage {
  QString topic;  // homeassistant/<component>/zu6400_<serial>/<object>/config
  QByteArray payload;
};

std::vector<DiscoveryMessage> DiscoveryMessages(unsigned serial, const QString& firmware);
