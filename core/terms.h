#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/state_terms.h"

namespace velmora {

// The five tactics of a battle by their numbers 1..5. A house's favourite tactic is kept as
// the tactic's name, as the save file stores it.
enum class TacticKind {
  Normal = 1,    // 通常
  Charge = 2,    // 突撃
  Siege = 3,     // 包囲
  Shooting = 4,  // 射撃
  Defence = 5,   // 防御
};

// The tactics' names in number order, from 1.
inline constexpr std::array<std::string_view, kTacticCount> kTacticNames{"通常", "突撃", "包囲",
                                                                         "射撃", "防御"};

constexpr int tacticNumber(TacticKind t) { return static_cast<int>(t); }

// The name of tactic number 1..5; empty for any other number.
const std::string& tacticName(int tactic);

}  // namespace velmora
