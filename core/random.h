#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <random>

namespace velmora {

// The game's one source of chance: uniform numbers in [0, 1). Tests replace it with a script.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual double next() = 0;
};

// The game's own generator, seeded once at start-up. It turns a whole state's worth of the
// engine's numbers into draws at a time: the same draws in the same order, made in one loop.
class SeededRandom final : public RandomSource {
 public:
  explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
  double next() override {
    if (taken_ == block_.size()) refill();
    return block_[taken_++];
  }
  void reseed(std::uint64_t seed) {
    engine_.seed(seed);
    taken_ = block_.size();
  }

 private:
  void refill();
  std::mt19937_64 engine_;
  std::array<double, std::mt19937_64::state_size> block_{};
  std::size_t taken_ = block_.size();
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
