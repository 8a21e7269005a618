#pragma once

#include "core/game.h"

namespace velmora {

// The ten orders a province can receive in a turn.
enum class CommandKind {
  Move = 1,
  Attack = 2,
  RaiseTroops = 3,
  RaiseArms = 4,
  RaisePower = 5,
  BuildTown = 6,
  BuildCastle = 7,
  SellFood = 8,
  BuyFood = 9,
  DoNothing = 10,
};

// The player chose an order button (or its key) for the current province.
void selectOrder(Game& g, CommandKind kind);

// OK on the amount or target panel: carry out the pending order.
void confirmOrder(Game& g);

}  // namespace velmora
