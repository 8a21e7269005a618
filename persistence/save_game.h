#pragma once

#include "core/game.h"

namespace velmora {

// Writes Game.dt; true when the file was written.
bool saveGame(Game& g);

// Reads Game.dt back into the running game.
void loadGame(Game& g);

}  // namespace velmora
