#include "core/market.h"

#include <cmath>

#include "core/board_port.h"
#include "core/game.h"
#include "core/message_port.h"
#include "core/numeric.h"
#include "core/random.h"

namespace velmora {

void drawMarketPrices(Game& g) {
  // Each price is the double the formula gives (0.6 + 0.3 stays 0.8999999999999999): the
  // computer's food trades compare against these exact values.
  g.state.foodPrice = std::floor(g.rng.next() * 20 + 1) / 10 + 0.3;
  g.state.troopsPrice = std::floor(g.rng.next() * 50 + 1) / 10 + 2;
  g.state.armsPrice = std::floor(g.rng.next() * 50 + 1) / 10 + 5;
  showMarketPrices(g);
}

void showMarketPrices(Game& g) {
  if (!g.ui.messages.watched()) return;
  g.ui.board.showPrices(formatPrice(g.state.foodPrice), formatPrice(g.state.armsPrice),
                        formatPrice(g.state.troopsPrice));
}

}  // namespace velmora
