#pragma once

#include <string>
#include <vector>

namespace velmora {

struct Game;

// Builds the opening scenario into the state, checks and draws every province and draws the
// first market prices.
void newGame(Game& g);

// What the main window does when it opens, after seeding the random source: a new game, the
// first season line and the OK prompt.
void openGame(Game& g);

// The houses of the opening scenario in house order, from a game of its own set up for the
// asking (the settings dialog offers them before the first game).
std::vector<std::string> openingHouseNames();

}  // namespace velmora
