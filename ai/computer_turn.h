#pragma once

#include "core/game.h"

namespace velmora {

// The computer's order for province p.
void playComputerTurn(Game& g, int p);

}  // namespace velmora
