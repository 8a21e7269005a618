#pragma once

#include <array>

// The terms the game state is made of, kept apart from the rest of the game's terms so that a
// header which needs only these does not rebuild with the others.

namespace velmora {

// Provinces and houses are addressed by number 1..10; slot 0 of every table is unused so that
// the numbers can index the tables directly.
inline constexpr int kProvinceCount = 10;
inline constexpr int kNationCount = 10;

template <typename T>
using ByNumber = std::array<T, kProvinceCount + 1>;

// The ten orders a province can receive in a turn; None while no order has been chosen.
enum class CommandKind {
  None = 0,
  Move = 1,
  Attack = 2,
  RaiseTroops = 3,
  RaiseArms = 4,
  RaisePower = 5,
  BuildTown = 6,
  BuildCastle = 7,
  SellFood = 8,
  BuyFood = 9,
  DoNothing = 10,
};

inline constexpr int kTacticCount = 5;

}  // namespace velmora
