#include "core/random.h"

#include <chrono>

namespace velmora {

namespace {

// The parameters of std::mt19937_64.
constexpr std::size_t kShift = 156;
constexpr std::uint64_t kMatrix = 0xB5026F5AA96619E9ull;
constexpr std::uint64_t kUpper = 0xFFFFFFFF80000000ull;
constexpr std::uint64_t kLower = 0x7FFFFFFFull;

std::uint64_t twisted(std::uint64_t upper, std::uint64_t lower, std::uint64_t far) {
  const std::uint64_t x = (upper & kUpper) | (lower & kLower);
  return far ^ (x >> 1) ^ (-(x & 1) & kMatrix);
}

}  // namespace

void SeededRandom::reseed(std::uint64_t seed) {
  state_[0] = seed;
  for (std::size_t i = 1; i < kStateSize; ++i) {
    state_[i] = 6364136223846793005ull * (state_[i - 1] ^ (state_[i - 1] >> 62)) + i;
  }
  taken_ = kStateSize;
}

void SeededRandom::refill() {
  auto& mt = state_;
  for (std::size_t i = 0; i < kStateSize - kShift; ++i) {
    mt[i] = twisted(mt[i], mt[i + 1], mt[i + kShift]);
  }
  for (std::size_t i = kStateSize - kShift; i < kStateSize - 1; ++i) {
    mt[i] = twisted(mt[i], mt[i + 1], mt[i + kShift - kStateSize]);
  }
  mt[kStateSize - 1] = twisted(mt[kStateSize - 1], mt[0], mt[kShift - 1]);
  // Integers only, so that the loop runs two numbers at a time; next() makes the double.
  for (std::size_t i = 0; i < kStateSize; ++i) {
    std::uint64_t x = mt[i];
    x ^= (x >> 29) & 0x5555555555555555ull;
    x ^= (x << 17) & 0x71D67FFFEDA60000ull;
    x ^= (x << 37) & 0xFFF7EEE000000000ull;
    x ^= x >> 43;
    block_[i] = x >> 11;
  }
  taken_ = 0;
}

std::uint64_t seedFromTimeOfDay() {
  auto now = std::chrono::system_clock::now().time_since_epoch();
  return static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

}  // namespace velmora
