#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace velmora {

struct Game;
struct GameState;

// The menu's and the quit confirmation's save: only at the start of a turn. True when Game.dt
// was written; false when saving was refused or failed (a box says why, and the previous
// file is kept).
bool saveGame(Game& g);

// The menu's load: only at the start of a turn. The running game changes only when the whole
// file is good; otherwise a box names the problem.
void loadGame(Game& g);

// The same load from another file (an autosave); true when the game was replaced.
bool loadGameFrom(Game& g, const std::filesystem::path& file);

// Puts a state read from a save file into the running game and redraws the main window from
// it: the provinces (with their limit check), the prices, line 1 and the caption. Shows no
// box of its own; the simulator uses it too.
void restoreGame(Game& g, GameState loaded);

// Game.dt in the game's save directory.
std::filesystem::path saveFilePath(const Game& g);

// Why there is no save directory (none of its places was usable), or nothing when there is.
std::optional<std::string> noSaveFolder(const Game& g);

}  // namespace velmora
