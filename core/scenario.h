#pragma once

namespace velmora {

struct Game;

// Builds the opening scenario into the state, checks and draws every province and draws the
// first market prices.
void newGame(Game& g);

// What the main window does when it opens, after seeding the random source: a new game, the
// first season line and the OK prompt.
void openGame(Game& g);

}  // namespace velmora
