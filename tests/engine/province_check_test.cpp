#include <gtest/gtest.h>

#include "core/messages.h"
#include "core/province_check.h"
#include "engine/fake_port.h"

namespace velmora::test {
namespace {

void fillWith(Province& p, std::int32_t v) {
  p.power = p.town = p.castle = p.food = p.gold = p.troops = p.arms = p.morale = v;
}

TEST(ProvinceCheck, NineHundredNinetyNineIsInsideTheLimits) {
  Fixture f;
  f.port.clear();
  fillWith(f.s.provinces[3], 999);
  checkProvince(f.game, 3);
  EXPECT_TRUE(f.port.boxes.empty());
  ASSERT_EQ(f.port.redraws.size(), 1u);
  EXPECT_EQ(f.port.redraws[0].first, f.s.provinces[3]);
}

TEST(ProvinceCheck, ReportsEveryValueOutsideTheLimitsInItsOrderWithoutChangingIt) {
  Fixture f;
  f.port.clear();
  Province& p = f.s.provinces[2];
  fillWith(p, 1000);
  p.gold = -3;
  p.food = -5;
  p.troops = 1200;
  checkProvince(f.game, 2);
  std::vector<std::string> expected{"MAXエラー兵 1200:999",   "MAXエラー国力 1000:999",
                                    "MAXエラー町 1000:999",   "MAXエラー城 1000:999",
                                    "MAXエラー武装 1000:999", "MAXエラー民度 1000:999",
                                    "MINエラー金-3:999",      "MINエラー米-5:999"};
  EXPECT_EQ(f.port.boxTexts(), expected);
  for (const auto& box : f.port.boxes) {
    EXPECT_EQ(box.buttons, BoxButtons::Ok);
    EXPECT_EQ(box.caption, "Velmora");
  }
  EXPECT_EQ(p.troops, 1200);
  EXPECT_EQ(p.food, -5);

  // The same boxes come again at the next check until an order mends the values.
  f.port.clear();
  checkProvince(f.game, 2);
  EXPECT_EQ(f.port.boxTexts(), expected);
}

// Each value alone, one past its limit, still gets its box.
TEST(ProvinceCheck, EveryLimitIsTestedOnItsOwn) {
  Fixture f;
  for (std::int32_t Province::*field :
       {&Province::troops, &Province::power, &Province::town, &Province::castle, &Province::food,
        &Province::gold, &Province::arms, &Province::morale}) {
    for (std::int32_t v : {1000, -1}) {
      fillWith(f.s.provinces[4], 500);
      f.s.provinces[4].*field = v;
      f.port.clear();
      checkProvince(f.game, 4);
      const bool below = field == &Province::gold || field == &Province::food;
      EXPECT_EQ(f.port.boxes.size(), v > 0 || below ? 1u : 0u) << v;
    }
  }
}

// A screen nobody watches is sent no line and no redraw, but every box: the simulator without
// a log plays exactly the game a watched screen would.
TEST(ProvinceCheck, AnUnwatchedScreenGetsBoxesButNoLinesOrRedraws) {
  Fixture f;
  f.port.watchedScreen = false;
  f.port.clear();
  f.s.provinces[2].troops = 1000;
  showLine1(f.game, "一", 2, "三");
  checkAllProvinces(f.game);
  EXPECT_TRUE(f.port.lines.empty());
  EXPECT_TRUE(f.port.redraws.empty());
  EXPECT_EQ(f.port.boxTexts(), std::vector<std::string>{"MAXエラー兵 1000:999"});
  f.port.watchedScreen = true;
  showLine1(f.game, "一", 2, "三");
  EXPECT_EQ(f.port.linesOf(1), std::vector<std::string>{"一2三"});
}

TEST(ProvinceCheck, HighlightFollowsTheLord) {
  Fixture f("織田");
  f.port.clear();
  f.s.provinces[1].lord = "斉藤";
  f.s.provinces[5].lord = "織田";
  checkAllProvinces(f.game);
  ASSERT_EQ(f.port.redraws.size(), 10u);
  EXPECT_FALSE(f.port.redraws[0].second);
  EXPECT_TRUE(f.port.redraws[4].second);
}

}  // namespace
}  // namespace velmora::test
