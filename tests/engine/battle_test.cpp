#include <gtest/gtest.h>

#include "combat/battle.h"
#include "combat/tactics.h"
#include "core/dice.h"
#include "engine/fake_port.h"

namespace velmora::test {
namespace {

// u that makes rollDie give the wanted face.
double face(int die) { return (die - 0.5) / 6; }

// 尾張 (織田) against 美濃 (斉藤), by default between computer houses, arms and castles out of
// the way.
struct BattleFixture : Fixture {
  explicit BattleFixture(const std::string& player = "*") : Fixture(player) {
    for (int p : {1, 5}) {
      s.provinces[p].arms = 0;
      s.provinces[p].castle = 0;
    }
    game.battle.attacker = 1;
    game.battle.target = 5;
    port.clear();
  }
  void begin(int fieldTroops, int targetTroops, int attackerTactic, int defenderTactic) {
    BattleState& b = game.battle;
    b.fieldTroops = fieldTroops;
    b.attackerCommitted = fieldTroops;
    s.provinces[b.target].troops = targetTroops;
    b.defenderStartTroops = targetTroops;
    b.attackerTactic = attackerTactic;
    b.defenderTactic = defenderTactic;
    startBattle(game);
  }
  // One round with both dice and both damage draws given.
  void round(int dieA, double uA, int dieD, double uD) {
    rng.push({face(dieA), uA, face(dieD), uD});
    resolveRound(game);
  }
};

TEST(Battle, ForceRatioBandsStartAtTheirLowerEdge) {
  const int edges[][3] = {{3, 10, 2},    {5, 10, 3},    {10, 10, 4},   {20, 10, 5},
                          {30, 10, 6},   {40, 10, 7},   {50, 10, 8},   {29, 100, 1},
                          {49, 100, 2},  {99, 100, 3},  {199, 100, 4}, {299, 100, 5},
                          {399, 100, 6}, {499, 100, 7}, {100, 10, 8},  {0, 10, 1}};
  for (const auto& e : edges) {
    EXPECT_EQ(forceBand(e[0], e[1]), e[2]) << e[0] << "/" << e[1];
  }
  // Nothing to resist: the strongest band; nothing on either side: the weakest.
  EXPECT_EQ(forceBand(5, 0), 8);
  EXPECT_EQ(forceBand(0, 0), 1);
}

TEST(Battle, TablesAreRebuiltAtEveryStart) {
  BattleFixture f;
  f.game.battle.results[1][8] = 0;
  f.game.battle.tactics[4].bonus[2] = 0;
  f.begin(10, 10, 1, 1);
  const CombatResultsTable& crt = f.game.battle.results;
  EXPECT_EQ(crt[1][8], 50);
  EXPECT_EQ(crt[6][8], 10);
  EXPECT_EQ(crt[2][2], 10);
  EXPECT_EQ(crt[3][2], 5);
  EXPECT_EQ(crt[5][5], 10);
  EXPECT_EQ(crt[6][5], 5);
  EXPECT_EQ(crt[4][4], 5);
  EXPECT_EQ(crt[6][7], 20);
  // The grid of the battle window: kill, bonuses against 通常..防御, supply.
  const int rows[6][7] = {{},
                          {20, 0, 0, 0, 0, 0, 30},
                          {30, 5, 5, 5, 5, 0, 70},
                          {10, 10, 10, 10, 10, 0, 50},
                          {20, 5, 10, 5, 0, 0, 70},
                          {10, 0, 0, 0, 0, 0, 0}};
  for (int t = 1; t <= 5; ++t) {
    for (int c = 0; c <= 6; ++c) EXPECT_EQ(tacticTableValue(f.game, t, c), rows[t][c]);
  }
  EXPECT_EQ(tacticTableValue(f.game, 0, 0), 0);
  EXPECT_EQ(tacticTableValue(f.game, 1, 7), 0);
}

TEST(Battle, StartSetsMoraleFromThePeopleAndAnnouncesAComputerAttack) {
  BattleFixture f;
  f.s.provinces[1].morale = 35;
  f.s.provinces[5].morale = 45;
  f.begin(30, 20, 2, 5);
  EXPECT_EQ(f.game.battle.attackerMorale, 68);  // 67.5
  EXPECT_EQ(f.game.battle.defenderMorale, 72);  // 72.5
  EXPECT_EQ(f.game.battle.round, 1);
  EXPECT_FALSE(f.game.battle.battleOver);
  EXPECT_EQ(f.port.linesOf(2),
            (std::vector<std::string>{"尾張が美濃に攻め込んだ", "尾張は突撃、美濃は防御"}));
  EXPECT_EQ(f.rng.drawn(), 3);  // only the opening prices
}

TEST(Battle, DamageLiesBetweenHalfAndAllOfTheTableValue) {
  BattleFixture f;
  f.begin(10, 10, 2, 1);
  // Band 8, die 1, 突撃 against 通常 and the favourite: h = 50 + 5 + 10 = 65.
  const std::pair<double, int> cases[] = {{0.0, 32}, {0.5, 48}, {0.9999999, 64}};
  for (const auto& [u, expected] : cases) {
    f.rng.push(u);
    EXPECT_EQ(moraleDamage(f.game, 100, 10, 1, 2, 1, 10), expected) << u;
  }
  // h = 25 (band 1, die 1, 突撃 against 突撃): 13.5 is stored as 14.
  f.rng.push(1.0 / 12.5 + 1e-9);
  EXPECT_EQ(moraleDamage(f.game, 1, 10, 1, 2, 2, 0), 14);
  EXPECT_EQ(favoriteBonus("突撃", 2), 10);
  EXPECT_EQ(favoriteBonus("突撃", 1), 0);
  EXPECT_EQ(favoriteBonus("", 0), 0);
}

TEST(Battle, OrdinaryAgainstOrdinaryKillsTwentyPercentEachWayAttackerFirst) {
  BattleFixture f;
  f.begin(100, 50, 1, 1);
  const std::int32_t moraleA = f.game.battle.attackerMorale;
  f.round(6, 0.0, 6, 0.0);                   // bands 5 and 3, die 6: h = 5, damage 2 each
  EXPECT_EQ(f.game.battle.fieldTroops, 90);  // floor(10 + 0.9)
  EXPECT_EQ(f.s.provinces[5].troops, 32);    // floor(18 + 0.9) of the 90 left
  EXPECT_EQ(f.game.battle.attackerMorale, moraleA - 2);
  EXPECT_EQ(f.game.battle.round, 2);
  EXPECT_FALSE(f.game.battle.battleOver);
}

TEST(Battle, StrikesUseArmsAndOnlyTheDefenderResistsWithItsCastle) {
  BattleFixture f;
  f.s.provinces[1].arms = 20;
  f.s.provinces[5].arms = 10;
  f.s.provinces[5].castle = 100;
  f.begin(80, 40, 1, 1);
  const std::int32_t dm = f.game.battle.defenderMorale, am = f.game.battle.attackerMorale;
  // Attacker 100 against 150 (band 3, die 1: 20); defender 50 against 100 (band 3: 20).
  f.round(1, 0.0, 1, 0.9999999);
  EXPECT_EQ(f.game.battle.defenderMorale, dm - 10);
  EXPECT_EQ(f.game.battle.attackerMorale, am - 19);
}

// 30 attackers lose 50 to the 500 defenders' 防御 and are wiped out in the same step: they
// kill no one, and the defenders do not grow.
TEST(Battle, AnArmyWipedOutInTheRoundKillsNoOne) {
  BattleFixture f;
  f.begin(30, 500, 2, 5);
  f.round(6, 0.0, 6, 0.0);
  EXPECT_EQ(f.game.battle.fieldTroops, 0);
  EXPECT_EQ(f.s.provinces[5].troops, 500);
  EXPECT_TRUE(f.game.battle.battleOver);
  EXPECT_EQ(f.port.linesOf(2).back(), "尾張の負けです");
  EXPECT_EQ(f.s.provinces[5].lord, "斉藤");
}

TEST(Battle, NobodyBreaksInFourRoundsAndTheAttackFails) {
  BattleFixture f;
  f.begin(100, 100, 1, 1);
  for (int i = 0; i < 3; ++i) f.round(6, 0.0, 6, 0.0);
  EXPECT_FALSE(f.game.battle.battleOver);
  EXPECT_EQ(f.port.linesOf(2).size(), 2u);
  f.round(6, 0.0, 6, 0.0);
  EXPECT_TRUE(f.game.battle.battleOver);
  EXPECT_EQ(f.port.linesOf(2).back(), "尾張の負けです");
  EXPECT_EQ(f.port.linesOf(2).size(), 3u);
  EXPECT_TRUE(f.port.boxes.empty());
  EXPECT_EQ(f.s.provinces[5].lord, "斉藤");
  const Nation& oda = f.s.nations[1];
  const Nation& saito = f.s.nations[5];
  EXPECT_EQ(oda.losses, 1);
  EXPECT_EQ(oda.wins, 0);
  EXPECT_EQ(saito.wins, 1);
  EXPECT_EQ(oda.tacticUses[1], 1);
  EXPECT_EQ(saito.tacticUses[1], 1);
  EXPECT_EQ(f.rng.remaining(), 0u);
}

TEST(Battle, WhenBothSidesCollapseTheAttackerLoses) {
  BattleFixture f;
  f.begin(100, 1, 1, 1);
  f.game.battle.attackerMorale = 1;
  f.round(6, 0.0, 6, 0.0);  // the defender costs 2 morale; the attacker kills the last man
  EXPECT_EQ(f.s.provinces[5].troops, 0);
  EXPECT_EQ(f.game.battle.attackerMorale, 0);
  EXPECT_TRUE(f.game.battle.battleOver);
  EXPECT_EQ(f.port.linesOf(2).back(), "尾張の負けです");
  EXPECT_EQ(f.s.provinces[5].lord, "斉藤");
  EXPECT_EQ(f.s.nations[5].wins, 1);
}

TEST(Battle, AVictoryIsReportedAndRecorded) {
  BattleFixture f;
  f.begin(100, 10, 2, 5);
  f.round(1, 0.9999999, 6, 0.0);  // 49 morale off; 突撃 kills 30 of the 10 defenders
  EXPECT_TRUE(f.game.battle.battleOver);
  EXPECT_EQ(f.port.linesOf(2).back(), "尾張の勝ちです");
  EXPECT_EQ(f.s.provinces[5].lord, "織田");
  EXPECT_EQ(f.s.nations[1].wins, 1);
  EXPECT_EQ(f.s.nations[1].tacticUses[2], 1);
  EXPECT_EQ(f.s.nations[5].losses, 1);
  EXPECT_EQ(f.s.nations[5].tacticUses[5], 1);
}

TEST(Battle, OnlyAProvinceThePlayerStillCommandsGetsTheResultBox) {
  // 尾張 of the player's house, handed to the computer, takes 美濃: no opening lines (the
  // attacker's lord is the player's house), and the result only on the line.
  {
    BattleFixture f("織田");
    f.s.delegated[1] = true;
    f.begin(100, 10, 2, 5);
    f.round(1, 0.9999999, 6, 0.0);
    EXPECT_EQ(f.port.linesOf(2), std::vector<std::string>{"尾張の勝ちです"});
    EXPECT_TRUE(f.port.boxes.empty());
  }
  // 美濃 attacks 尾張 of the player's house: announced with 通常 for the defender, then the
  // result on the line, and in a box only while 尾張 is not delegated.
  for (bool delegated : {true, false}) {
    BattleFixture f("織田");
    f.s.delegated[1] = delegated;
    f.s.provinces[10].lord = "織田";  // a province left: the house does not fall
    f.game.battle.attacker = 5;
    f.game.battle.target = 1;
    f.s.provinces[5].arms = 0;
    f.begin(100, 10, 2, 5);
    EXPECT_EQ(f.game.battle.defenderTactic, 1);
    f.round(1, 0.9999999, 6, 0.0);
    const std::vector<std::string> lines{"美濃が尾張に攻め込んだ", "美濃は突撃、尾張は通常",
                                         "美濃の勝ちです"};
    EXPECT_EQ(f.port.linesOf(2), lines) << delegated;
    EXPECT_EQ(f.port.boxTexts(),
              delegated ? std::vector<std::string>{} : std::vector<std::string>{"美濃の勝ちです"})
        << delegated;
  }
}

TEST(Battle, AnEmptySideFightsWithoutDividingByZero) {
  BattleFixture f;
  // A siege holds back the attacker's single troop; the target holds no one.
  f.begin(1, 0, 3, 1);
  applySiege(f.game);
  EXPECT_EQ(f.game.battle.fieldTroops, 0);
  EXPECT_EQ(f.game.battle.attackerHeldBack, 1);
  const std::int32_t am = f.game.battle.attackerMorale;
  f.round(1, 0.0, 1, 0.0);
  // Each side saw an enemy of strength 0 while having none itself: band 1, die 1, h = 20 (+10
  // for 包囲 against 通常 on the attacker's side).
  EXPECT_EQ(f.game.battle.attackerMorale, am - 10);
  EXPECT_TRUE(f.game.battle.battleOver);
  EXPECT_EQ(f.port.linesOf(2).back(), "尾張の負けです");
  // The held-back troop returns and goes home with the five left there.
  EXPECT_EQ(f.s.provinces[1].troops, 1 + 5);
}

TEST(Battle, RandomHelpersCoverTheirRanges) {
  ScriptedRandom rng({0.0, 0.9999999, 0.0, 0.9999999, 0.0, 0.9999999, 0.98, 0.99});
  EXPECT_EQ(rollDie(rng), 1);
  EXPECT_EQ(rollDie(rng), 6);
  EXPECT_EQ(randomUpTo(rng, 5), 1);
  EXPECT_EQ(randomUpTo(rng, 5), 5);
  EXPECT_TRUE(percentChance(rng, 1));    // 1
  EXPECT_TRUE(percentChance(rng, 99));   // 99
  EXPECT_FALSE(percentChance(rng, 97));  // 98
  EXPECT_FALSE(percentChance(rng, 0));   // 99
}

}  // namespace
}  // namespace velmora::test
