#include <gtest/gtest.h>

#include "commands/military.h"
#include "engine/order_fixture.h"

namespace velmora::test {
namespace {

using Lines = std::vector<std::string>;

TEST(RaiseTroops, WorkedExampleThinsTheArms) {
  OrderFixture f;
  f.s.troopsPrice = 3.5;
  f.province(1).gold = 200;
  f.province(1).troops = 100;
  f.province(1).arms = 50;
  f.type("100");
  EXPECT_TRUE(RaiseTroops(f.game, 1, f.entered()));
  EXPECT_EQ(f.province(1).troops, 128);  // 100 / 3.5 = 28.57
  EXPECT_EQ(f.province(1).gold, 102);    // 98.9 is charged 98
  EXPECT_EQ(f.province(1).arms, 39);     // 100 / 128 * 50 = 39.06
  EXPECT_EQ(f.port.linesOf(2), Lines{"尾張にて兵増強"});
  EXPECT_TRUE(f.port.boxes.empty());
}

TEST(RaiseTroops, ExcessAboveTheLimitIsRefunded) {
  OrderFixture f;
  f.s.troopsPrice = 3.5;
  f.province(1).gold = 500;
  f.province(1).troops = 990;
  f.province(1).arms = 100;
  f.type("175");  // exactly 50 soldiers
  EXPECT_TRUE(RaiseTroops(f.game, 1, f.entered()));
  EXPECT_EQ(f.port.boxTexts(), Lines{"兵を999におさめます。(あとは返金)"});
  EXPECT_EQ(f.province(1).troops, 999);
  EXPECT_EQ(f.province(1).gold, 468);  // 325 + 41 * 3.5 - 0.9 = 467.6
  EXPECT_EQ(f.province(1).arms, 95);   // (999 - 50) / 999 * 100 = 94.99
}

TEST(RaiseTroops, EdgesOfTheLimits) {
  OrderFixture f;
  f.s.troopsPrice = 3.5;
  f.province(1).troops = 998;
  f.province(1).gold = 4;  // exactly the charge for one soldier
  f.type("4");
  EXPECT_TRUE(RaiseTroops(f.game, 1, f.entered()));
  EXPECT_TRUE(f.port.boxes.empty());  // 999 is within the limit: nothing to refund
  EXPECT_EQ(f.province(1).troops, 999);
  EXPECT_EQ(f.province(1).gold, 0);
}

TEST(RaiseTroops, ComputerRefundsSilentlyButTheDelegatedProvinceIsTold) {
  OrderFixture f;
  f.s.troopsPrice = 2.5;
  f.province(2).gold = 500;  // buys 100
  f.province(2).troops = 950;
  EXPECT_TRUE(RaiseTroops(f.game, 2, f.entered()));
  EXPECT_TRUE(f.port.boxes.empty());
  EXPECT_EQ(f.province(2).troops, 999);
  EXPECT_EQ(f.province(2).gold, 377);  // 250 + 51 * 2.5 - 0.9 = 376.6

  f.s.delegated[1] = true;
  f.province(1).gold = 500;
  f.province(1).troops = 950;
  f.type("abc");  // a delegated province chooses its own number
  EXPECT_TRUE(RaiseTroops(f.game, 1, f.entered()));
  EXPECT_EQ(f.port.boxTexts(), Lines{"兵を999におさめます。(あとは返金)"});
  EXPECT_EQ(f.province(1).gold, 377);
}

TEST(RaiseTroops, PoorComputerBuysNobodyButStillReports) {
  OrderFixture f;
  f.s.troopsPrice = 3.5;
  f.province(2).gold = 6;  // pays the 4 of the threshold but half of it buys no one
  f.province(2).arms = 15;
  EXPECT_TRUE(RaiseTroops(f.game, 2, f.entered()));
  EXPECT_EQ(f.province(2).troops, 10);
  EXPECT_EQ(f.province(2).gold, 6);
  EXPECT_EQ(f.province(2).arms, 15);
  EXPECT_EQ(f.port.linesOf(2), Lines{"三河にて兵増強"});

  // No soldiers at all: the arms go to 0.
  f.province(2).troops = 0;
  EXPECT_TRUE(RaiseTroops(f.game, 2, f.entered()));
  EXPECT_EQ(f.province(2).arms, 0);
}

TEST(RaiseTroops, ArmsAtZeroStayZero) {
  OrderFixture f;
  f.s.troopsPrice = 2.5;
  f.province(1).gold = 100;
  f.province(1).arms = 0;
  f.type("50");
  EXPECT_TRUE(RaiseTroops(f.game, 1, f.entered()));
  EXPECT_EQ(f.province(1).troops, 30);
  EXPECT_EQ(f.province(1).arms, 0);
  EXPECT_EQ(f.province(1).gold, 50);
}

// The refusal changes no province; the report written before the amount was read may stand.
TEST(RaiseTroops, RefusalsAndTheReportThatPrecedesThem) {
  OrderFixture f;
  f.s.troopsPrice = 3.5;
  f.province(1).troops = 999;
  f.province(1).gold = 100;
  f.type("50");
  expectRefused(f, RaiseTroops, {"これ以上増やせません"}, {});
  f.province(1).troops = 10;
  f.province(1).gold = 3;  // 3.5 is charged 4
  expectRefused(f, RaiseTroops, {}, {});

  f.province(1).gold = 40;
  const Lines report{"尾張にて兵増強"};
  f.type("41");
  expectRefused(f, RaiseTroops, {"金40しか持っていません"}, report);
  for (const char* low : {"3", "0", "-7"}) {
    f.type(low);
    expectRefused(f, RaiseTroops, {"金が足りません"}, report);
  }
  for (const char* bad : {"", "x1", "4294967296"}) {
    f.type(bad);
    expectRefused(f, RaiseTroops, {"整数を入力してください"}, report);
  }

  // The computer is refused without a word.
  f.province(2).troops = 999;
  const auto before = f.s.provinces;
  f.port.clear();
  EXPECT_FALSE(RaiseTroops(f.game, 2, f.entered()));
  EXPECT_TRUE(f.port.boxes.empty());
  EXPECT_EQ(f.s.provinces, before);
}

TEST(RaiseArms, GainIsTheSpendOverThePriceHalfToEven) {
  const struct {
    double price;
    int spend;
    int gain;
  } cases[] = {{5.5, 50, 9}, {8, 52, 6}, {4, 54, 14}, {5.1, 10, 2}};
  for (const auto& c : cases) {
    OrderFixture f;
    f.s.armsPrice = c.price;
    f.province(1).gold = 100;
    f.type(std::to_string(c.spend));
    ASSERT_TRUE(RaiseArms(f.game, 1, f.entered()));
    EXPECT_EQ(f.province(1).arms, 35 + c.gain) << c.spend << " at " << c.price;
    EXPECT_EQ(f.province(1).gold, 100 - c.spend);
    EXPECT_EQ(f.port.linesOf(2), Lines{"尾張で武装強化がありました"});
  }
}

TEST(RaiseArms, ComputerSpendsHalfItsGoldInWholeUnits) {
  OrderFixture f;
  f.s.armsPrice = 5.5;
  f.province(2).gold = 100;  // 9 units, 49.5 charged 50
  EXPECT_TRUE(RaiseArms(f.game, 2, f.entered()));
  EXPECT_EQ(f.province(2).gold, 50);
  EXPECT_EQ(f.province(2).arms, 24);

  f.s.armsPrice = 6;
  f.province(2).gold = 12;  // twice the price is all it has: one unit
  EXPECT_TRUE(RaiseArms(f.game, 2, f.entered()));
  EXPECT_EQ(f.province(2).gold, 6);
  EXPECT_EQ(f.province(2).arms, 25);
}

TEST(RaiseArms, ExcessAboveTheLimitIsRefunded) {
  OrderFixture f;
  f.s.armsPrice = 5;
  f.province(1).arms = 995;
  f.province(1).gold = 300;
  f.type("100");
  EXPECT_TRUE(RaiseArms(f.game, 1, f.entered()));
  EXPECT_EQ(f.port.boxTexts(), Lines{"兵を999におさめます。(あとは返金)"});
  EXPECT_EQ(f.province(1).arms, 999);
  EXPECT_EQ(f.province(1).gold, 279);  // 200 + 16 * 5 - 0.9 = 279.1

  f.port.clear();
  f.province(2).arms = 995;
  f.province(2).gold = 300;
  EXPECT_TRUE(RaiseArms(f.game, 2, f.entered()));
  EXPECT_TRUE(f.port.boxes.empty());
  EXPECT_EQ(f.province(2).arms, 999);
}

TEST(RaiseArms, OnePointBelowTheLimitStillBuysAndRefundsTheRest) {
  OrderFixture f;
  f.s.armsPrice = 5.1;
  f.province(1).arms = 998;
  f.province(1).gold = 10;
  f.type("10");  // 1.96 rounds to 2: one point too many
  EXPECT_TRUE(RaiseArms(f.game, 1, f.entered()));
  EXPECT_EQ(f.port.boxTexts(), Lines{"兵を999におさめます。(あとは返金)"});
  EXPECT_EQ(f.province(1).arms, 999);
  EXPECT_EQ(f.province(1).gold, 4);  // 0 + 1 * 5.1 - 0.9 = 4.2
}

// The refund's 0.9 is what decides the rounding here: 97 + 1.35 - 0.9 = 97.45 keeps 97, where
// a charge of 0.8 would give 97.55 and 98.
TEST(RaiseArms, TheRefundLessItsNinePointDecidesTheRounding) {
  OrderFixture f;
  f.s.armsPrice = 1.35;
  f.province(1).arms = 998;
  f.province(1).gold = 100;
  f.type("3");  // 2.22 rounds to 2: one point over the limit
  EXPECT_TRUE(RaiseArms(f.game, 1, f.entered()));
  EXPECT_EQ(f.province(1).arms, 999);
  EXPECT_EQ(f.province(1).gold, 97);
}

TEST(RaiseArms, Refusals) {
  OrderFixture f;
  f.s.armsPrice = 7.5;
  f.province(1).arms = 999;
  f.province(1).gold = 100;
  f.type("50");
  expectRefused(f, RaiseArms, {"これ以上増やせません"}, {});
  f.province(1).arms = 35;
  f.province(1).gold = 9;
  expectRefused(f, RaiseArms, {"金が足りません"}, {});
  f.province(1).gold = 100;
  f.type("7");  // below the price
  expectRefused(f, RaiseArms, {"金が足りません"}, {});
  f.type("-10");
  expectRefused(f, RaiseArms, {"金が足りません"}, {});
  f.type("101");
  expectRefused(f, RaiseArms, {"金100しか持っていません"}, {});
  f.type("ten");
  expectRefused(f, RaiseArms, {"整数を入力してください"}, {});
}

}  // namespace
}  // namespace velmora::test
