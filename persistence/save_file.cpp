#include "persistence/save_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "persistence/checked_path.h"

namespace velmora {

namespace {

// Far above any file the game writes (a few kilobytes), low enough to read at once.
constexpr std::size_t kMaxFileBytes = 1 << 20;

std::string reasonOf(int err) {
  switch (err) {
    case ENOSPC:
    case EDQUOT:
      return "ディスクに空きがありません";
    case EACCES:
    case EPERM:
      return "許可がありません";
    case EROFS:
      return "読み出し専用の場所です";
    case ENOENT:
      return "フォルダがありません";
    case ENOTDIR:
      return "途中がフォルダではありません";
    case EISDIR:
      return "同じ名前のフォルダがあります";
    case ELOOP:
      return "シンボリックリンクが循環しているか、多すぎます";
    case ENAMETOOLONG:
      return "名前が長すぎます";
    case EMFILE:
    case ENFILE:
      return "開いているファイルが多すぎます";
    case EIO:
      return "ディスクの読み書きに失敗しました";
    case ETXTBSY:
    case EBUSY:
      return "ほかのプログラムが使っています";
    case EEXIST:
      return "同じ名前のファイルがすでにあります";
    case EFBIG:
      return "ファイルが大きすぎます";
    case ENOMEM:
      return "メモリが足りません";
    case ENXIO:
    case ENODEV:
      return "読み書きできる装置がありません";
    case EXDEV:
      return "別のディスクには置き換えられません";
    case ESTALE:
      return "ネットワーク上のファイルが無効になりました";
    case EAGAIN:
      return "いまは使えません";
    default:
      // Never the system's English text: the number lets a report be looked up.
      return "システムのエラーです(エラー番号" + std::to_string(err) + ")";
  }
}

SaveFileError ioError(const std::string& what, int err) {
  return SaveFileError{0, "", what + "(" + reasonOf(err) + ")"};
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }
  // Closes now, so that a failing close (delayed write errors) can be reported.
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool writeAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The rename is only durable once the directory entry itself has reached the disk. A file
// system that cannot sync a directory has still renamed the file, so failure is ignored.
void syncDirectory(int dir) {
  const int fd = ::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

constexpr std::size_t kSuffixLength = 6;

// "Game.dt.tmp" and six random characters: a name no other save uses at the same moment.
std::string temporaryName(const std::string& name) {
  static constexpr char kLetters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937_64 engine{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  std::string suffix(kSuffixLength, ' ');
  for (char& c : suffix) c = kLetters[pick(engine)];
  return name + ".tmp" + suffix;
}

// Creates a new file beside `name` in `dir` under a temporary name, exclusively, so that two
// saves at the same moment never share one and nothing planted under such a name is ever
// written through. The mode is that of any file the game creates: 0644 less the umask, which
// the system applies itself. Used where the file system cannot make a file without a name.
int createUniqueTemporary(int dir, const std::string& name, std::string& tmp) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    tmp = temporaryName(name);
    const int fd =
        ::openat(dir, tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;  // errno is EEXIST
}

// Gives the unnamed file `fd` a fresh temporary name beside `name`; linkat cannot replace a
// name, so the rename over the save file comes after. False with errno set when it fails.
bool nameTemporary(int fd, int dir, const std::string& name, std::string& tmp) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    tmp = temporaryName(name);
    if (::linkat(AT_FDCWD, self.c_str(), dir, tmp.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
    if (errno != EEXIST) return false;
  }
  return false;
}

bool isTemporaryOf(const std::string& name, const std::string& base) {
  if (name.size() != base.size() + 4 + kSuffixLength || name.compare(0, base.size(), base) != 0 ||
      name.compare(base.size(), 4, ".tmp") != 0) {
    return false;
  }
  return std::all_of(name.end() - kSuffixLength, name.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
  });
}

// A save killed between naming its new file and the rename leaves that name behind. One more
// than a minute old belongs to no save still running: it is removed. Only regular files of
// this user go; anything else under such a name is left alone.
void removeStaleTemporaries(int dir, const std::string& base) {
  const std::time_t oldest = std::time(nullptr) - 60;
  for (const auto& [name, info] : folderEntries(dir)) {
    if (isTemporaryOf(name, base) && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
        info.st_mtime < oldest) {
      ::unlinkat(dir, name.c_str(), 0);
    }
  }
}

}  // namespace

std::string systemErrorReason(int err) { return reasonOf(err); }

std::optional<SaveFileError> writeSaveFile(const GameState& s, const std::filesystem::path& file,
                                           bool makeFolders) {
  SaveOutcome<std::string> bytes = encodeSaveFile(s);
  if (!bytes) return bytes.error;
  return writeSaveBytes(*bytes.value, file, makeFolders);
}

std::optional<SaveFileError> writeSaveBytes(const std::string& bytes,
                                            const std::filesystem::path& file, bool makeFolders) {
  SaveOutcome<CheckedFile> place = locateFile(file, PathUse::Save, makeFolders);
  if (!place) return place.error;
  // Everything below names files relative to the folder the walk reached.
  const int dir = place.value->folder.fd();
  const std::string& name = place.value->name;
  std::optional<struct stat> linkTarget;
  if (place.value->throughLink) linkTarget = place.value->existing;
  removeStaleTemporaries(dir, name);

  // Writes, keeps the mode (and the group) of a file replaced through a link, and flushes to
  // the disk; on failure errno and the words for the step are left.
  std::string failedStep;
  const auto fill = [&](int fd) {
    failedStep = " に書き込めません";
    if (!writeAll(fd, bytes)) return false;
    if (linkTarget) {
      if (::fchmod(fd, linkTarget->st_mode & 07777) != 0) return false;
      if (::fchown(fd, static_cast<uid_t>(-1), linkTarget->st_gid) != 0 && errno != EPERM) {
        return false;
      }
    }
    failedStep = " をディスクに書き出せません";
    return ::fsync(fd) == 0;
  };
  const auto replaceWith = [&](const std::string& tmp) -> std::optional<SaveFileError> {
    if (::renameat(dir, tmp.c_str(), dir, name.c_str()) != 0) {
      const int err = errno;
      ::unlinkat(dir, tmp.c_str(), 0);
      return ioError(file.string() + " を置き換えられません", err);
    }
    syncDirectory(dir);
    return std::nullopt;
  };

  // The new file is written without a name where the file system allows it, so that a save
  // killed while writing leaves nothing behind; it is named only once it is complete, and
  // renamed over the old file at once.
  std::string tmp;
  {
    FileDescriptor fd(::openat(dir, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0644));
    if (fd.get() >= 0) {
      if (!fill(fd.get())) return ioError(file.string() + failedStep, errno);
      // Named and renamed at once: only a kill between the two leaves the name behind. The
      // descriptor closes afterwards; the bytes already reached the disk.
      if (nameTemporary(fd.get(), dir, name, tmp)) return replaceWith(tmp);
      // Without /proc the file cannot be named: written again the older way below.
      if (errno != ENOENT) return ioError(file.string() + " を作れません", errno);
    } else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
      return ioError(file.string() + " を作れません", errno);
    }
  }

