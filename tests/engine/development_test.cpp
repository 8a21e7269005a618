#include <gtest/gtest.h>

#include "commands/development.h"
#include "engine/order_fixture.h"

namespace velmora::test {
namespace {

using Boxes = std::vector<std::string>;

TEST(Development, RefundBoxWhenTheSpendWouldPassTheLimit) {
  OrderFixture f;
  f.province(1).power = 995;
  f.province(1).gold = 200;
  f.type("100");
  EXPECT_TRUE(RaisePower(f.game, 1, f.entered()));
  EXPECT_EQ(f.port.boxTexts(), Boxes{"最大値を越します、金40だけでよいです。金60は返金します。"});
  EXPECT_EQ(f.province(1).power, 999);  // gain 8 for 40, held at the limit
  EXPECT_EQ(f.province(1).gold, 160);
  EXPECT_EQ(f.province(1).morale, 51);
  EXPECT_EQ(f.port.linesOf(2), Boxes{"尾張で開墾されました"});
}

TEST(Development, LimitTestRoundsTheTenthsHalfToEven) {
  OrderFixture f;
  f.province(1).power = 994;
  f.province(1).gold = 200;
  f.type("55");  // 994 + 5.5 -> 1000: only 50 is needed
  EXPECT_TRUE(RaisePower(f.game, 1, f.entered()));
  EXPECT_EQ(f.port.boxTexts(), Boxes{"最大値を越します、金50だけでよいです。金5は返金します。"});
  EXPECT_EQ(f.province(1).gold, 150);

  f.port.clear();
  f.province(1).power = 994;
  f.type("45");  // 994 + 4.5 -> 998: all of it is spent
  EXPECT_TRUE(RaisePower(f.game, 1, f.entered()));
  EXPECT_TRUE(f.port.boxes.empty());
  EXPECT_EQ(f.province(1).gold, 105);
  EXPECT_EQ(f.province(1).power, 999);
}

TEST(Development, EdgesOfTheLimits) {
  OrderFixture f;
  // One point below the limit with the least gold: the tenths fit exactly, no refund.
  f.province(1).power = 998;
  f.province(1).gold = 10;
  f.type("10");
  EXPECT_TRUE(RaisePower(f.game, 1, f.entered()));
  EXPECT_TRUE(f.port.boxes.empty());
  EXPECT_EQ(f.province(1).power, 999);
  EXPECT_EQ(f.province(1).gold, 0);

  // 998 + 1.5 is 999.5, which rounds half to even to 1000.
  f.port.clear();
  f.province(1).power = 998;
  f.province(1).gold = 15;
  f.type("15");
  EXPECT_TRUE(RaisePower(f.game, 1, f.entered()));
  EXPECT_EQ(f.port.boxTexts(), Boxes{"最大値を越します、金10だけでよいです。金5は返金します。"});
  EXPECT_EQ(f.province(1).gold, 5);

  // The typed amount is rounded before it is held against the greatest investment.
  f.port.clear();
  f.province(1).gold = 200;
  f.type("100.5");
  EXPECT_TRUE(BuildCastle(f.game, 1, f.entered()));
  EXPECT_EQ(f.province(1).castle, 40);
  EXPECT_EQ(f.province(1).gold, 100);
  f.type("100.6");
  EXPECT_FALSE(BuildCastle(f.game, 1, f.entered()));
  EXPECT_EQ(f.port.boxTexts(), Boxes{"投資は100までです"});
}

TEST(Development, GainFollowsTheSpendAndTheCastleGetsHalf) {
  const std::vector<std::pair<int, int>> table = {{10, 5},  {19, 5},  {20, 6},  {39, 6},
                                                  {40, 8},  {59, 8},  {60, 10}, {79, 10},
                                                  {80, 12}, {99, 12}, {100, 20}};
  for (auto [spend, gain] : table) {
    OrderFixture f;
    f.province(1).gold = 500;
    f.type(std::to_string(spend));
    ASSERT_TRUE(BuildTown(f.game, 1, f.entered()));
    EXPECT_EQ(f.province(1).town, 20 + gain) << spend;
    ASSERT_TRUE(BuildCastle(f.game, 1, f.entered()));
    EXPECT_EQ(f.province(1).castle, 30 + gain / 2) << spend;
    EXPECT_EQ(f.province(1).gold, 500 - 2 * spend);
    EXPECT_EQ(f.province(1).morale, 51) << "only the town raises morale";
    EXPECT_EQ(f.port.linesOf(2), (Boxes{"尾張で町を建設しました", "尾張で城の普請がありました"}));
  }
}

// A refused order shows exactly one box, writes no line and changes no province.
TEST(Development, PlayerRefusalsInTheirOrder) {
  OrderFixture f;
  f.province(1).gold = 50;
  f.province(1).castle = 999;
  f.province(1).town = 999;
  f.type("30");
  expectRefused(f, BuildCastle, "これ以上増やせません");
  expectRefused(f, BuildTown, "これ以上増やせません");
  f.province(1).gold = 5;
  expectRefused(f, BuildCastle, "これ以上増やせません");  // the full field is told first
  expectRefused(f, RaisePower, "金が足りません");

  f.province(1).gold = 50;
  f.type("150");
  expectRefused(f, RaisePower, "投資は100までです");  // before the payment check
  f.type("60");
  expectRefused(f, RaisePower, "金50しか持っていません");
  for (const char* low : {"9", "0", "-20", "9.4", "0.5"}) {
    f.type(low);
    expectRefused(f, RaisePower, "金が足りません");
  }
  for (const char* bad : {"", "abc", "3e1", "99999999999", "-99999999999"}) {
    f.type(bad);
    expectRefused(f, RaisePower, "整数を入力してください");
  }
}

TEST(Development, TypedAmountIsRoundedHalfToEven) {
  OrderFixture f;
  f.province(1).gold = 100;
  f.type("12.5");
  EXPECT_TRUE(RaisePower(f.game, 1, f.entered()));
  EXPECT_EQ(f.province(1).gold, 88);
  f.type("13.5");
  EXPECT_TRUE(RaisePower(f.game, 1, f.entered()));
  EXPECT_EQ(f.province(1).gold, 74);
}

TEST(Development, ComputerChoosesHalfItsGoldInTensUpToAHundred) {
  const std::vector<std::pair<int, int>> cases = {{10, 10}, {20, 10}, {21, 10},  {35, 10},
                                                  {40, 20}, {99, 40}, {250, 100}};
  for (auto [gold, spend] : cases) {
    OrderFixture f;
    f.province(2).gold = gold;
    f.type("1");  // the computer never reads the box
    ASSERT_TRUE(RaisePower(f.game, 2, f.entered())) << gold;
    EXPECT_EQ(f.province(2).gold, gold - spend) << gold;
    EXPECT_TRUE(f.port.boxes.empty());
  }
}

TEST(Development, ComputerAndDelegatedProvincesAreRefusedSilentlyButSeeTheRefund) {
  OrderFixture f;
  f.province(2).gold = 9;
  auto before = f.s.provinces;
  EXPECT_FALSE(RaisePower(f.game, 2, f.entered()));
  f.province(2).gold = 100;
  f.province(2).castle = 999;
  before = f.s.provinces;
  EXPECT_FALSE(BuildCastle(f.game, 2, f.entered()));
  EXPECT_EQ(f.s.provinces, before);
  EXPECT_TRUE(f.port.boxes.empty());

  f.province(2).power = 995;
  f.province(2).gold = 250;
  EXPECT_TRUE(RaisePower(f.game, 2, f.entered()));
  EXPECT_EQ(f.port.boxTexts(), Boxes{"最大値を越します、金40だけでよいです。金60は返金します。"});
  EXPECT_EQ(f.province(2).gold, 210);

  // A delegated province of the player chooses its own amount as well.
  f.port.clear();
  f.s.delegated[1] = true;
  f.province(1).gold = 40;
  f.type("abc");
  EXPECT_TRUE(BuildTown(f.game, 1, f.entered()));
  EXPECT_EQ(f.province(1).gold, 20);
  f.province(1).gold = 5;
  EXPECT_FALSE(BuildTown(f.game, 1, f.entered()));
  EXPECT_TRUE(f.port.boxes.empty());
}

TEST(Development, PaymentCheckComparesGoldFirstThenTheUnitPrice) {
  OrderFixture f;
  f.province(1).gold = 5;
  EXPECT_FALSE(checkPayment(f.game, 1, 6, 2.5));
  EXPECT_FALSE(checkPayment(f.game, 1, 2, 2.5));
  EXPECT_TRUE(checkPayment(f.game, 1, 5, 2.5));
  EXPECT_EQ(f.port.boxTexts(), (Boxes{"金5しか持っていません", "金が足りません"}));
}

}  // namespace
}  // namespace velmora::test
