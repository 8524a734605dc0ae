#include "machines/operate/RelayValues.h"

unsigned RelayValue(std::uint8_t relays, const RelayWeights& weights) {
  unsigned sum = 0;
  for (unsigned bit = 0; bit < weights.size(); ++bit)
    if (relays & (1u << bit)) sum += weights[bit];
  return sum;
}

std::uint8_t RelayByte(unsigned value, const RelayWeights& weights) {
  std::uint8_t relays = 0;
  for (int bit = static_cast<int>(weights.size()) - 1; bit >= 0; --bit) {
    if (value < weights[bit]) continue;
    relays |= static_cast<std::uint8_t>(1u << bit);
    value -= weights[bit];
  }
  return relays;
}

// The weights are not in step with the byte (0x1f is 331 pF, 0x20 only 330),
// so the search walks bytes until the value passes the position.
unsigned StepRelayPosition(unsigned position, int step, const RelayWeights& weights) {
  unsigned relays = RelayByte(position, weights);
  if (step > 0) {
    if (relays == 0xFF) return position;
    unsigned value = position;
    while (relays < 0xFF && (value = RelayValue(static_cast<std::uint8_t>(++relays), weights)) <= position) {}
    return value;
  }
  if (step < 0) {
    if (relays == 0) return position;
    unsigned value = position;
    while (relays > 0 && (value = RelayValue(static_cast<std::uint8_t>(--relays), weights)) >= position) {}
    return value;
  }
  return position;
}
