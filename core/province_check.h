#pragma once

namespace velmora {

struct Game;

// Reports every value of province p outside its limits, one box each, then redraws its panel
// with the player's provinces highlighted. Changes no value.
void checkProvince(Game& g, int p);

// The same for provinces 1 to 10, in order.
void checkAllProvinces(Game& g);

// Redraws the panels of provinces 1 to 10 without the limit check: no box.
void redrawAllProvinces(Game& g);

}  // namespace velmora
