#pragma once

#include <cstdint>
#include <random>

namespace velmora {

// The game's one source of chance: uniform numbers in [0, 1). Tests replace it with a script.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual double next() = 0;
};

// The game's own generator, seeded once at start-up.
class SeededRandom : public RandomSource {
 public:
  explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
  double next() override;
  void reseed(std::uint64_t seed) { engine_.seed(seed); }

 private:
  std::mt19937_64 engine_;
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
