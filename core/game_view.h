#pragma once

#include <string>
#include <vector>

#include "core/panel.h"
#include "core/state_terms.h"

namespace velmora {

struct Game;
struct SeasonStanding;

// What the screens read of the running game, for the windows that need no more of it than
// this: they then do not rebuild with the game state.
bool gameEnded(const Game& g);
Panel shownPanel(const Game& g);
int currentProvince(const Game& g);
CommandKind pendingOrder(const Game& g);
bool atTurnStart(const Game& g);
std::string houseName(const Game& g, int house);
// The player's house number, 0 when no house is the player's.
int playerHouse(const Game& g);
// The house holding province p, 0 for none.
int holderOf(const Game& g, int p);
// "N年目の季", the caption of the main window.
std::string seasonCaption(const Game& g);
// The course of the game since it was started or loaded.
const std::vector<SeasonStanding>& courseOf(const Game& g);

}  // namespace velmora
