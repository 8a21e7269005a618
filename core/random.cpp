#include "core/random.h"

#include <chrono>

namespace velmora {

double SeededRandom::next() {
  // 53 random bits give every double in [0, 1) a multiple of 2^-53; never 1.0.
  return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

std::uint64_t seedFromTimeOfDay() {
  auto now = std::chrono::system_clock::now().time_since_epoch();
  return static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

}  // namespace velmora
