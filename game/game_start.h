#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace velmora {

struct Game;
struct AutosaveEntry;

// The program's first game, once the settings dialog's OK has opened the main window: a new
// game, then, when the last run left a game that had not ended, the offer to go on with it.
void startFirstGame(Game& g);

// 新しいゲーム: true when the player may and wants to start again (only at the start of a
// turn; elsewhere the refusal's box).
bool askNewGame(Game& g);

// A new game in the running program with the settings the dialog has just stored, as the
// program's start makes one (the random source is reseeded by the caller).
void startNewGame(Game& g);

// オートセーブから再開: at the start of a turn, the autosaves go to `choose` (newest first),
// and the one it returns is loaded as ロード loads Game.dt; nothing when it returns none.
// Elsewhere ロード's refusal.
using AutosaveChooser =
    std::function<std::optional<std::filesystem::path>(const std::vector<AutosaveEntry>&)>;
void resumeFromAutosave(Game& g, const AutosaveChooser& choose);

// The settings dialog for a new game, shown by `choose` (true on its OK). The dialog's load
// already changes the state: its close keeps the game as it was.
bool chooseNewGameSettings(Game& g, const std::function<bool()>& choose);

}  // namespace velmora
