#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "commands/movement.h"
#include "core/map.h"
#include "engine/order_fixture.h"

namespace velmora::test {
namespace {

using Lines = std::vector<std::string>;

TEST(Adjacency, ThirteenSymmetricBorders) {
  const std::vector<std::pair<int, int>> borders = {{1, 2}, {1, 5},  {1, 6}, {2, 3}, {2, 4},
                                                    {3, 4}, {4, 5},  {5, 7}, {5, 8}, {6, 7},
                                                    {7, 8}, {7, 10}, {8, 9}};
  int count = 0;
  for (int a = 1; a <= 10; ++a) {
    EXPECT_FALSE(areAdjacent(a, a));
    for (int b = 1; b <= 10; ++b) {
      if (!areAdjacent(a, b)) continue;
      ++count;
      EXPECT_TRUE(areAdjacent(b, a)) << a << "-" << b;
      const auto pair = std::make_pair(std::min(a, b), std::max(a, b));
      EXPECT_NE(std::find(borders.begin(), borders.end(), pair), borders.end()) << a << "-" << b;
    }
  }
  EXPECT_EQ(count, 26);
  EXPECT_FALSE(areAdjacent(0, 1));
  EXPECT_FALSE(areAdjacent(11, 10));
  EXPECT_FALSE(areAdjacent(-3, 2));
}

TEST(Adjacency, CapAndTransfer) {
  EXPECT_EQ(capAmount(950, 100, 999), 49);
  EXPECT_EQ(capAmount(899, 100, 999), 100);
  EXPECT_EQ(capAmount(10, INT_MAX, 999), 989);  // no overflow on a huge amount
  std::int32_t from = 100, to = 5;
  transfer(from, to, 30);
  EXPECT_EQ(from, 70);
  EXPECT_EQ(to, 35);
}

// 尾張 with 三河 and 美濃 of the same house; 伊勢 stays with another house.
struct MoveFixture : OrderFixture {
  MoveFixture() {
    ownByPlayer(2);
    ownByPlayer(5);
  }
};

TEST(PrepareMove, ListsNeighboursOfTheSameHouseAndProposesEverything) {
  MoveFixture f;
  f.province(1).troops = 40;
  f.province(1).food = 70;
  f.province(1).gold = 90;
  EXPECT_TRUE(prepareMove(f.game, 1));
  EXPECT_EQ(f.port.targets, (Lines{"三河", "美濃"}));
  EXPECT_EQ(f.port.targetSelected, 0);
  EXPECT_EQ(f.s.candidateCount, 2);
  EXPECT_EQ(f.s.candidates[1], 2);
  EXPECT_EQ(f.s.candidates[2], 5);
  EXPECT_EQ(f.port.targetAmounts[0], "40");
  EXPECT_EQ(f.port.targetAmounts[1], "70");
  EXPECT_EQ(f.port.targetAmounts[2], "90");
}

TEST(PrepareMove, NowhereToGo) {
  OrderFixture f;
  f.s.candidateCount = 3;
  f.ownByPlayer(3);  // 遠江 is no neighbour of 尾張
  EXPECT_FALSE(prepareMove(f.game, 1));
  EXPECT_EQ(f.port.boxTexts(), Lines{"隣に味方の領土がありません"});
  EXPECT_EQ(f.s.candidateCount, 0);
  EXPECT_TRUE(f.port.targets.empty());
  EXPECT_EQ(f.port.targetAmounts[0], "0");
}

TEST(Move, WhatDoesNotFitStaysHome) {
  MoveFixture f;
  f.province(1).troops = 200;
  f.province(2).troops = 950;
  f.province(2).gold = 999;
  ASSERT_TRUE(prepareMove(f.game, 1));
  f.typeTargets("100", "0", "5");
  EXPECT_TRUE(Move(f.game, 1, f.entered()));
  EXPECT_EQ(f.province(1).troops, 151);
  EXPECT_EQ(f.province(2).troops, 999);
  EXPECT_EQ(f.province(1).gold, 10);
  EXPECT_EQ(f.port.boxTexts(), Lines{"尾張から三河へ \r兵[49]\r食料[0]\r金[0]移動しました"});
}

TEST(Move, AmountsAreFloored) {
  MoveFixture f;
  f.province(1).troops = 20;
  f.province(1).food = 10;
  ASSERT_TRUE(prepareMove(f.game, 1));
  f.port.targetSelected = 1;
  f.typeTargets("12.9", " 3.5 ", "0");
  EXPECT_TRUE(Move(f.game, 1, f.entered()));
  EXPECT_EQ(f.province(5).troops, 32);
  EXPECT_EQ(f.province(5).food, 13);
  EXPECT_EQ(f.port.boxTexts(), Lines{"尾張から美濃へ \r兵[12]\r食料[3]\r金[0]移動しました"});
}

TEST(Move, ArmsAreAveragedOverTheSoldiers) {
  MoveFixture f;
  f.province(1).troops = 50;
  f.province(1).arms = 80;
  f.province(2).troops = 60;
  f.province(2).arms = 30;
  ASSERT_TRUE(prepareMove(f.game, 1));
  f.typeTargets("40", "0", "0");
  EXPECT_TRUE(Move(f.game, 1, f.entered()));
  EXPECT_EQ(f.province(2).arms, 50);  // (60 * 30 + 40 * 80) / 100
  EXPECT_EQ(f.province(1).arms, 80);
}

// The player's move and the computer's mix arms alike and differ only in when arms below 1
// count as 1: a sender with soldiers and no arms, into an empty province, sending nobody.
TEST(MixArms, ThePlayersMoveAndTheComputersDifferOnlyInTheFloor) {
  for (ArmsFloor floor : {ArmsFloor::WhenBothHaveTroops, ArmsFloor::WhenSenderHasTroops}) {
    Province from;
    from.troops = 10;
    Province to;
    mixArms(from, to, 0, floor);
    const int expected = floor == ArmsFloor::WhenSenderHasTroops ? 1 : 0;
    EXPECT_EQ(from.arms, expected);
    EXPECT_EQ(to.arms, expected);
  }
  // With soldiers on both sides the two agree: (60 x 30 + 40 x 80) / 100 = 50.
  for (ArmsFloor floor : {ArmsFloor::WhenBothHaveTroops, ArmsFloor::WhenSenderHasTroops}) {
    Province from;
    from.troops = 5;
    from.arms = 80;
    Province to;
    to.troops = 100;
    to.arms = 30;
    mixArms(from, to, 40, floor);
    EXPECT_EQ(to.arms, 50);
  }
}

TEST(Move, ArmsWhenOneSideHasNoSoldiers) {
  {
    // Everyone leaves: no average, the destination keeps its own arms.
    MoveFixture f;
    f.province(1).troops = 40;
    f.province(1).arms = 80;
    f.province(2).troops = 60;
    f.province(2).arms = 30;
    ASSERT_TRUE(prepareMove(f.game, 1));
    f.typeTargets("40", "0", "0");
    EXPECT_TRUE(Move(f.game, 1, f.entered()));
    EXPECT_EQ(f.province(2).arms, 30);
  }
  {
    // Soldiers into an empty province: it takes the arms of the arrivals.
    MoveFixture f;
    f.province(1).troops = 40;
    f.province(1).arms = 80;
    f.province(2).troops = 0;
    f.province(2).arms = 30;
    ASSERT_TRUE(prepareMove(f.game, 1));
    f.typeTargets("10", "0", "0");
    EXPECT_TRUE(Move(f.game, 1, f.entered()));
    EXPECT_EQ(f.province(2).arms, 80);
  }
  {
    // Only food into a province without soldiers: it takes the source's arms too.
    MoveFixture f;
    f.province(1).arms = 70;
    f.province(2).troops = 0;
    f.province(2).arms = 5;
    ASSERT_TRUE(prepareMove(f.game, 1));
    f.typeTargets("0", "4", "0");
    EXPECT_TRUE(Move(f.game, 1, f.entered()));
    EXPECT_EQ(f.province(2).arms, 70);
  }
}

TEST(Move, UnarmedSoldiersCountAsArmedWithOneWhenMixed) {
  MoveFixture f;
  f.province(1).troops = 50;
  f.province(1).arms = 0;
  f.province(2).troops = 30;
  f.province(2).arms = 0;
  ASSERT_TRUE(prepareMove(f.game, 1));
  f.typeTargets("10", "0", "0");
  EXPECT_TRUE(Move(f.game, 1, f.entered()));
  EXPECT_EQ(f.province(1).arms, 1);
  EXPECT_EQ(f.province(2).arms, 1);
}

TEST(Move, NothingFlowsIntoAFieldAlreadyAboveTheLimit) {
  MoveFixture f;
  f.province(1).troops = 20;
  f.province(1).gold = 10;
  f.province(2).gold = 1005;  // reported by the province check, never made worse
  ASSERT_TRUE(prepareMove(f.game, 1));
  f.typeTargets("5", "0", "10");
  EXPECT_TRUE(Move(f.game, 1, f.entered()));
  EXPECT_EQ(f.province(1).gold, 10);
  EXPECT_EQ(f.province(2).gold, 1005);
  EXPECT_EQ(f.port.boxTexts().back(), "尾張から三河へ \r兵[5]\r食料[0]\r金[0]移動しました");
}

void expectRefused(MoveFixture& f, const std::string& box) { test::expectRefused(f, Move, box); }

TEST(Move, RefusalsInTheirOrder) {
  MoveFixture f;
  f.province(1).troops = 20;
  f.province(1).food = 10;
  f.province(1).gold = 10;
  ASSERT_TRUE(prepareMove(f.game, 1));
  const char* nothing = "どれかは1以上の数字を入力してください(0ならキャンセルを)";

  f.typeTargets("21", "11", "11");
  expectRefused(f, "兵が足りません");
  f.typeTargets("20", "11", "11");
  expectRefused(f, "食料が足りません");
  f.typeTargets("20", "10", "11");
  expectRefused(f, "金が足りません");
  f.typeTargets("0", "0", "0");
  expectRefused(f, nothing);
  f.typeTargets("5", "x", "0");
  expectRefused(f, "整数を入力してください");
  f.typeTargets("5", "0", "");
  expectRefused(f, "整数を入力してください");
  // A negative amount would pull goods back from the destination.
  f.typeTargets("5", "-3", "0");
  expectRefused(f, nothing);
  // ...but only once the holdings have passed their checks, which come first.
  f.typeTargets("21", "-3", "0");
  expectRefused(f, "兵が足りません");
  f.typeTargets("-1", "0", "11");
  expectRefused(f, "金が足りません");

  // Typed amounts are positive but nothing fits into the destination.
  f.province(2).gold = 999;
  f.typeTargets("0", "0", "5");
  expectRefused(f, nothing);

  f.port.targetSelected = -1;
  f.typeTargets("5", "0", "0");
  expectRefused(f, "移動先は?");
}

}  // namespace
}  // namespace velmora::test
