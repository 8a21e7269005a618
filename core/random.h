#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace velmora {

// The game's one source of chance: uniform numbers in [0, 1). Tests replace it with a script.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual double next() = 0;
};

// The game's own generator, seeded once at start-up: the 64-bit Mersenne Twister
// (std::mt19937_64), made here so that a whole state's worth of draws is produced in two
// plain loops at a time. The draws, and their order, are the standard engine's.
class SeededRandom final : public RandomSource {
 public:
  explicit SeededRandom(std::uint64_t seed) { reseed(seed); }
  double next() override {
    if (taken_ == kStateSize) refill();
    // 53 random bits give every double in [0, 1) a multiple of 2^-53; never 1.0.
    return static_cast<double>(static_cast<std::int64_t>(block_[taken_++])) * 0x1.0p-53;
  }
  void reseed(std::uint64_t seed);

 private:
  static constexpr std::size_t kStateSize = 312;
  void refill();
  std::array<std::uint64_t, kStateSize> state_{};
  std::array<std::uint64_t, kStateSize> block_{};  // tempered, 53 bits each
  std::size_t taken_ = kStateSize;
};

// Seed from the time of day, so that every game differs.
std::uint64_t seedFromTimeOfDay();

// floor(r * n) + k with a fresh r: the usual way a draw becomes an integer.
inline std::int32_t drawInt(RandomSource& rng, int n, int k) {
  return static_cast<std::int32_t>(rng.next() * n) + k;
}

// r = floor(random * 99) + 1, the 1..99 draw most decisions use.
inline std::int32_t draw99(RandomSource& rng) { return drawInt(rng, 99, 1); }

}  // namespace velmora
