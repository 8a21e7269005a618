#pragma once

namespace velmora {

struct Game;

// Settles a decided battle, closes the battle window and brings the main window forward.
void endBattle(Game& g, bool won);

// The province changes after a battle.
void settleBattle(Game& g, bool won);

}  // namespace velmora