  // File systems without unnamed files: a named temporary file, removed on any failure.
  FileDescriptor fd(createUniqueTemporary(dir, name, tmp));
  if (fd.get() < 0) return ioError(file.string() + " を作れません", errno);
  const auto failWith = [&](const std::string& what) {
    const int err = errno;
    ::unlinkat(dir, tmp.c_str(), 0);
    return ioError(file.string() + what, err);
  };
  if (!fill(fd.get())) return failWith(failedStep);
  if (!fd.close()) return failWith(" に書き込めません");
  return replaceWith(tmp);
}

SaveOutcome<GameState> readSaveFile(const std::filesystem::path& file) {
  SaveOutcome<std::string> bytes = readSaveBytes(file);
  if (!bytes) return {std::nullopt, bytes.error};
  return parseSaveFile(*bytes.value);
}

SaveOutcome<std::string> readSaveBytes(const std::filesystem::path& file) {
  SaveOutcome<CheckedFile> place = locateFile(file, PathUse::Load);
  if (!place) return {std::nullopt, place.error};
  // O_NONBLOCK: a pipe under the save file's name must not hang the game; it is refused below.
  // The walk resolved every link, so the name is not one unless someone swapped it since.
  FileDescriptor fd(::openat(place.value->folder.fd(), place.value->name.c_str(),
                             O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW));
  if (fd.get() < 0) {
    if (errno == ENOENT) {
      return {std::nullopt, missingSaveFile(file)};
    }
    return {std::nullopt, ioError(file.string() + " を開けません", errno)};
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) {
    return {std::nullopt, ioError(file.string() + " を読めません", errno)};
  }
  if (!S_ISREG(info.st_mode)) {
    return {std::nullopt, SaveFileError{0, "", file.string() + " は普通のファイルではありません"}};
  }

  std::string bytes;
  char buf[16384];
  while (bytes.size() <= kMaxFileBytes) {
    const ssize_t n = ::read(fd.get(), buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      return {std::nullopt, ioError(file.string() + " を読めません", errno)};
    }
    if (n == 0) break;
    bytes.append(buf, static_cast<std::size_t>(n));
  }
  if (bytes.size() > kMaxFileBytes) {
    return {std::nullopt,
            SaveFileError{0, "", file.string() + " は大きすぎてセーブファイルではありません"}};
  }
  return {std::move(bytes), {}};
}

}  // namespace velmora
