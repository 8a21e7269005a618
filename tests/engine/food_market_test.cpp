#include <gtest/gtest.h>

#include "commands/food_market.h"
#include "engine/order_fixture.h"

namespace velmora::test {
namespace {

using Lines = std::vector<std::string>;

TEST(SellFood, ProceedsAboveTheLimitAreCutAndOnlyTheirFoodLeaves) {
  OrderFixture f;
  f.s.foodPrice = 1.5;
  f.province(1).food = 300;
  f.province(1).gold = 900;
  f.type("100");
  EXPECT_TRUE(SellFood(f.game, 1, f.entered()));
  EXPECT_EQ(f.port.boxTexts(), Lines{"一部返金します"});
  EXPECT_EQ(f.province(1).gold, 999);
  EXPECT_EQ(f.province(1).food, 234);  // 99 / 1.5 = 66 left
  EXPECT_EQ(f.port.linesOf(2), Lines{"尾張で食料を換金されました"});
}

TEST(SellFood, ProceedsAreRoundedHalfToEven) {
  OrderFixture f;
  f.s.foodPrice = 0.5;
  f.province(1).food = 100;
  f.province(1).gold = 10;
  f.type("5");  // 2.5 gold -> 2, which pays for 4 food
  EXPECT_TRUE(SellFood(f.game, 1, f.entered()));
  EXPECT_EQ(f.province(1).gold, 12);
  EXPECT_EQ(f.province(1).food, 96);
  EXPECT_TRUE(f.port.boxes.empty());
}

TEST(BuyFood, FoodAboveTheLimitIsCutAndOnlyTheFoodTakenIsPaid) {
  OrderFixture f;
  f.s.foodPrice = 0.4;
  f.province(1).food = 950;
  f.province(1).gold = 100;
  f.type("100");
  EXPECT_TRUE(BuyFood(f.game, 1, f.entered()));
  EXPECT_EQ(f.port.boxTexts(), Lines{"一部返品します"});
  EXPECT_EQ(f.province(1).food, 999);
  EXPECT_EQ(f.province(1).gold, 80);  // 100 - 49 * 0.4 = 80.4
  EXPECT_EQ(f.port.linesOf(2), Lines{"尾張で食料を買われました"});
}

// A purse of exactly the price buys: only a purse below it is refused.
TEST(BuyFood, GoldEqualToThePriceBuysOneUnit) {
  OrderFixture f;
  f.s.foodPrice = 2;
  f.province(1).food = 100;
  f.province(1).gold = 2;
  f.type("2");
  EXPECT_TRUE(BuyFood(f.game, 1, f.entered()));
  EXPECT_TRUE(f.port.boxes.empty());
  EXPECT_EQ(f.province(1).food, 101);
  EXPECT_EQ(f.province(1).gold, 0);
}

TEST(FoodMarket, ReachingTheLimitExactlyIsNoCut) {
  OrderFixture f;
  f.s.foodPrice = 0.5;
  f.province(1).food = 998;
  f.province(1).gold = 998;
  f.type("2");
  EXPECT_TRUE(SellFood(f.game, 1, f.entered()));  // 1 gold for 2 food
  EXPECT_EQ(f.province(1).gold, 999);
  EXPECT_EQ(f.province(1).food, 996);
  f.province(1).food = 998;
  f.type("0.5");  // rounds to 0, which still buys with a purse above the price
  EXPECT_TRUE(BuyFood(f.game, 1, f.entered()));
  f.type("1");  // 2 food would pass the limit by one
  EXPECT_TRUE(BuyFood(f.game, 1, f.entered()));
  EXPECT_EQ(f.port.boxTexts(), Lines{"一部返品します"});
  EXPECT_EQ(f.province(1).food, 999);
  EXPECT_EQ(f.province(1).gold, 998);  // 999 - 0.5 rounds half to even to 998
}

TEST(FoodMarket, ZeroCompletesWithNothingChanged) {
  OrderFixture f;
  f.s.foodPrice = 0.9;
  f.type("0");
  auto before = f.s.provinces;
  EXPECT_TRUE(SellFood(f.game, 1, f.entered()));
  EXPECT_TRUE(BuyFood(f.game, 1, f.entered()));
  EXPECT_EQ(f.s.provinces, before);
  EXPECT_TRUE(f.port.boxes.empty());
}

TEST(SellFood, RefusalsInTheirOrder) {
  OrderFixture f;
  f.s.foodPrice = 1.2;
  f.province(1).food = 30;
  f.province(1).gold = 999;
  f.type("31");
  expectRefused(f, SellFood, "食料30しか持っていません");  // before the full purse
  f.type("30");
  expectRefused(f, SellFood, "これ以上金を増やせません");
  f.province(1).gold = 50;
  // Selling a negative quantity would buy food at the sale price; 0 is the least it takes.
  f.type("－５");
  expectRefused(f, SellFood, "0以上の数字を入力してください");
  for (const char* bad : {"", "five", "1e2", "2147483648"}) {
    f.type(bad);
    expectRefused(f, SellFood, "整数を入力してください");
  }
}

TEST(BuyFood, RefusalsInTheirOrder) {
  OrderFixture f;
  f.s.foodPrice = 1.2;
  f.province(1).food = 999;
  f.province(1).gold = 50;
  f.type("51");
  expectRefused(f, BuyFood, "金50しか持っていません");  // before the full store
  f.type("50");
  expectRefused(f, BuyFood, "これ以上食料を増やせません");
  f.province(1).food = 10;
  f.province(1).gold = 1;  // below the price of one unit
  f.type("0");
  expectRefused(f, BuyFood, "金が足りません");
  // Buying with a negative sum would sell food and could leave the store below 0.
  f.province(1).gold = 50;
  f.type("-20");
  expectRefused(f, BuyFood, "金が足りません");
  // It is told so where the purse is checked against the price, after the full store.
  f.province(1).food = 999;
  expectRefused(f, BuyFood, "これ以上食料を増やせません");
  f.province(1).food = 10;
  for (const char* bad : {" ", "1,000", "-2147483649"}) {
    f.type(bad);
    expectRefused(f, BuyFood, "整数を入力してください");
  }
}

}  // namespace
}  // namespace velmora::test
