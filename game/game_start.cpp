#include "game/game_start.h"

#include "core/board_port.h"
#include "core/game.h"
#include "core/messages.h"
#include "core/scenario.h"
#include "game/autosave.h"
#include "game/save_game.h"

namespace velmora {

void startFirstGame(Game& g) {
  // Looked for before the new game's own autosave becomes the newest.
  const std::optional<AutosaveEntry> previous = resumableAutosave(g);
  openGame(g);
  if (previous && askOkCancel(g, "前回のゲーム(" + previous->caption + ")の続きから始めますか?") &&
      loadGameFrom(g, previous->file)) {
    return;
  }
  autosaveTurnStart(g);
}

bool askNewGame(Game& g) {
  if (!g.state.turnStart) {
    showBox(g, "新しいゲームはターンのはじめにしか始められません");
    return false;
  }
  return askOkCancel(g, "新しいゲームを始めますか?", BoxResult::Cancel);
}

void startNewGame(Game& g) {
  // Everything but what the settings dialog stores starts as at the program's start.
  const GameState& old = g.state;
  GameState fresh;
  fresh.firstStart = old.firstStart;
  fresh.settingHouseName = old.settingHouseName;
  fresh.settingSpeedIndex = old.settingSpeedIndex;
  fresh.settingEnterAdvance = old.settingEnterAdvance;
  fresh.messageWait = old.messageWait;
  fresh.autoAdvance = old.autoAdvance;
  fresh.enterAdvance = old.enterAdvance;
  fresh.playerHouse = old.playerHouse;
  g.state = std::move(fresh);
  g.battle = BattleState{};
  g.currentPanel = Panel::Message;
  g.okLock = 0;
  g.delegationMode = Game::DelegationMode::None;
  g.ui.board.setAutoPressTimer(false);
  g.ui.board.setDelegationMenuEnabled(false);
  openGame(g);
  autosaveTurnStart(g);
}

void resumeFromAutosave(Game& g, const AutosaveChooser& choose) {
  if (!g.state.turnStart) {
    showBox(g, "ロードはターンの始めしかできません");
    return;
  }
  const std::vector<AutosaveEntry> entries = listAutosaves(g);
  if (entries.empty()) {
    showBox(g, "オートセーブはまだありません");
    return;
  }
  if (const std::optional<std::filesystem::path> file = choose(entries)) loadGameFrom(g, *file);
}

bool chooseNewGameSettings(Game& g, const std::function<bool()>& choose) {
  const GameState before = g.state;
  if (choose()) return true;
  if (!g.ended) g.state = before;
  return false;
}

}  // namespace velmora
