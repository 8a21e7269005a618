#include "persistence/save_game.h"

#include "core/messages.h"

namespace velmora {

// Placeholder until the save file lands: both refuse without touching anything.
bool saveGame(Game& g) {
  if (!g.state.turnStart) {
    showBox(g, "セーブはターンのはじめしかできません");
    return false;
  }
  showBox(g, "Game.dt");
  return false;
}

void loadGame(Game& g) {
  if (!g.state.turnStart) {
    showBox(g, "ロードはターンの始めしかできません");
    return;
  }
  showBox(g, "Game.dt");
}

}  // namespace velmora
