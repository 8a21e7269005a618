#include "core/random.h"

#include <chrono>

namespace velmora {

void SeededRandom::refill() {
  // 53 random bits give every double in [0, 1) a multiple of 2^-53; never 1.0.
  for (double& draw : block_) draw = static_cast<double>(engine_() >> 11) * 0x1.0p-53;
  taken_ = 0;
}

std::uint64_t seedFromTimeOfDay() {
  auto now = std::chrono::system_clock::now().time_since_epoch();
  return static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

}  // namespace velmora
