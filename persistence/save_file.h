#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/game_state.h"
#include "persistence/save_format.h"

// Game.dt on disk, without any message box: the game's save and load commands and the
// simulator share these.
namespace velmora {

// Writes the saved part of the state to `file`. The bytes go to a temporary file of this save
// alone, created beside it, which is flushed to the disk and then renamed over `file`: a
// failure at any point (a full disk, a missing permission, the program killed) leaves the
// previous file as it was, and of two saves at the same moment each writes a whole game and
// the later one stays. A `file` that is a symbolic link is followed, as loading follows it: the
// file it names is replaced and the link stays. The new file has the mode 0644 less the umask.
// Nothing when the file was written, else what went wrong.
std::optional<SaveFileError> writeSaveFile(const GameState& s, const std::filesystem::path& file);

// Reads and checks the whole file; the state comes back only when all of it is good.
SaveOutcome<GameState> readSaveFile(const std::filesystem::path& file);

// A system error number (errno) as the player reads it, in the game's language.
std::string systemErrorReason(int err);

}  // namespace velmora
