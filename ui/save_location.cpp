#include "ui/save_location.h"

#include <unistd.h>

#include <cstdlib>

namespace velmora::ui {

namespace {

bool usableBase(const char* value) {
  return value != nullptr && std::filesystem::path(value).is_absolute();
}

}  // namespace

std::filesystem::path chooseSaveDirectory(const std::filesystem::path& programDir,
                                          bool programDirWritable, const char* xdgDataHome,
                                          const char* home) {
  if (programDirWritable) return programDir;
  if (usableBase(xdgDataHome)) return std::filesystem::path(xdgDataHome) / "velmora";
  if (usableBase(home)) return std::filesystem::path(home) / ".local" / "share" / "velmora";
  return programDir;
}

std::filesystem::path saveDirectoryFor(const std::filesystem::path& programDir) {
  // access() asks with the real user's rights, which are the player's: root passes anywhere.
  const bool writable = ::access(programDir.c_str(), W_OK) == 0;
  return chooseSaveDirectory(programDir, writable, std::getenv("XDG_DATA_HOME"),
                             std::getenv("HOME"));
}

}  // namespace velmora::ui
