#include "ui/save_location.h"

#include <cstdlib>
#include <system_error>

namespace velmora::ui {

namespace {

bool usableBase(const char* value) {
  return value != nullptr && std::filesystem::path(value).is_absolute();
}

}  // namespace

std::filesystem::path chooseSaveDirectory(const std::filesystem::path& programDir, bool portable,
                                          const char* xdgDataHome, const char* home) {
  if (portable) return programDir;
  if (usableBase(xdgDataHome)) return std::filesystem::path(xdgDataHome) / "velmora";
  if (usableBase(home)) return std::filesystem::path(home) / ".local" / "share" / "velmora";
  return programDir;
}

std::filesystem::path saveDirectoryFor(const std::filesystem::path& programDir) {
  // Whether the folder is writable says nothing: root can write into /usr/games.
  std::error_code ignored;
  const bool portable = std::filesystem::is_regular_file(programDir / kPortableMarkerFile, ignored);
  return chooseSaveDirectory(programDir, portable, std::getenv("XDG_DATA_HOME"),
                             std::getenv("HOME"));
}

}  // namespace velmora::ui
