#include "core/dice.h"
#include "core/random.h"

namespace velmora {

std::int32_t rollDie(RandomSource& rng) { return drawInt(rng, 6, 1); }

std::int32_t randomUpTo(RandomSource& rng, int n) { return drawInt(rng, n, 1); }

bool percentChance(RandomSource& rng, int a) { return a >= draw99(rng); }

}  // namespace velmora
