#pragma once

#include <array>

namespace velmora {

struct Game;
struct ProvinceList;

// The computer's order for province p: a fixed response when the province's situation calls
// for one, else up to 20 draws weighted by the house's policy, else "何もしない".
void playComputerTurn(Game& g, int p);

// The fixed responses and the computer's own orders; each is true when it gave an order.
bool seizeAttackChance(Game& g, int p);
bool buildTroopsWhenRich(Game& g, int p);
bool sellFoodWhenPoor(Game& g, int p);
bool buyFoodWhenHungry(Game& g, int p);
bool moveSurplus(Game& g, int p);
bool tradeFood(Game& g, int p);
bool attackNeighbour(Game& g, int p);

// One entry of the list with (nearly) even odds from a single 1..99 draw; 0 when the draw
// finds none.
int pickEvenly(Game& g, const ProvinceList& list);

}  // namespace velmora
