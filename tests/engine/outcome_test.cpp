#include <gtest/gtest.h>

#include <algorithm>

#include "combat/battle.h"
#include "combat/outcome.h"
#include "engine/fake_port.h"

namespace velmora::test {
namespace {

// A decided battle of 尾張 (織田) against 美濃 (斉藤), ready to be settled.
struct SettleFixture : Fixture {
  explicit SettleFixture(const std::string& player = "*") : Fixture(player) {
    BattleState& b = game.battle;
    b.attacker = 1;
    b.target = 5;
    b.attackerTactic = 5;  // 防御 on both sides: no supplies to pay
    b.defenderTactic = 5;
    b.battleOver = false;
    Province& a = s.provinces[1];
    Province& t = s.provinces[5];
    a.gold = a.food = t.gold = t.food = 100;
    a.morale = t.morale = 50;
    port.clear();
  }
  Province& a() { return s.provinces[1]; }
  Province& t() { return s.provinces[5]; }
};

TEST(Outcome, AConquestMergesTroopsAndArms) {
  SettleFixture f;
  f.game.battle.fieldTroops = 60;
  f.a().arms = 50;
  f.t().troops = 40;
  f.t().arms = 20;
  f.a().troops = 5;
  settleBattle(f.game, true);
  EXPECT_EQ(f.t().troops, 100);
  EXPECT_EQ(f.t().arms, 38);  // (3000 + 800) / 100
  EXPECT_EQ(f.t().lord, "織田");
  EXPECT_EQ(f.a().troops, 5);
  EXPECT_EQ(f.a().morale, 49);
  EXPECT_EQ(f.t().morale, 49);
}

TEST(Outcome, AfterTheDefendersAreWipedOutTheBesiegersAllMoveIn) {
  SettleFixture f;
  f.game.battle.attackerTactic = 3;
  f.game.battle.fieldTroops = 30;
  f.game.battle.attackerHeldBack = 31;
  f.a().arms = 0;  // raised to 1 before the mean
  f.t().troops = 0;
  f.t().arms = 70;
  settleBattle(f.game, true);
  EXPECT_EQ(f.t().troops, 61);
  EXPECT_EQ(f.t().arms, 1);
  EXPECT_EQ(f.a().arms, 1);
}

TEST(Outcome, TroopsAbove999GoBackToTheAttacker) {
  SettleFixture f;
  f.game.battle.fieldTroops = 600;
  f.t().troops = 500;
  f.a().troops = 5;
  settleBattle(f.game, true);
  EXPECT_EQ(f.t().troops, 999);
  EXPECT_EQ(f.a().troops, 5 + 101);
}

TEST(Outcome, AFailedComputerAttackBringsItsSurvivorsHome) {
  SettleFixture f;
  f.game.battle.fieldTroops = 30;
  f.a().troops = 5;
  settleBattle(f.game, false);
  EXPECT_EQ(f.a().troops, 35);
  EXPECT_EQ(f.t().lord, "斉藤");
  EXPECT_EQ(f.a().morale, 49);
  EXPECT_EQ(f.t().morale, 49);
}

TEST(Outcome, AFailedAttackByThePlayerLosesTheSurvivors) {
  SettleFixture f("織田");
  f.game.battle.fieldTroops = 30;
  f.a().troops = 12;
  settleBattle(f.game, false);
  EXPECT_EQ(f.a().troops, 12);
}

TEST(Outcome, SuppliesFollowTheTacticInForceAndStopAtZero) {
  SettleFixture f;
  BattleState& b = f.game.battle;
  b.attackerTactic = 2;  // 突撃: 70 %
  b.attackerCommitted = 100;
  b.defenderTactic = 5;
  b.defenderStartTroops = 80;
  b.fieldTroops = 10;
  settleBattle(f.game, false);
  EXPECT_EQ(f.a().gold, 30);
  EXPECT_EQ(f.a().food, 30);
  EXPECT_EQ(f.t().gold, 100);  // 防御 costs nothing

  SettleFixture g;
  g.game.battle.attackerTactic = 4;  // 射撃: 70 % of 15 = 10.5
  g.game.battle.attackerCommitted = 15;
  g.game.battle.defenderTactic = 1;  // 通常: 30 % of 200 = 60
  g.game.battle.defenderStartTroops = 200;
  g.game.battle.fieldTroops = 10;
  g.a().gold = 20;  // 9.5 is stored as 10
  g.a().food = 21;  // 10.5 is stored as 10
  g.t().gold = 50;  // below 0: 0
  settleBattle(g.game, false);
  EXPECT_EQ(g.a().gold, 10);
  EXPECT_EQ(g.a().food, 10);
  EXPECT_EQ(g.t().gold, 0);
  EXPECT_EQ(g.t().food, 40);
}

TEST(Outcome, ThePeopleKeepAMoraleOfZeroOrMore) {
  SettleFixture f;
  f.game.battle.fieldTroops = 10;
  f.a().morale = 0;
  f.t().morale = 1;
  settleBattle(f.game, false);
  EXPECT_EQ(f.a().morale, 0);
  EXPECT_EQ(f.t().morale, 0);
}

TEST(Outcome, EndingABattleClosesTheWindowAndCompletesTheOrder) {
  SettleFixture f;
  f.game.battle.fieldTroops = 10;
  f.s.currentProvince = 3;
  f.port.battleWindowOpen = true;
  endBattle(f.game, false);
  EXPECT_TRUE(f.game.battle.battleOver);
  EXPECT_EQ(f.port.battleWindowsClosed, 1);
  EXPECT_EQ(f.port.mainWindowFronted, 1);
  EXPECT_TRUE(f.s.orderCompleted);
  EXPECT_EQ(f.port.panel, Panel::Message);
  // Both provinces are redrawn, then the current one by the order's completion.
  ASSERT_EQ(f.port.redraws.size(), 3u);
  EXPECT_EQ(f.port.redraws[0].first.number, 1);
  EXPECT_EQ(f.port.redraws[1].first.number, 5);
  EXPECT_EQ(f.port.redraws[2].first.number, 3);
}

TEST(Outcome, ThePlayersHouseLosingItsLastProvinceIsToldSoOnce) {
  const std::string fell = "斉藤家は滅亡しました。以後は観戦となります";
  for (bool holdsAnother : {false, true}) {
    SCOPED_TRACE(holdsAnother);
    SettleFixture f("斉藤");  // 美濃 is its only province
    if (holdsAnother) f.s.provinces[8].lord = "斉藤";
    f.game.battle.fieldTroops = 60;
    f.t().troops = 0;
    f.port.battleWindowOpen = true;
    endBattle(f.game, true);
    EXPECT_EQ(f.t().lord, "織田");
    const auto boxes = f.port.boxTexts();
    EXPECT_EQ(std::count(boxes.begin(), boxes.end(), fell), holdsAnother ? 0 : 1);
    if (!holdsAnother && !boxes.empty()) {
      EXPECT_EQ(boxes.back(), fell);
    }
  }
  // A lost attack takes nothing.
  SettleFixture f("斉藤");
  f.game.battle.fieldTroops = 10;
  endBattle(f.game, false);
  EXPECT_TRUE(f.port.boxes.empty());
}

}  // namespace
}  // namespace velmora::test
