#include "combat/outcome.h"

#include "combat/battle.h"
#include "core/board_port.h"
#include "core/details.h"
#include "core/messages.h"
#include "core/numeric.h"
#include "core/panels.h"
#include "core/province_check.h"
#include "core/terms.h"
#include "core/window_port.h"

namespace velmora {

namespace {

// A supply charge, stored half to even (20 less 10.5 gives 10).
std::int32_t charged(std::int32_t stock, std::int32_t percent, std::int32_t troops) {
  return roundHalfEven(stock - percent * static_cast<double>(troops) / 100.0);
}

// True when the player's house held the conquered province and now holds none. "*" is no
// house: the player only watches.
bool playerHouseFell(const GameState& s, const std::string& formerLord) {
  if (formerLord != s.playerHouse || s.playerHouse == "*") return false;
  for (int p = 1; p <= kProvinceCount; ++p) {
    if (s.provinces[p].lord == s.playerHouse) return false;
  }
  return true;
}

bool holdsNone(const GameState& s, const std::string& house) {
  for (int p = 1; p <= kProvinceCount; ++p) {
    if (s.provinces[p].lord == house) return false;
  }
  return true;
}

// "・合戦 尾張(突撃) 兵 40→31 士気 12 / 美濃(防御) 兵 30→12 士気 0 尾張の勝ち、美濃を占領":
// the tactics in force at the end, each side's troops at the declaration and after the
// fighting (held-back ones back), the battle morale left, and the outcome.
void reportBattle(Game& g, bool won, std::int32_t defenders) {
  const BattleState& b = g.battle;
  const Province& a = g.state.provinces[b.attacker];
  const Province& t = g.state.provinces[b.target];
  addDetail(g, "合戦 ", a.name, "(", tacticName(b.attackerTactic), ") 兵 ", b.attackerCommitted,
            "→", b.fieldTroops, " 士気 ", b.attackerMorale, " / ", t.name, "(",
            tacticName(b.defenderTactic), ") 兵 ", b.defenderStartTroops, "→", defenders, " 士気 ",
            b.defenderMorale, " ", a.name,
            won ? "の勝ち、" + t.name + "を占領" : std::string("の負け"));
}

}  // namespace

void endBattle(Game& g, bool won) {
  const std::string formerLord = g.state.provinces[g.battle.target].lord;
  settleBattle(g, won);
  g.battle.battleOver = true;
  g.ui.windows.closeBattleWindow();
  g.ui.board.bringMainWindowToFront();
  // Said once the battle window has gone; the game goes on with every province played by the
  // computer.
  if (won && playerHouseFell(g.state, formerLord)) {
    showBox(g, g.state.playerHouse + "家は滅亡しました。以後は観戦となります");
  }
  if (won && keepsDetails(g) && holdsNone(g.state, formerLord)) {
    addDetail(g, formerLord, "家は滅亡した");
  }
}

void settleBattle(Game& g, bool won) {
  BattleState& b = g.battle;
  GameState& s = g.state;
  Province& a = s.provinces[b.attacker];
  Province& t = s.provinces[b.target];

  b.fieldTroops += b.attackerHeldBack;
  t.troops += b.defenderHeldBack;

  const std::int32_t attackerSupply = g.battle.tactics[b.attackerTactic].supplyPercent;
  const std::int32_t defenderSupply = g.battle.tactics[b.defenderTactic].supplyPercent;
  a.gold = charged(a.gold, attackerSupply, b.attackerCommitted);
  a.food = charged(a.food, attackerSupply, b.attackerCommitted);
  t.gold = charged(t.gold, defenderSupply, b.defenderStartTroops);
  t.food = charged(t.food, defenderSupply, b.defenderStartTroops);

  const std::int32_t defenders = t.troops;
  if (won) {
    // The surviving defenders join the conqueror; the armament is the troop-weighted mean.
    t.troops = defenders + b.fieldTroops;
    if (a.arms <= 0) a.arms = 1;
    if (t.arms <= 0) t.arms = 1;
    if (t.troops > 0) {
      t.arms = roundHalfEven(
          (static_cast<double>(a.arms) * b.fieldTroops + static_cast<double>(t.arms) * defenders) /
          t.troops);
    }
    if (t.troops > kLimit) {
      a.troops = capAtBound(std::int64_t{a.troops} + t.troops - kLimit);
      t.troops = kLimit;
    }
    t.lord = a.lord;
  } else if (a.lord != s.playerHouse) {
    // A computer attack left 5 troops at home; the survivors rejoin them.
    a.troops = b.fieldTroops + 5;
  }

  clampNonNegative(a.gold);
  clampNonNegative(a.food);
  clampNonNegative(t.gold);
  clampNonNegative(t.food);
  // Every battle costs both peoples a point, but not below 0: a negative level would turn the
  // autumn harvest into a loss and drive gold and food below 0.
  if (a.morale > 0) a.morale -= 1;
  if (t.morale > 0) t.morale -= 1;

  if (keepsDetails(g)) reportBattle(g, won, defenders);
  checkProvince(g, b.attacker);
  checkProvince(g, b.target);
  // The player's own attack: the order's province is the attacker, just checked, and each
  // limit box is shown once.
  if (s.currentProvince == b.attacker && !isComputerPlayed(s, b.attacker)) {
    completeCheckedOrder(g);
  } else {
    completeOrder(g);
  }
}

}  // namespace velmora
