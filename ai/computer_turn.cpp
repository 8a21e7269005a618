#include "ai/computer_turn.h"

#include "combat/attack.h"
#include "combat/battle.h"
#include "combat/tactics.h"
#include "commands/development.h"
#include "commands/military.h"
#include "commands/movement.h"
#include "core/details.h"
#include "core/dice.h"
#include "core/map.h"
#include "core/messages.h"
#include "core/numeric.h"
#include "core/order_input.h"
#include "core/random.h"
#include "core/window_port.h"

namespace velmora {

namespace {

constexpr int kTries = 20;

// Widths of the attack, domestic and military bands of a policy.
struct PolicyWidths {
  int attack = 0;
  int domestic = 0;
  int military = 0;
};

PolicyWidths widthsOf(std::string_view policy) {
  if (sameName(policy, "普通")) return {30, 35, 35};
  if (sameName(policy, "内政")) return {20, 50, 30};
  if (sameName(policy, "戦争")) return {40, 20, 40};
  return {};
}

bool bordersEnemy(const GameState& s, int p) {
  const ProvinceList& near = neighboursOf(p);
  for (int k = 0; k < near.count; ++k) {
    if (!sameName(s.provinces[near.items[k]].lord, s.provinces[p].lord)) return true;
  }
  return false;
}

// Sells all food but half the troops' need and one more, at the market price.
void sellSurplusFood(Game& g, Province& pr) {
  const std::int32_t sold = roundHalfEven(pr.food - pr.troops / 2.0 - 1);
  const std::int32_t proceeds = roundHalfEven(sold * g.state.foodPrice);
  const std::int32_t gained = capAmount(pr.gold, proceeds, kLimit);
  pr.food -= sold;
  clampNonNegative(pr.food);
  pr.gold += gained;
  clampNonNegative(pr.gold);
  showLine2(g, pr.name, "で食料の換金がされました");
}

// What moves from p's stock to t's: all above 10 of it, as far as t's room allows.
std::int32_t surplusFor(std::int32_t from, std::int32_t to) {
  if (from <= 10 || to >= kLimit) return 0;
  return capAmount(to, from - 10, kLimit);
}

bool domesticOrder(Game& g, int p) {
  const std::int32_t r2 = draw99(g.rng);
  if (r2 <= 15) return tradeFood(g, p);
  if (r2 <= 50) return BuildTown(g, p, kNothingTyped);
  return RaisePower(g, p, kNothingTyped);
}

bool militaryOrder(Game& g, int p) {
  const std::int32_t r2 = draw99(g.rng);
  if (r2 <= 25) return BuildCastle(g, p, kNothingTyped);
  if (r2 <= 50) return RaiseArms(g, p, kNothingTyped);
  return RaiseTroops(g, p, kNothingTyped);
}

// The order of the turn, carried out; false when every attempt was refused.
bool carryOutOrder(Game& g, int p) {
  const int house = houseOf(g.state, p);
  const PolicyWidths w =
      widthsOf(house == 0 ? std::string_view() : std::string_view(g.state.nations[house].policy));

  if (seizeAttackChance(g, p) || buildTroopsWhenRich(g, p) || sellFoodWhenPoor(g, p) ||
      buyFoodWhenHungry(g, p) || moveSurplus(g, p)) {
    return true;
  }

  // The domestic band is one wider than its width and the military band ends at 99.
  const int attackEnd = w.attack;
  const int domesticEnd = w.attack + w.domestic + 1;
  const int militaryEnd = w.attack + w.domestic + w.military + 2;
  for (int attempt = 0; attempt < kTries; ++attempt) {
    const std::int32_t r = draw99(g.rng);
    bool done = false;
    if (r <= attackEnd) {
      done = attackNeighbour(g, p);
    } else if (r <= domesticEnd) {
      done = domesticOrder(g, p);
    } else if (r <= militaryEnd) {
      done = militaryOrder(g, p);
    }
    if (done) return true;
  }
  return false;
}

}  // namespace

void playComputerTurn(Game& g, int p) {
  // Nothing is copied where nobody keeps the details: this runs millions of times a minute
  // in the simulator.
  if (!keepsDetails(g)) {
    if (!carryOutOrder(g, p)) showLine2(g, "何もしない");
    return;
  }
  const ProvinceChanges changes(g);
  if (!carryOutOrder(g, p)) {
    showLine2(g, "何もしない");
    return;
  }
  if (!g.ended) changes.report(g, p);
}

bool seizeAttackChance(Game& g, int p) {
  const GameState& s = g.state;
  const std::int32_t own = s.provinces[p].troops;
  const ProvinceList& near = neighboursOf(p);
  for (int k = 0; k < near.count; ++k) {
    // Any much weaker neighbour, even one of p's own house, is the signal to strike.
    const std::int32_t theirs = s.provinces[near.items[k]].troops;
    if (5 * theirs < own || (own > 200 && theirs < own)) return attackNeighbour(g, p);
  }
  return false;
}

bool buildTroopsWhenRich(Game& g, int p) {
  const Province& pr = g.state.provinces[p];
  if (pr.gold > 2 * pr.troops) return RaiseTroops(g, p, kNothingTyped);
  return false;
}

bool sellFoodWhenPoor(Game& g, int p) {
  Province& pr = g.state.provinces[p];
  if (!(pr.gold < 10 && pr.troops < pr.food && pr.food != 0)) return false;
  if (pr.food < roundHalfEven(pr.food - pr.troops / 2.0 - 1)) return false;
  sellSurplusFood(g, pr);
  return true;
}

bool buyFoodWhenHungry(Game& g, int p) {
  Province& pr = g.state.provinces[p];
  if (!(pr.troops / 2.0 > pr.food && pr.gold > 5)) return false;
  const std::int32_t bought =
      capAmount(pr.food, roundHalfEven((pr.gold - 5) / g.state.foodPrice), kLimit);
  if (pr.gold < bought) return false;
  // The whole budget is spent even when the storehouse could not take it all.
  pr.gold = 5;
  pr.food += bought;
  clampNonNegative(pr.food);
  clampNonNegative(pr.gold);
  showLine2(g, pr.name, "で食料が買われました");
  return true;
}

bool moveSurplus(Game& g, int p) {
  GameState& s = g.state;
  Province& from = s.provinces[p];
  if (from.troops <= 10 || bordersEnemy(s, p)) return false;
  const int t = pickEvenly(g, neighboursOf(p));
  if (t == 0) return false;
  Province& to = s.provinces[t];

  const std::int32_t gold = surplusFor(from.gold, to.gold);
  const std::int32_t food = surplusFor(from.food, to.food);
  const std::int32_t wanted = from.troops <= 20 ? from.troops - 10 : 10;
  const std::int32_t troops = to.troops >= kLimit ? 0 : capAmount(to.troops, wanted, kLimit);
  if (gold == 0 && food == 0 && troops == 0) return false;

  transfer(from.gold, to.gold, gold);
  transfer(from.food, to.food, food);
  transfer(from.troops, to.troops, troops);
  clampNonNegative(from.food);
  clampNonNegative(from.gold);
  showLine2(g, from.name, "から", to.name, "へ「", troops, "」移動");
  showLine3(g, "金「", gold, "」と食料「", food, "」移動");
  reportMove(g, p, t, troops, food, gold);

  mixArms(from, to, troops, ArmsFloor::WhenSenderHasTroops);
  return true;
}

bool tradeFood(Game& g, int p) {
  Province& pr = g.state.provinces[p];
  const double price = g.state.foodPrice;
  if (pr.gold > 20 && price <= 0.8) {
    const std::int32_t bought = capAmount(pr.food, roundHalfEven((pr.gold - 10) / price), kLimit);
    pr.gold = 10;
    pr.food += bought;
    clampNonNegative(pr.food);
    clampNonNegative(pr.gold);
    showLine2(g, pr.name, "で食料が買われました");
    return true;
  }
  if (price >= 1.5 && pr.food >= pr.troops) {
    sellSurplusFood(g, pr);
    return true;
  }
  return false;
}

bool attackNeighbour(Game& g, int p) {
  GameState& s = g.state;
  Province& own = s.provinces[p];
  if (own.food < own.troops || own.gold < own.troops) return false;
  if (!percentChance(g.rng, 99)) return false;
  ProvinceList enemies;
  if (own.troops > 5) {
    const ProvinceList& near = neighboursOf(p);
    for (int k = 0; k < near.count; ++k) {
      if (!sameName(s.provinces[near.items[k]].lord, own.lord)) enemies.add(near.items[k]);
    }
  }
  const int t = pickEvenly(g, enemies);
  if (t == 0) return false;

  commitAttack(g, p, t, own.troops - 5);  // 5 stay at home
  BattleState& b = g.battle;
  clampNonNegative(own.troops);
  clampNonNegative(own.food);
  clampNonNegative(own.gold);
  b.attackerTactic = chooseComputerTactic(g, p, t);

  if (s.provinces[t].lord != s.playerHouse) {
    b.defenderTactic = chooseComputerTactic(g, t, p);
    startBattle(g);
    applySiege(g);
    playRoundsToTheEnd(g);
  } else {
    // The player defends in the battle window; the turn then waits for the player's press.
    s.autoAdvanceReady = false;
    g.ui.windows.openBattleWindow();
  }
  return true;
}

int pickEvenly(Game& g, const ProvinceList& list) {
  const int n = list.count;
  // An empty list still takes its draw, like any other call, and finds nothing.
  const std::int32_t width = n > 0 ? roundHalfEven(100.0 / n) : 0;
  const std::int32_t r = draw99(g.rng);
  for (int k = 1; k <= n; ++k) {
    if (width * (k - 1) <= r && r <= width * k) return list.items[k - 1];
  }
  return 0;
}

}  // namespace velmora
