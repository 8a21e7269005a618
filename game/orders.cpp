#include "game/orders.h"

#include "combat/attack.h"
#include "commands/development.h"
#include "commands/food_market.h"
#include "commands/military.h"
#include "commands/movement.h"
#include "core/details.h"
#include "core/messages.h"
#include "core/numeric.h"
#include "core/order_input.h"
#include "core/panel_port.h"
#include "core/panels.h"

namespace velmora {

namespace {

// The word each order writes in front of the province's name on its entry panel.
const char* actionLabel(CommandKind kind) {
  switch (kind) {
    case CommandKind::Move:
      return "移動:";
    case CommandKind::Attack:
      return "戦闘:";
    case CommandKind::RaiseTroops:
      return "兵増強:";
    case CommandKind::RaiseArms:
      return "武装強化:";
    case CommandKind::RaisePower:
      return "国力増大:";
    case CommandKind::BuildTown:
      return "町建設:";
    case CommandKind::BuildCastle:
      return "城普請:";
    case CommandKind::SellFood:
      return "食料売り:";
    case CommandKind::BuyFood:
      return "食料買い:";
    case CommandKind::DoNothing:
    case CommandKind::None:
      break;
  }
  return "";
}

// The market line shown under the amount: the price the order trades at, if any.
std::string marketLine(const GameState& s, CommandKind kind) {
  switch (kind) {
    case CommandKind::RaiseTroops:
      return "兵:" + formatPrice(s.troopsPrice);
    case CommandKind::RaiseArms:
      return "武器:" + formatPrice(s.armsPrice);
    case CommandKind::SellFood:
    case CommandKind::BuyFood:
      return "食料:" + formatPrice(s.foodPrice);
    default:
      return "";
  }
}

void selectTargetOrder(Game& g, CommandKind kind) {
  GameState& s = g.state;
  s.selectedCommand = kind;
  showTargetPanel(g);
  g.ui.panels.setPanelLabel(PanelLabel::Pic6,
                            actionLabel(kind) + s.provinces[s.currentProvince].name);
  const bool ready = kind == CommandKind::Move ? prepareMove(g, s.currentProvince)
                                               : prepareAttack(g, s.currentProvince);
  if (!ready) backToOrderPanel(g);
}

void selectAmountOrder(Game& g, CommandKind kind) {
  GameState& s = g.state;
  s.selectedCommand = kind;
  showAmountPanel(g);
  g.ui.panels.setPanelLabel(PanelLabel::Pic5,
                            actionLabel(kind) + s.provinces[s.currentProvince].name);
  // The panel switch has just emptied the market line; the orders without a price leave it so.
  const std::string market = marketLine(s, kind);
  if (!market.empty()) g.ui.panels.setPanelLabel(PanelLabel::Souba, market);
}

void selectNothing(Game& g) {
  if (!askOkCancel(g, "何もしない")) {
    backToOrderPanel(g);
    return;
  }
  showLine2(g, "何もしない");
  completeOrder(g);
}

bool carryOut(Game& g, CommandKind kind, int p, const OrderInput& in) {
  switch (kind) {
    case CommandKind::Move:
      return Move(g, p, in);
    case CommandKind::Attack:
      return declareAttack(g, p, in);
    case CommandKind::RaiseTroops:
      return RaiseTroops(g, p, in);
    case CommandKind::RaiseArms:
      return RaiseArms(g, p, in);
    case CommandKind::RaisePower:
      return RaisePower(g, p, in);
    case CommandKind::BuildTown:
      return BuildTown(g, p, in);
    case CommandKind::BuildCastle:
      return BuildCastle(g, p, in);
    case CommandKind::SellFood:
      return SellFood(g, p, in);
    case CommandKind::BuyFood:
      return BuyFood(g, p, in);
    case CommandKind::DoNothing:
    case CommandKind::None:
      break;
  }
  // No entry panel belongs to any other value, so there is nothing to carry out.
  return false;
}

}  // namespace

void selectOrder(Game& g, CommandKind kind) {
  switch (kind) {
    case CommandKind::Move:
    case CommandKind::Attack:
      selectTargetOrder(g, kind);
      return;
    case CommandKind::DoNothing:
      selectNothing(g);
      return;
    default:
      selectAmountOrder(g, kind);
      return;
  }
}

void confirmOrder(Game& g, const OrderInput& in) {
  if (in.order != g.state.selectedCommand || in.province != g.state.currentProvince) return;
  const bool completedBefore = g.state.orderCompleted;
  const ProvinceChanges changes(g);
  if (carryOut(g, in.order, in.province, in)) {
    changes.report(g, g.state.currentProvince);
    // An attack's settlement completes the order itself; a second completion would check the
    // province, and show its limit boxes, once more.
    const bool completedBySettlement = !completedBefore && g.state.orderCompleted;
    if (!completedBySettlement) completeOrder(g);
  } else {
    backToOrderPanel(g);
  }
}

}  // namespace velmora
