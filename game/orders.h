#pragma once

#include "core/game.h"
#include "core/terms.h"

namespace velmora {

// The player chose an order button (or its key) for the current province.
void selectOrder(Game& g, CommandKind kind);

// OK on the amount or target panel: carry out the pending order.
void confirmOrder(Game& g);

}  // namespace velmora
