#pragma once
// The capacitor and inductor relays: bit i of a relay byte switches in one
// part of weight i. A value is made greedily from the largest part down.

#include <array>
#include <cstdint>

using RelayWeights = std::array<unsigned, 8>;

inline constexpr RelayWeights kCapacitorWeights = {8, 22, 39, 82, 180, 330, 680, 1360};     // pF
inline constexpr RelayWeights kInductorWeights = {50, 110, 230, 480, 1000, 2100, 4400, 9000};  // nH

// The sum of the weights of the set bits.
unsigned RelayValue(std::uint8_t relays, const RelayWeights& weights);

// The relay byte for a value; what is left below the smallest part is dropped.
std::uint8_t RelayByte(unsigned value, const RelayWeights& weights);

// One arrow step from a position through the values the relays can make:
// up to the first larger value, down to the first smaller one.
unsigned StepRelayPosition(unsigned position, int step, const RelayWeights& weights);
