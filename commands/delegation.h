#pragma once

namespace velmora {

struct Game;

// 委任(&I): opens the delegation panel listing the player's provinces not yet delegated.
void openDelegation(Game& g);

// 委任解除(&K): opens the panel listing the delegated provinces.
void openRecall(Game& g);

// OK on the delegation panel: delegate or recall the selected province.
void confirmDelegation(Game& g);

}  // namespace velmora
