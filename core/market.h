#pragma once

namespace velmora {

struct Game;

// Draws new food, troops and arms prices, in that order, and shows them on the market board.
void drawMarketPrices(Game& g);

// Writes the current prices into the market board.
void showMarketPrices(Game& g);

}  // namespace velmora
