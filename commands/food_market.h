#pragma once

namespace velmora {

struct Game;
struct OrderInput;

// The player's food trades at the market price: true when carried out, false when refused.
bool SellFood(Game& g, int p, const OrderInput& in);
bool BuyFood(Game& g, int p, const OrderInput& in);

}  // namespace velmora
