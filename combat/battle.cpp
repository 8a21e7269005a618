#include "combat/battle.h"

#include <array>
#include <cmath>

#include "combat/outcome.h"
#include "core/dice.h"
#include "core/messages.h"
#include "core/numeric.h"
#include "core/random.h"
#include "core/terms.h"
#include "core/window_port.h"

namespace velmora {

namespace {

bool validTactic(int tactic) { return tactic >= 1 && tactic <= kTacticCount; }

// Belongs to the player for the battle report: the player's house and not handed over.
bool playerOwns(const GameState& s, int p) { return isPlayerProvince(s, p) && !s.delegated[p]; }

const std::string* favouriteOf(const GameState& s, int p) {
  const int house = houseOf(s, p);
  return house == 0 ? nullptr : &s.nations[house].favoriteTactic;
}

std::int32_t startMorale(std::int32_t provinceMorale) {
  return roundHalfEven(50 + provinceMorale / 2.0);
}

void recordBattle(GameState& s, const BattleState& b, bool won) {
  const std::string attackerLord = s.provinces[b.attacker].lord;
  const std::string targetLord = s.provinces[b.target].lord;
  for (int n = 1; n <= kNationCount; ++n) {
    Nation& house = s.nations[n];
    if (sameName(house.name, attackerLord)) {
      countUp(won ? house.wins : house.losses);
      if (validTactic(b.attackerTactic)) countUp(house.tacticUses[b.attackerTactic]);
    }
    if (sameName(house.name, targetLord)) {
      countUp(won ? house.losses : house.wins);
      if (validTactic(b.defenderTactic)) countUp(house.tacticUses[b.defenderTactic]);
    }
  }
}

void reportBattle(Game& g, bool won) {
  const GameState& s = g.state;
  const std::string& attacker = s.provinces[g.battle.attacker].name;
  const char* result = won ? "の勝ちです" : "の負けです";
  if (playerOwns(s, g.battle.attacker)) {
    showBox(g, attacker + result);
  } else if (playerOwns(s, g.battle.target)) {
    showLine2(g, attacker, result);
    showBox(g, attacker + result);
  } else {
    showLine2(g, attacker, result);
  }
}

}  // namespace

std::int32_t tacticTableValue(const Game& g, int tactic, int column) {
  if (!validTactic(tactic) || column < 0 || column > kSupplyColumn) return 0;
  const TacticRow& row = g.battle.tactics[tactic];
  if (column == 0) return row.killPercent;
  if (column == kSupplyColumn) return row.supplyPercent;
  return row.bonus[column];
}

void clampAndRefresh(Game& g) {
  BattleState& b = g.battle;
  auto clamp = [](std::int32_t& v) {
    if (v < 1) v = 0;
  };
  clamp(b.attackerMorale);
  clamp(b.defenderMorale);
  clamp(b.fieldTroops);
  clamp(g.state.provinces[b.target].troops);
  g.ui.windows.refreshBattle();
}

void startBattle(Game& g) {
  BattleState& b = g.battle;
  const GameState& s = g.state;
  b.attackerMorale = 50;
  b.defenderMorale = 50;
  b.round = 1;
  b.battleOver = false;
  const Province& a = s.provinces[b.attacker];
  const Province& t = s.provinces[b.target];
  // The defending player chooses later; until then the window and the opening line say 通常.
  if (t.lord == s.playerHouse) b.defenderTactic = 1;
  if (a.lord != s.playerHouse) {
    showLine2(g, a.name, "が", t.name, "に攻め込んだ");
    showLine2(g, a.name, "は", tacticName(b.attackerTactic), "、", t.name, "は",
              tacticName(b.defenderTactic));
  }
  b.attackerMorale = startMorale(a.morale);
  b.defenderMorale = startMorale(t.morale);
  b.results = standardCombatResultsTable();
  b.tactics = standardTacticTable();
  clampAndRefresh(g);
}

int forceBand(std::int32_t own, std::int32_t enemy) {
  // A side with nothing to resist faces no opposition at all; a side with nothing to strike
  // with does the least. This only happens in a first round (an empty target or a single
  // troop held back by a siege) and must not divide by zero.
  if (enemy <= 0) return own > 0 ? 8 : 1;
  const double r = static_cast<double>(own) / enemy;
  if (r < 0.3) return 1;
  if (r < 0.5) return 2;
  if (r < 1) return 3;
  if (r < 2) return 4;
  if (r < 3) return 5;
  if (r < 4) return 6;
  if (r < 5) return 7;
  return 8;
}

std::int32_t moraleDamage(Game& g, std::int32_t own, std::int32_t enemy, int die, int ownTactic,
                          int enemyTactic, std::int32_t bonus) {
  const BattleState& b = g.battle;
  const int band = forceBand(own, enemy);
  std::int32_t h = b.results[die >= 1 && die <= 6 ? die : 6][band] + bonus;
  if (validTactic(ownTactic) && validTactic(enemyTactic)) {
    h += b.tactics[ownTactic].bonus[enemyTactic];
  }
  const double half = h / 2.0;
  return roundHalfEven(std::floor(g.rng.next() * half) + half);
}

std::int32_t favoriteBonus(const std::string& favourite, int tactic) {
  return validTactic(tactic) && favourite == tacticName(tactic) ? 10 : 0;
}

void resolveRound(Game& g) {
  BattleState& b = g.battle;
  GameState& s = g.state;
  if (b.battleOver) return;
  Province& a = s.provinces[b.attacker];
  Province& t = s.provinces[b.target];
  const std::string* attackerFavourite = favouriteOf(s, b.attacker);
  const std::string* targetFavourite = favouriteOf(s, b.target);
  b.round += 1;

  const int dieA = rollDie(g.rng);
  const std::int32_t dA =
      moraleDamage(g, b.fieldTroops + a.arms, t.troops + t.arms + t.castle, dieA, b.attackerTactic,
                   b.defenderTactic,
                   attackerFavourite ? favoriteBonus(*attackerFavourite, b.attackerTactic) : 0);
  // The castle shields the defenders but does not strike.
  const int dieD = rollDie(g.rng);
  const std::int32_t dD = moraleDamage(
      g, t.troops + t.arms, a.arms + b.fieldTroops, dieD, b.defenderTactic, b.attackerTactic,
      targetFavourite ? favoriteBonus(*targetFavourite, b.defenderTactic) : 0);
  b.defenderMorale -= dA;
  b.attackerMorale -= dD;

  auto killPercent = [&](int tactic) {
    return validTactic(tactic) ? b.tactics[tactic].killPercent : 0;
  };
  b.fieldTroops -= chargeOf(killPercent(b.defenderTactic) * t.troops / 100.0);
  // The attackers strike with what is left of them; an army wiped out (below 0 until the
  // clamp) kills no one, rather than handing the defender troops.
  const std::int32_t striking = b.fieldTroops < 0 ? 0 : b.fieldTroops;
  t.troops -= chargeOf(killPercent(b.attackerTactic) * striking / 100.0);
  clampAndRefresh(g);

  bool won;
  if (b.attackerMorale <= 0 || b.fieldTroops <= 0) {
    won = false;
  } else if (b.defenderMorale <= 0 || t.troops <= 0) {
    won = true;
  } else if (b.round <= kMaxRounds) {
    return;
  } else {
    won = false;
  }
  recordBattle(s, b, won);
  reportBattle(g, won);
  endBattle(g, won);
}

bool playRoundsToTheEnd(Game& g) {
  for (int round = 0; round < kMaxRounds && !g.battle.battleOver; ++round) resolveRound(g);
  return g.battle.battleOver;
}

}  // namespace velmora
