#pragma once

#include <array>
#include <cstdint>

namespace velmora {

// The working state of one battle, from the declaration of an attack to its settlement.
struct BattleState {
  std::int32_t attacker = 0;
  std::int32_t target = 0;
  std::int32_t fieldTroops = 0;
  std::int32_t attackerMorale = 0;
  std::int32_t defenderMorale = 0;
  std::int32_t round = 0;
  std::int32_t attackerTactic = 0;
  std::int32_t defenderTactic = 0;
  std::int32_t attackerHeldBack = 0;
  std::int32_t defenderHeldBack = 0;
  std::int32_t attackerCommitted = 0;
  std::int32_t defenderStartTroops = 0;
  bool battleOver = true;
};

}  // namespace velmora
