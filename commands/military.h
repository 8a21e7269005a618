#pragma once

namespace velmora {

struct Game;
struct OrderInput;

// 武装強化 and 兵増強 at the market prices: true when carried out, false when refused.
bool RaiseArms(Game& g, int p, const OrderInput& in);
bool RaiseTroops(Game& g, int p, const OrderInput& in);

}  // namespace velmora
