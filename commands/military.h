#pragma once

namespace velmora {

struct Game;

// 武装強化 and 兵増強 at the market prices: true when carried out, false when refused.
bool RaiseArms(Game& g, int p);
bool RaiseTroops(Game& g, int p);

}  // namespace velmora
