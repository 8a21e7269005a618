#pragma once

#include <filesystem>
#include <optional>

#include "core/game_state.h"
#include "persistence/save_format.h"

// Game.dt on disk, without any message box: the game's save and load commands and the
// simulator share these.
namespace velmora {

// Writes the saved part of the state to `file`. The bytes go to a temporary file beside it,
// which is flushed to the disk and then renamed over `file`: a failure at any point (a full
// disk, a missing permission, the program killed) leaves the previous file as it was.
// Nothing when the file was written, else what went wrong.
std::optional<SaveFileError> writeSaveFile(const GameState& s, const std::filesystem::path& file);

// Reads and checks the whole file; the state comes back only when all of it is good.
SaveOutcome<GameState> readSaveFile(const std::filesystem::path& file);

// The temporary file a save writes before it replaces `file`.
std::filesystem::path temporarySavePath(const std::filesystem::path& file);

}  // namespace velmora
