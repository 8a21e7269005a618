#pragma once

#include "core/state_terms.h"

namespace velmora {

struct Game;
struct OrderInput;

// The player chose an order button (or its key) for the current province.
void selectOrder(Game& g, CommandKind kind);

// OK on the amount or target panel: carry out the pending order with what the player typed
// and chose there. An input given for another order or province than the pending one (a
// recording out of step) changes nothing.
void confirmOrder(Game& g, const OrderInput& in);

}  // namespace velmora
