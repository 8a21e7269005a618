#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "persistence/save_format.h"

// Paths to saved games, walked one name at a time from the root folder so that nobody but the
// player (and root) can steer where a save goes or what a load reads: every folder on the way
// and every symbolic link belongs to root or the effective user, and no one else may write to
// a folder that holds a link or the file. The folder reached stays open, and everything done
// afterwards names files relative to it, so a swap of any folder on the path once the walk is
// over redirects nothing.
namespace velmora {

enum class PathUse { Save, Load };

// An open folder reached by a checked walk; the descriptor is closed with it.
class CheckedFolder {
 public:
  CheckedFolder() = default;
  CheckedFolder(int fd, std::filesystem::path path);
  ~CheckedFolder();
  CheckedFolder(CheckedFolder&& other) noexcept;
  CheckedFolder& operator=(CheckedFolder&& other) noexcept;
  CheckedFolder(const CheckedFolder&) = delete;
  CheckedFolder& operator=(const CheckedFolder&) = delete;

  // Opened with O_PATH: good for the *at calls, not for reading or syncing the folder itself.
  int fd() const { return fd_; }
  // Where the walk ended, links resolved: for messages.
  const std::filesystem::path& path() const { return path_; }

 private:
  int fd_ = -1;
  std::filesystem::path path_;
};

// A file's place once the walk is done: its folder and a name in it that is not a link.
struct CheckedFile {
  CheckedFolder folder;
  std::string name;
  std::optional<struct stat> existing;  // the file's status when there is one
  bool throughLink = false;             // reached by following a symbolic link
};

// Walks to `file` for `use`. A save may follow links only to an existing regular file of the
// effective user's; with `makeFolders` it makes the missing folders (mode 0700, as the XDG
// base directories ask). Every message names `file`.
SaveOutcome<CheckedFile> locateFile(const std::filesystem::path& file, PathUse use,
                                    bool makeFolders = false);

// The folder `dir` itself, made when missing with `makeFolders`; `file` is named in messages.
SaveOutcome<CheckedFolder> openFolder(const std::filesystem::path& dir, PathUse use,
                                      bool makeFolders, const std::filesystem::path& file);

// What the folder holds, without . and .., each with its status (links not followed); empty
// when the folder cannot be read.
std::vector<std::pair<std::string, struct stat>> folderEntries(int fd);

// "セーブファイル X がありません": what a load of a file that is not there says.
SaveFileError missingSaveFile(const std::filesystem::path& file);

// Why others than the effective user could change what the folder `fd` holds, or nothing:
// write permission for others, or for a group other than the user's own private one. A file
// system that cannot hold links (FAT) is no risk.
std::optional<std::string> othersMayWrite(int fd, const struct stat& folder);

}  // namespace velmora
