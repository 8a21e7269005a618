#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// The house a province's lord was last found to be. houseOf checks it against the names before
// trusting it, so whoever changes a lord need not keep it; it is no part of the state, and two
// provinces that differ only in it are equal.
struct HouseGuess {
  mutable std::int32_t house = 0;
  bool operator==(const HouseGuess&) const { return true; }
};

struct Province {
  std::int32_t number = 0;
  std::string name;
  std::string lord;
  std::int32_t power = 0;
  std::int32_t town = 0;
  std::int32_t castle = 0;
  std::int32_t food = 0;
  std::int32_t gold = 0;
  std::int32_t troops = 0;
  std::int32_t arms = 0;
  std::int32_t morale = 0;
  HouseGuess lordHouse;

  bool operator==(const Province&) const = default;
};

}  // namespace velmora
