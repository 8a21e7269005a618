#pragma once

#include <filesystem>

namespace velmora::ui {

// The file that marks a folder whose game keeps its save beside the program: the build writes
// it into the build folder and the portable install (VELMORA_PORTABLE_INSTALL) beside the
// installed program. Nothing else has it, so an install under a system prefix never saves into
// its own folder, even for root, who could write there.
inline constexpr const char* kPortableMarkerFile = "velmora.portable";

// Where Game.dt lives. Beside the program in a marked folder; everywhere else (the package,
// any `cmake --install` into a prefix) in the player's own data folder, $XDG_DATA_HOME/velmora
// (~/.local/share/velmora when XDG_DATA_HOME is unset). Saving and loading both use this one
// answer.
//
// The rule alone, without looking at the machine: `portable` says whether the program's
// folder carries the marker, `xdgDataHome` and `home` are the values of those variables (null
// when unset) and `passwordHome` the home the password database gives the user. Relative or
// empty values are ignored, as the XDG base directory rules ask. With none of them usable the
// answer is empty: there is nowhere to save, and saving says so. The program's folder is never
// the answer without the marker (an install under /usr would otherwise save into it as root).
std::filesystem::path chooseSaveDirectory(const std::filesystem::path& programDir, bool portable,
                                          const char* xdgDataHome, const char* home,
                                          const char* passwordHome);

// The rule applied to this process: looks for the marker beside the program and reads the two
// variables. Nothing is created here: the first save makes the player's data folder.
std::filesystem::path saveDirectoryFor(const std::filesystem::path& programDir);

}  // namespace velmora::ui
