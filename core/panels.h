#pragma once

#include "core/panel.h"

namespace velmora {

struct Game;

// The command-panel steps of the main window. The game decides which panel is shown and what
// its labels say; the port draws it.
void showPanel(Game& g, Panel panel);
void beginPlayerOrder(Game& g);
void backToOrderPanel(Game& g);
void showTargetPanel(Game& g);
void showAmountPanel(Game& g);
void completeOrder(Game& g);
// The same for an order whose province has just been checked: its limit boxes are not shown
// a second time.
void completeCheckedOrder(Game& g);

}  // namespace velmora
