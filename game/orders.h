#pragma once

#include "core/state_terms.h"

namespace velmora {

struct Game;

// The player chose an order button (or its key) for the current province.
void selectOrder(Game& g, CommandKind kind);

// OK on the amount or target panel: carry out the pending order.
void confirmOrder(Game& g);

}  // namespace velmora
