#pragma once

namespace velmora {

struct Game;
struct DelegationChoice;

// 委任(&I): opens the delegation panel listing the player's provinces not yet delegated.
void openDelegation(Game& g);

// 委任解除(&K): opens the panel listing the delegated provinces.
void openRecall(Game& g);

// OK on the delegation panel: delegate or recall the province of the chosen line.
void confirmDelegation(Game& g, const DelegationChoice& choice);

}  // namespace velmora
