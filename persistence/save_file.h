#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "persistence/save_format.h"

// Game.dt on disk, without any message box: the game's save and load commands and the
// simulator share these.
namespace velmora {

struct GameState;

// Writes the saved part of the state to `file`. The bytes go to a new file of this save alone,
// made beside it without a name where the file system allows (else under a temporary name),
// flushed to the disk and then renamed over `file`: a failure at any point (a full disk, a
// missing permission, the program killed) leaves the previous file as it was, and of two
// saves at the same moment each writes a whole game and the later one stays. Temporary files
// of earlier saves killed at the last moment are removed once they are a minute old.
// The path is walked as checked_path.h says: every folder on the way and every link belongs
// to root or the effective user, and no one else may write to a folder holding a link or the
// file (else the save is refused and nothing is written). A `file` that is a symbolic link
// is followed only to an existing regular file of the effective user's, which is then
// replaced with its mode kept while the link stays. With `makeFolders`, missing folders on
// the way are made. A new file has the mode 0644 less the umask. Every message names `file`.
// Nothing when the file was written, else what went wrong.
std::optional<SaveFileError> writeSaveFile(const GameState& s, const std::filesystem::path& file,
                                           bool makeFolders = false);

// The same safe writing for bytes already encoded (encodeSaveFile), so that a caller who
// compares them first need not encode twice.
std::optional<SaveFileError> writeSaveBytes(const std::string& bytes,
                                            const std::filesystem::path& file,
                                            bool makeFolders = false);

// Reads and checks the whole file; the state comes back only when all of it is good. The path
// is held to the same rules as a save's, so nobody else can choose what is read.
SaveOutcome<GameState> readSaveFile(const std::filesystem::path& file);

// The file's bytes as they are, unchecked: a regular file of save-file size, or why not.
SaveOutcome<std::string> readSaveBytes(const std::filesystem::path& file);

// A system error number (errno) as the player reads it, in the game's language.
std::string systemErrorReason(int err);

}  // namespace velmora
