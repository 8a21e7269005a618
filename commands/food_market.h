#pragma once

namespace velmora {

struct Game;

// The player's food trades at the market price: true when carried out, false when refused.
bool SellFood(Game& g, int p);
bool BuyFood(Game& g, int p);

}  // namespace velmora
