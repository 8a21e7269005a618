#pragma once

#include <filesystem>

namespace velmora::ui {

// Where Game.dt lives. Beside the program while the player can write there (the build folder,
// a folder made by `cmake --install`); a game installed for every user of the machine keeps it
// in the player's own data folder instead, $XDG_DATA_HOME/velmora (~/.local/share/velmora when
// XDG_DATA_HOME is unset). Saving and loading both use this one answer.
//
// The rule alone, without looking at the machine: `xdgDataHome` and `home` are the values of
// those variables (null when unset). Relative or empty values are ignored, as the XDG base
// directory rules ask. With nowhere else to go the program's folder is kept; saving there then
// fails with the save's own message.
std::filesystem::path chooseSaveDirectory(const std::filesystem::path& programDir,
                                          bool programDirWritable, const char* xdgDataHome,
                                          const char* home);

// The rule applied to this process: asks whether the program's folder is writable and reads
// the two variables. Nothing is created here: the first save makes the player's data folder.
std::filesystem::path saveDirectoryFor(const std::filesystem::path& programDir);

}  // namespace velmora::ui
