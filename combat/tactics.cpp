#include "combat/tactics.h"

#include "combat/battle.h"
#include "core/dice.h"
#include "core/messages.h"
#include "core/numeric.h"
#include "core/terms.h"

namespace velmora {

namespace {

// The tactic number whose name is the given text, or 0.
int tacticNumber(const std::string& name) {
  for (int t = 1; t <= kTacticCount; ++t) {
    if (sameName(kTacticNames[t - 1], name)) return t;
  }
  return 0;
}

// Half of a side stays out of the fighting; the odd troop fights (3 -> 2 fight, 1 -> 0).
void holdBackHalf(std::int32_t& troops, std::int32_t& heldBack) {
  const std::int32_t all = troops;
  troops = roundHalfEven(all / 2.0);
  heldBack = all - troops;
}

}  // namespace

bool setPlayerTactic(Game& g, int k) {
  if (k < 0 || k > kTacticCount - 1) {
    showBox(g, "エラー");
    return false;
  }
  BattleState& b = g.battle;
  const Province& t = g.state.provinces[b.target];
  const bool playerDefends = t.lord == g.state.playerHouse;
  if (playerDefends) {
    const double cost = b.tactics[k + 1].supplyPercent * t.troops / 100.0;
    if (cost > t.gold) {
      showBox(g, "金が足りません");
      return false;
    }
    if (cost > t.food) {
      showBox(g, "米がたりません");
      return false;
    }
  }
  (playerDefends ? b.defenderTactic : b.attackerTactic) = k + 1;
  applySiege(g);
  return true;
}

namespace {

int mostUsedTacticOf(Game& g, int house) {
  if (house == 0) return randomUpTo(g.rng, kTacticCount);
  const auto& uses = g.state.nations[house].tacticUses;
  int best = 1;
  // Each count may be as high as a saved game holds (a billion): their sum needs 64 bits.
  std::int64_t total = 0;
  for (int j = 1; j <= kTacticCount; ++j) {
    if (uses[j] >= uses[best]) best = j;
    total += uses[j];
  }
  // Too few battles to read the opponent: guess.
  if (total < 10) return randomUpTo(g.rng, kTacticCount);
  return best;
}

}  // namespace

int mostUsedTactic(Game& g, int q) { return mostUsedTacticOf(g, houseOf(g.state, q)); }

int chooseComputerTactic(Game& g, int p, int q) {
  const int house = houseOf(g.state, p);
  const std::string_view temperament =
      house == 0 ? std::string_view() : std::string_view(g.state.nations[house].temperament);
  const int favourite = house == 0 ? 0 : tacticNumber(g.state.nations[house].favoriteTactic);
  enum class Pick { Random, Favourite, Copy };
  // Which entry each temperament takes for d = 1..5, 6..8 and 9..10.
  std::array<Pick, 3> picks{};
  bool known = true;
  if (sameName(temperament, "普通")) {
    picks = {Pick::Random, Pick::Favourite, Pick::Copy};
  } else if (sameName(temperament, "猛進")) {
    picks = {Pick::Favourite, Pick::Random, Pick::Copy};
  } else if (sameName(temperament, "慎重")) {
    picks = {Pick::Copy, Pick::Random, Pick::Favourite};
  } else {
    known = false;
  }

  // Whoever chooses, the supplies are weighed against the defending province's stores.
  const Province& target = g.state.provinces[g.battle.target];
  const int opponent = houseOf(g.state, q);  // asked once: no lord changes while choosing
  for (int attempt = 0; attempt < 20; ++attempt) {
    int t = randomUpTo(g.rng, kTacticCount);
    if (known) {
      const int d = randomUpTo(g.rng, 10);
      const Pick pick = picks[d <= 5 ? 0 : d <= 8 ? 1 : 2];
      if (pick == Pick::Random) {
        t = randomUpTo(g.rng, kTacticCount);
      } else if (pick == Pick::Copy) {
        t = mostUsedTacticOf(g, opponent);
      } else if (favourite != 0) {
        t = favourite;
      }
    }
    const double cost = g.battle.tactics[t].supplyPercent * target.troops / 100.0;
    if (cost < target.gold && cost < target.food) return t;
  }
  return tacticNumber(TacticKind::Defence);
}

void applySiege(Game& g) {
  BattleState& b = g.battle;
  b.attackerHeldBack = 0;
  b.defenderHeldBack = 0;
  if (b.attackerTactic == tacticNumber(TacticKind::Siege))
    holdBackHalf(b.fieldTroops, b.attackerHeldBack);
  if (b.defenderTactic == tacticNumber(TacticKind::Siege)) {
    holdBackHalf(g.state.provinces[b.target].troops, b.defenderHeldBack);
  }
  clampAndRefresh(g);
}

}  // namespace velmora
