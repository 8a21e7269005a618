#include <gtest/gtest.h>

#include "core/panels.h"
#include "engine/order_fixture.h"
#include "game/orders.h"

namespace velmora::test {
namespace {

using Lines = std::vector<std::string>;

std::string label(const RecordingPort& port, PanelLabel l) {
  return port.labels[static_cast<int>(l)];
}

TEST(Panels, EverySwitchClearsThePriceLineAndOnlyTheStartStopsTheAutoPress) {
  OrderFixture f;
  f.s.autoAdvanceReady = true;
  f.port.labels[static_cast<int>(PanelLabel::Souba)] = "兵:3.5";
  showPanel(f.game, Panel::Political);
  EXPECT_EQ(f.port.panel, Panel::Political);
  EXPECT_EQ(f.game.currentPanel, Panel::Political);
  EXPECT_EQ(label(f.port, PanelLabel::Souba), "");

  // Going back to the orders keeps the automatic advance as it was and names the province.
  f.s.currentProvince = 6;
  backToOrderPanel(f.game);
  EXPECT_EQ(f.port.panel, Panel::Order);
  EXPECT_EQ(label(f.port, PanelLabel::Pic2), "伊勢");
  EXPECT_TRUE(f.s.autoAdvanceReady);

  // The start of an order stops it.
  f.s.currentProvince = 1;
  beginPlayerOrder(f.game);
  EXPECT_EQ(f.port.panel, Panel::Order);
  EXPECT_EQ(label(f.port, PanelLabel::Pic2), "尾張");
  EXPECT_FALSE(f.s.autoAdvanceReady);
  EXPECT_TRUE(f.port.boxes.empty());
  EXPECT_TRUE(f.port.lines.empty());
}

TEST(SelectOrder, AmountOrdersLabelThePanelAndPrefillTheAmount) {
  const struct {
    CommandKind kind;
    const char* action;
    const char* amount;
    const char* market;
  } cases[] = {
      {CommandKind::RaiseTroops, "兵増強:尾張", "77", "兵:3.5"},
      {CommandKind::RaiseArms, "武装強化:尾張", "77", "武器:10"},
      {CommandKind::RaisePower, "国力増大:尾張", "77", ""},
      {CommandKind::BuildTown, "町建設:尾張", "77", ""},
      {CommandKind::BuildCastle, "城普請:尾張", "77", ""},
      {CommandKind::SellFood, "食料売り:尾張", "33", "食料:0.9"},
      {CommandKind::BuyFood, "食料買い:尾張", "77", "食料:0.9"},
  };
  OrderFixture f;
  f.s.troopsPrice = 3.5;
  f.s.armsPrice = 10;
  f.s.foodPrice = 0.6 + 0.3;
  f.province(1).gold = 77;
  f.province(1).food = 33;
  for (const auto& c : cases) {
    // Each choice follows one with a price, so a stale market line would show.
    selectOrder(f.game, CommandKind::RaiseTroops);
    selectOrder(f.game, c.kind);
    EXPECT_EQ(f.s.selectedCommand, c.kind);
    EXPECT_EQ(f.port.panel, Panel::Amount);
    EXPECT_EQ(f.game.currentPanel, Panel::Amount);
    EXPECT_EQ(label(f.port, PanelLabel::Pic5), c.action);
    EXPECT_EQ(f.port.amount, c.amount);
    EXPECT_EQ(label(f.port, PanelLabel::Souba), c.market);
  }
  EXPECT_TRUE(f.port.boxes.empty());
  EXPECT_TRUE(f.port.lines.empty());
}

TEST(SelectOrder, MoveOpensTheTargetPanelOrReturnsToTheOrders) {
  OrderFixture f;
  selectOrder(f.game, CommandKind::Move);
  EXPECT_EQ(f.port.boxTexts(), Lines{"隣に味方の領土がありません"});
  EXPECT_EQ(f.port.panel, Panel::Order);
  EXPECT_EQ(label(f.port, PanelLabel::Pic2), "尾張");

  f.port.clear();
  f.ownByPlayer(6);
  selectOrder(f.game, CommandKind::Move);
  EXPECT_TRUE(f.port.boxes.empty());
  EXPECT_EQ(f.port.panel, Panel::Target);
  EXPECT_EQ(label(f.port, PanelLabel::Pic6), "移動:尾張");
  EXPECT_EQ(f.port.targets, Lines{"伊勢"});
  EXPECT_EQ(f.s.selectedCommand, CommandKind::Move);
}

TEST(SelectOrder, AttackWithoutAnEnemyNeighbourReturnsToTheOrders) {
  OrderFixture f;
  for (int p : {2, 5, 6}) f.ownByPlayer(p);
  selectOrder(f.game, CommandKind::Attack);
  EXPECT_EQ(f.s.selectedCommand, CommandKind::Attack);
  EXPECT_EQ(label(f.port, PanelLabel::Pic6), "戦闘:尾張");
  EXPECT_EQ(f.port.boxTexts(), Lines{"戦闘可能都市がありません"});
  EXPECT_EQ(f.port.panel, Panel::Order);
}

TEST(SelectOrder, DoNothingAsksFirst) {
  OrderFixture f;
  const auto before = f.s;
  f.port.answer(BoxResult::Cancel);
  selectOrder(f.game, CommandKind::DoNothing);
  ASSERT_EQ(f.port.boxes.size(), 1u);
  EXPECT_EQ(f.port.boxes[0].text, "何もしない");
  EXPECT_EQ(f.port.boxes[0].buttons, BoxButtons::OkCancel);
  EXPECT_EQ(f.port.boxes[0].defaultButton, BoxResult::Ok);
  EXPECT_FALSE(f.port.boxes[0].warning);
  EXPECT_EQ(f.port.boxes[0].caption, "Velmora");
  EXPECT_TRUE(f.port.lines.empty());
  EXPECT_EQ(f.port.panel, Panel::Order);
  EXPECT_EQ(f.s, before);

  f.port.delegationMenuEnabled = true;
  selectOrder(f.game, CommandKind::DoNothing);
  EXPECT_EQ(f.port.linesOf(2), Lines{"何もしない"});
  EXPECT_EQ(f.port.panel, Panel::Message);
  EXPECT_TRUE(f.s.orderCompleted);
  EXPECT_FALSE(f.port.delegationMenuEnabled);
}

TEST(ConfirmOrder, SuccessCompletesTheProvincesTurn) {
  OrderFixture f;
  f.province(1).gold = 100;
  f.port.delegationMenuEnabled = true;
  selectOrder(f.game, CommandKind::RaisePower);
  f.type("30");
  confirmOrder(f.game, f.entered());
  EXPECT_EQ(f.province(1).power, 26);
  EXPECT_EQ(f.province(1).gold, 70);
  EXPECT_EQ(f.port.linesOf(2), Lines{"尾張で開墾されました"});
  EXPECT_TRUE(f.s.orderCompleted);
  EXPECT_EQ(f.port.panel, Panel::Message);
  EXPECT_EQ(label(f.port, PanelLabel::Pic2), "");
  EXPECT_EQ(label(f.port, PanelLabel::Pic5), "");
  EXPECT_FALSE(f.port.delegationMenuEnabled);
  ASSERT_FALSE(f.port.redraws.empty());
  EXPECT_EQ(f.port.redraws.back().first, f.province(1));
}

TEST(ConfirmOrder, RefusalReturnsToTheOrdersAndKeepsTheChoice) {
  OrderFixture f;
  f.province(1).gold = 100;
  selectOrder(f.game, CommandKind::BuildTown);
  const auto before = f.s;
  f.type("0.5");  // counts as 0
  confirmOrder(f.game, f.entered());
  EXPECT_EQ(f.port.boxTexts(), Lines{"金が足りません"});
  EXPECT_EQ(f.s, before);
  EXPECT_FALSE(f.s.orderCompleted);
  EXPECT_EQ(f.port.panel, Panel::Order);
  EXPECT_EQ(label(f.port, PanelLabel::Pic2), "尾張");
  EXPECT_EQ(f.s.selectedCommand, CommandKind::BuildTown);

  // The same order can be given again at once.
  f.type("12.5");  // counts as 12
  confirmOrder(f.game, f.entered());
  EXPECT_EQ(f.province(1).gold, 88);
  EXPECT_TRUE(f.s.orderCompleted);
}

TEST(ConfirmOrder, AnInputGivenForAnotherOrderOrProvinceChangesNothing) {
  OrderFixture f;
  f.province(1).gold = 100;
  selectOrder(f.game, CommandKind::RaisePower);
  f.type("30");
  const auto before = f.s;
  OrderInput otherOrder = f.entered();
  otherOrder.order = CommandKind::BuildTown;
  OrderInput otherProvince = f.entered();
  otherProvince.province = 2;
  f.port.clear();
  confirmOrder(f.game, otherOrder);
  confirmOrder(f.game, otherProvince);
  EXPECT_EQ(f.s, before);
  EXPECT_TRUE(f.port.boxes.empty());
  EXPECT_TRUE(f.port.lines.empty());
  EXPECT_EQ(f.port.panel, Panel::Amount);

  confirmOrder(f.game, f.entered());
  EXPECT_EQ(f.province(1).gold, 70);
}

TEST(ConfirmOrder, MoveReportsInItsOwnBoxAndCompletes) {
  OrderFixture f;
  f.ownByPlayer(2);
  selectOrder(f.game, CommandKind::Move);
  f.typeTargets("10", "0", "0");
  confirmOrder(f.game, f.entered());
  EXPECT_EQ(f.province(2).troops, 20);
  EXPECT_EQ(f.port.boxTexts(), Lines{"尾張から三河へ \r兵[10]\r食料[0]\r金[0]移動しました"});
  EXPECT_TRUE(f.s.orderCompleted);
}

}  // namespace
}  // namespace velmora::test
