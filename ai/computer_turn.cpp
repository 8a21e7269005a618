#include "ai/computer_turn.h"

#include "core/messages.h"

namespace velmora {

// The computer houses do nothing until their orders exist.
void playComputerTurn(Game& g, int /*p*/) { showLine2(g, "何もしない"); }

}  // namespace velmora
