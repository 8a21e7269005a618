#include <gtest/gtest.h>

#include "engine/order_fixture.h"
#include "game/orders.h"
#include "game/turn_cycle.h"

namespace velmora::test {
namespace {

using Lines = std::vector<std::string>;

// A scripted season: the player's orders, a computer's move, the autumn with its harvest,
// prices and an event. Each detail follows its line and gives exactly what changed.
TEST(Details, AScriptedSeasonGivesEachChangeBeforeAndAfter) {
  OrderFixture f;
  f.s.troopsPrice = 3.5;
  f.province(1).gold = 200;
  f.province(1).troops = 100;
  f.province(1).arms = 50;
  f.s.selectedCommand = CommandKind::RaiseTroops;
  f.type("100");
  confirmOrder(f.game, f.entered());
  EXPECT_EQ(f.port.details, Lines{"・尾張 兵 100→128 武装 50→39 金 200→102"});

  // A move gives what went across, then both provinces.
  f.port.clear();
  f.ownByPlayer(2);
  f.s.selectedCommand = CommandKind::Move;
  f.port.setTargetList({"三河"});
  f.port.selectTarget(0);
  f.typeTargets("28", "5", "2");
  confirmOrder(f.game, f.entered());
  EXPECT_EQ(f.port.details,
            (Lines{"・移動 尾張→三河 兵 28 食料 5 金 2", "・尾張 兵 128→100 金 102→100 食料 10→5",
                   "・三河 兵 10→38 武装 15→33 金 10→12 食料 10→15"}));

  // A refused order changes nothing and says nothing more.
  f.port.clear();
  f.s.selectedCommand = CommandKind::RaisePower;
  f.type("5");
  confirmOrder(f.game, f.entered());
  EXPECT_TRUE(f.port.details.empty());

  // The autumn: every province's harvest, the prices drawn, and what the event came to
  // within its bound (the window says the 20 drawn; the food could take only what the bound left).
  f.port.clear();
  f.province(4).food = 975;
  f.s.season = 2;
  f.s.orderPosition = 11;
  f.rng.push({0.5, 0.5, 0.5});  // prices 1.4, 4.6, 7.6
  f.rng.push({0.0, 0.0});       // an event: 豊作
  for (int p = 1; p <= 10; ++p) {
    f.rng.push(p == 4 ? 0.4 : 0.0);  // only 信濃 is struck,
    if (p == 4) f.rng.push(0.99);    // by 20
  }
  pressOk(f.game);
  ASSERT_EQ(f.port.details.size(), 12u);
  EXPECT_EQ(f.port.details[0], "・尾張 収穫 金+20 食料+20");
  EXPECT_EQ(f.port.details[3], "・信濃 収穫 金+10 食料+20");
  EXPECT_EQ(f.port.details[10], "・相場 食料 1.4 武器 7.6 兵 4.6");
  EXPECT_EQ(f.port.details[11], "・信濃 食料 995→999");  // 20 drawn, 4 taken
}

}  // namespace
}  // namespace velmora::test
