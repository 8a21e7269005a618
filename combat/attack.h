#pragma once

namespace velmora {

struct Game;

// Fills the target panel with the provinces province a can attack; false after its box.
bool prepareAttack(Game& g, int a);

// Checks the typed amounts, asks for confirmation and fights the battle; false when refused.
bool declareAttack(Game& g, int a);

}  // namespace velmora
