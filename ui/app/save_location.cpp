#include "ui/app/save_location.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace velmora::ui {

namespace {

bool usableBase(const char* value) {
  return value != nullptr && std::filesystem::path(value).is_absolute();
}

}  // namespace

std::filesystem::path chooseSaveDirectory(const std::filesystem::path& programDir, bool portable,
                                          const char* xdgDataHome, const char* home,
                                          const char* passwordHome) {
  if (portable) return programDir;
  if (usableBase(xdgDataHome)) return std::filesystem::path(xdgDataHome) / "velmora";
  // A service manager may start the program with no HOME at all: the account's own home then.
  for (const char* base : {home, passwordHome}) {
    if (usableBase(base)) return std::filesystem::path(base) / ".local" / "share" / "velmora";
  }
  return {};
}

std::filesystem::path saveDirectoryFor(const std::filesystem::path& programDir) {
  // Whether the folder is writable says nothing: root can write into /usr/games.
  std::error_code ignored;
  const bool portable = std::filesystem::is_regular_file(programDir / kPortableMarkerFile, ignored);
  const struct passwd* account = ::getpwuid(::geteuid());
  return chooseSaveDirectory(programDir, portable, std::getenv("XDG_DATA_HOME"),
                             std::getenv("HOME"), account ? account->pw_dir : nullptr);
}

}  // namespace velmora::ui
