#pragma once

#include <array>
#include <cstdint>

namespace velmora {

// Per tactic 1..5 (row 0 unused): the share of the enemy's troops killed per round, the morale
// bonus against each enemy tactic 1..5, and the share of the committed troops charged in gold
// and food after the battle.
struct TacticRow {
  std::int32_t killPercent = 0;
  std::array<std::int32_t, 6> bonus{};  // 1..5
  std::int32_t supplyPercent = 0;
};
using TacticTable = std::array<TacticRow, 6>;

// Morale damage by die 1..6 (rows) and force-ratio band 1..8 (columns); index 0 unused.
using CombatResultsTable = std::array<std::array<std::int32_t, 9>, 7>;

inline constexpr TacticTable standardTacticTable() {
  TacticTable t{};
  t[1] = {20, {0, 0, 0, 0, 0, 0}, 30};
  t[2] = {30, {0, 5, 5, 5, 5, 0}, 70};
  t[3] = {10, {0, 10, 10, 10, 10, 0}, 50};
  t[4] = {20, {0, 5, 10, 5, 0, 0}, 70};
  t[5] = {10, {0, 0, 0, 0, 0, 0}, 0};
  return t;
}

inline constexpr CombatResultsTable standardCombatResultsTable() {
  CombatResultsTable t{};
  for (int die = 1; die <= 6; ++die) {
    for (int band = 1; band <= 8; ++band) t[die][band] = 5;
  }
  // Each band lists its values from die 1 down; the dice it does not list keep the 5.
  constexpr std::array<std::array<std::int32_t, 6>, 9> columns{{
      {},
      {20},
      {20, 10},
      {20, 20, 10},
      {30, 20, 10},
      {30, 30, 20, 20, 10},
      {40, 30, 30, 20, 20, 10},
      {40, 40, 30, 30, 20, 20},
      {50, 40, 40, 30, 20, 10},
  }};
  constexpr std::array<int, 9> lengths{0, 1, 2, 3, 3, 5, 6, 6, 6};
  for (int band = 1; band <= 8; ++band) {
    for (int die = 1; die <= lengths[band]; ++die) t[die][band] = columns[band][die - 1];
  }
  return t;
}

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

  // Rebuilt at every battle start; filled already so that a tactic can be weighed (and the
  // window's grid drawn) before the first battle of a run.
  TacticTable tactics = standardTacticTable();
  CombatResultsTable results = standardCombatResultsTable();
};

}  // namespace velmora
