#pragma once

namespace velmora {

struct Game;

// The player's tactic button k (0..4); true when the choice was accepted.
bool setPlayerTactic(Game& g, int k);

// The computer's tactic for province p fighting province q.
int chooseComputerTactic(Game& g, int p, int q);

// The tactic the house of province q has used most (or a random one for a novice house).
int mostUsedTactic(Game& g, int q);

// Holds back half of each side that besieges.
void applySiege(Game& g);

}  // namespace velmora
