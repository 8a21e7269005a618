#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

struct Game;
struct GameState;

// The turn starts kept, newest first, in the folder "autosave" beside Game.dt.
inline constexpr int kAutosavesKept = 12;
inline constexpr const char* kAutosaveFolder = "autosave";

// One autosave as the list shows it.
struct AutosaveEntry {
  std::filesystem::path file;
  std::uint64_t sequence = 0;  // the number its name begins with: the order of writing
  std::string caption;         // 3年目の夏
  std::string player;          // 織田 3国, or 観戦 for a game without a player
  std::time_t written = 0;     // when the file was written
};

std::filesystem::path autosaveDirectory(const Game& g);

// The game stands at the start of a turn: writes it into the autosave folder exactly as
// セーブ would write Game.dt now, unless the newest autosave holds the same bytes, and keeps
// the kAutosavesKept newest. Shows nothing and changes nothing of the game; a failure only
// says why (a box the first time in a run, the history afterwards). Does nothing unless
// g.autosave is on.
void autosaveTurnStart(Game& g);

// One house holds everything: the newest autosave is of a game that has ended, and is no
// longer offered to go on with.
void recordUnification(Game& g);

// The autosaves that can be loaded, newest first.
std::vector<AutosaveEntry> listAutosaves(const Game& g);

// The newest autosave when it is of a game that did not end in unification.
std::optional<AutosaveEntry> resumableAutosave(const Game& g);

// The player's house and the provinces it holds ("織田 3国"), or "観戦" when the player plays
// no house.
std::string playerStanding(const GameState& s);

}  // namespace velmora
