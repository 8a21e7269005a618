#pragma once

#include <cstdint>

namespace velmora {

class RandomSource;

// Random helpers of the battles and the computer houses.
std::int32_t rollDie(RandomSource& rng);            // 1..6
std::int32_t randomUpTo(RandomSource& rng, int n);  // 1..n
bool percentChance(RandomSource& rng, int a);       // true with probability a/99

}  // namespace velmora
