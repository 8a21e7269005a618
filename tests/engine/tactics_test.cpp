#include <gtest/gtest.h>

#include "combat/battle.h"
#include "combat/tactics.h"
#include "engine/fake_port.h"

namespace velmora::test {
namespace {

// The player (織田, 尾張) defends against 美濃.
struct DefenceFixture : Fixture {
  DefenceFixture() {
    game.battle.attacker = 5;
    game.battle.target = 1;
    game.battle.fieldTroops = 50;
    game.battle.attackerTactic = 1;
    Province& t = s.provinces[1];
    t.troops = 100;
    t.gold = 60;
    t.food = 100;
    port.clear();
  }
};

TEST(Tactics, TheDefendingPlayerMustAffordTheSupplies) {
  DefenceFixture f;
  // 突撃 and 射撃 would cost 70 gold.
  EXPECT_FALSE(setPlayerTactic(f.game, 1));
  EXPECT_FALSE(setPlayerTactic(f.game, 3));
  EXPECT_EQ(f.port.boxTexts(), (std::vector<std::string>{"金が足りません", "金が足りません"}));
  EXPECT_EQ(f.game.battle.defenderTactic, 0);
  EXPECT_TRUE(setPlayerTactic(f.game, 2));  // 包囲: 50
  EXPECT_EQ(f.game.battle.defenderTactic, 3);
  EXPECT_EQ(f.game.battle.attackerTactic, 1);

  EXPECT_EQ(f.s.provinces[1].troops, 50);  // the siege holds back half at once

  f.s.provinces[1].troops = 100;
  f.s.provinces[1].gold = 70;  // 70 is not more than 70
  EXPECT_TRUE(setPlayerTactic(f.game, 1));
  EXPECT_EQ(f.s.provinces[1].troops, 100);
  f.s.provinces[1].gold = 100;
  f.s.provinces[1].food = 69;
  f.port.clear();
  EXPECT_FALSE(setPlayerTactic(f.game, 3));
  EXPECT_EQ(f.port.boxTexts(), std::vector<std::string>{"米がたりません"});

  // With nothing at all, 防御 still costs nothing.
  f.s.provinces[1].gold = 0;
  f.s.provinces[1].food = 0;
  EXPECT_TRUE(setPlayerTactic(f.game, 4));
  EXPECT_EQ(f.game.battle.defenderTactic, 5);
}

TEST(Tactics, KeysOutsideTheFiveButtonsAreAnError) {
  DefenceFixture f;
  for (int k : {-1, 5, 13 - 97}) EXPECT_FALSE(setPlayerTactic(f.game, k));
  EXPECT_EQ(f.port.boxTexts(), (std::vector<std::string>{"エラー", "エラー", "エラー"}));
  EXPECT_EQ(f.game.battle.defenderTactic, 0);
}

TEST(Tactics, TheAttackingPlayerIsNotAskedToPay) {
  Fixture f;
  f.game.battle.attacker = 1;
  f.game.battle.target = 5;
  f.game.battle.fieldTroops = 7;
  f.s.provinces[1].gold = 0;
  f.s.provinces[1].food = 0;
  EXPECT_TRUE(setPlayerTactic(f.game, 2));
  EXPECT_EQ(f.game.battle.attackerTactic, 3);
  // 包囲 with 7 troops: 4 fight (3.5 rounds to even), 3 wait.
  EXPECT_EQ(f.game.battle.fieldTroops, 4);
  EXPECT_EQ(f.game.battle.attackerHeldBack, 3);
}

TEST(Tactics, SiegeHoldsBackHalfOfEachBesieger) {
  Fixture f("*");
  f.game.battle.attacker = 1;
  f.game.battle.target = 5;
  const int cases[][3] = {{1, 0, 1}, {3, 2, 1}, {5, 2, 3}, {7, 4, 3}};
  for (const auto& c : cases) {
    f.game.battle.fieldTroops = c[0];
    f.s.provinces[5].troops = c[0];
    f.game.battle.attackerTactic = 3;
    f.game.battle.defenderTactic = 3;
    applySiege(f.game);
    EXPECT_EQ(f.game.battle.fieldTroops, c[1]) << c[0];
    EXPECT_EQ(f.game.battle.attackerHeldBack, c[2]) << c[0];
    EXPECT_EQ(f.s.provinces[5].troops, c[1]) << c[0];
    EXPECT_EQ(f.game.battle.defenderHeldBack, c[2]) << c[0];
  }
  // Other tactics hold nobody back, and a second call forgets the first.
  f.game.battle.attackerTactic = 1;
  f.game.battle.defenderTactic = 5;
  applySiege(f.game);
  EXPECT_EQ(f.game.battle.attackerHeldBack, 0);
  EXPECT_EQ(f.game.battle.defenderHeldBack, 0);
}

TEST(Tactics, MostUsedTacticNeedsTenBattlesAndPrefersTheHigherNumber) {
  Fixture f("*");
  f.s.nations[2].tacticUses = {0, 3, 3, 2, 1, 1};
  EXPECT_EQ(mostUsedTactic(f.game, 2), 2);
  EXPECT_EQ(f.rng.remaining(), 0u);
  f.s.nations[2].tacticUses = {0, 3, 3, 2, 1, 0};  // 9 battles: a guess
  f.rng.push(0.7);
  EXPECT_EQ(mostUsedTactic(f.game, 2), 4);
  // Counts as high as a save file takes add up beyond 32 bits (to 2^32 + 5): still read as
  // thousands of battles, not as a novice.
  f.s.nations[2].tacticUses = {
      0, 1'000'000'000, 1'000'000'000, 1'000'000'000, 1'000'000'000, 294'967'301};
  EXPECT_EQ(mostUsedTactic(f.game, 2), 4);
  EXPECT_EQ(f.rng.remaining(), 0u);
  f.s.provinces[2].lord = "誰か";  // no such house
  f.rng.push(0.0);
  EXPECT_EQ(mostUsedTactic(f.game, 2), 1);
  EXPECT_EQ(f.rng.remaining(), 0u);
}

TEST(Tactics, ComputerChoiceFollowsTheTemperamentTable) {
  Fixture f("*");
  f.game.battle.attacker = 1;
  f.game.battle.target = 5;
  Province& t = f.s.provinces[5];
  t.troops = 10;
  t.gold = 100;
  t.food = 100;
  f.s.nations[2].tacticUses = {0, 0, 0, 0, 0, 10};  // 徳川 has always defended

  // 織田 (猛進, favourite 射撃): d = 1..5 takes the favourite.
  f.rng.push({0.0, 0.0});
  EXPECT_EQ(chooseComputerTactic(f.game, 1, 5), 4);
  // d = 6..8: a fresh draw.
  f.rng.push({0.0, 0.6, 0.3});
  EXPECT_EQ(chooseComputerTactic(f.game, 1, 5), 2);
  // d = 9..10: copy the opponent's most used.
  f.rng.push({0.0, 0.9});
  EXPECT_EQ(chooseComputerTactic(f.game, 1, 2), 5);
  // 徳川 (慎重, favourite 包囲): d = 9..10 takes the favourite; d = 1..5 copies.
  f.rng.push({0.0, 0.95});
  EXPECT_EQ(chooseComputerTactic(f.game, 2, 1), 3);
  // 斉藤 (普通): d = 1..5 a fresh draw, 6..8 the favourite 射撃.
  f.rng.push({0.0, 0.4, 0.2});
  EXPECT_EQ(chooseComputerTactic(f.game, 5, 1), 2);
  f.rng.push({0.0, 0.7});
  EXPECT_EQ(chooseComputerTactic(f.game, 5, 1), 4);
  EXPECT_EQ(f.rng.remaining(), 0u);

  // A temperament the table does not know keeps the first draw and draws nothing else.
  f.s.nations[1].temperament = "気まぐれ";
  f.rng.push(0.5);
  EXPECT_EQ(chooseComputerTactic(f.game, 1, 5), 3);
  EXPECT_EQ(f.rng.remaining(), 0u);
}

TEST(Tactics, ASideThatCanAffordNothingDefendsAfterTwentyAttempts) {
  Fixture f("*");
  f.game.battle.attacker = 1;
  f.game.battle.target = 5;
  f.s.provinces[5].troops = 10;
  f.s.provinces[5].gold = 0;  // 0 is not less than 0, so even 防御 is refused
  f.s.nations[1].temperament = "";
  for (int i = 0; i < 20; ++i) f.rng.push(0.9);
  EXPECT_EQ(chooseComputerTactic(f.game, 1, 5), 5);
  EXPECT_EQ(f.rng.remaining(), 0u);
  EXPECT_EQ(f.rng.drawn(), 3 + 20);
}

TEST(Tactics, AffordabilityIsWeighedOnTheTargetWhoeverChooses) {
  Fixture f("*");
  f.game.battle.attacker = 1;
  f.game.battle.target = 5;
  f.s.provinces[1].gold = 0;  // the attacker's own poverty does not matter
  Province& t = f.s.provinces[5];
  t.troops = 100;
  t.gold = 71;
  t.food = 70;  // 突撃 costs 70: not less than 70
  f.s.nations[1].temperament = "";
  f.rng.push({0.3, 0.3, 0.0});
  EXPECT_EQ(chooseComputerTactic(f.game, 1, 5), 1);
  EXPECT_EQ(f.rng.remaining(), 0u);
}

}  // namespace
}  // namespace velmora::test
