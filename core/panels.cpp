#include "core/panels.h"

#include "core/board_port.h"
#include "core/game.h"
#include "core/panel_port.h"
#include "core/province_check.h"

namespace velmora {

namespace {

void showOrderPanelFor(Game& g) {
  showPanel(g, Panel::Order);
  g.ui.panels.setPanelLabel(PanelLabel::Pic2, g.state.provinces[g.state.currentProvince].name);
}

void finishOrder(Game& g, bool checkFirst) {
  g.ui.panels.setPanelLabel(PanelLabel::Pic2, "");
  g.ui.panels.setPanelLabel(PanelLabel::Pic5, "");
  if (checkFirst) checkProvince(g, g.state.currentProvince);
  showPanel(g, Panel::Message);
  g.ui.board.setDelegationMenuEnabled(false);
  g.state.orderCompleted = true;
}

}  // namespace

void showPanel(Game& g, Panel panel) {
  g.ui.panels.setPanelLabel(PanelLabel::Souba, "");
  g.ui.panels.showPanel(panel);
  g.currentPanel = panel;
}

void beginPlayerOrder(Game& g) {
  g.state.autoAdvanceReady = false;
  showOrderPanelFor(g);
}

void backToOrderPanel(Game& g) { showOrderPanelFor(g); }

void showTargetPanel(Game& g) { showPanel(g, Panel::Target); }

void showAmountPanel(Game& g) {
  showPanel(g, Panel::Amount);
  const Province& p = g.state.provinces[g.state.currentProvince];
  g.ui.panels.setAmountText(
      std::to_string(g.state.selectedCommand == CommandKind::SellFood ? p.food : p.gold));
}

void completeOrder(Game& g) { finishOrder(g, true); }

void completeCheckedOrder(Game& g) { finishOrder(g, false); }

}  // namespace velmora
