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
void syncDirectory(const std::filesystem::path& dir) {
  const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Why saving through a symbolic link would replace something the player does not own, or
// nothing.
std::optional<std::string> unsafeLink(const struct stat& link, const std::filesystem::path& at) {
  if (link.st_uid != ::geteuid()) return "リンクの持ち主がこのユーザーではありません";
  struct stat folder {};
  const std::filesystem::path dir = at.parent_path().empty() ? "." : at.parent_path();
  if (::stat(dir.c_str(), &folder) != 0) return "リンクのあるフォルダを調べられません";
  // Anyone who may write there could have planted the link: the classic link attack.
  if ((folder.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    return "リンクのあるフォルダにほかのユーザーも書き込めます";
  }
  return std::nullopt;
}

// Where the bytes of `file` go. A name that does not exist yet is where the new file goes, and
// a file that is not a link is replaced by the new one. A symbolic link is followed, as loading
// follows it, so that saving replaces the file it names and the link stays, but only where
// that cannot be turned against the player: every link of the chain belongs to the effective
// user and lies in a folder no one else may write to, and the chain ends in an existing
// regular file of the same user. `linkTarget` is then that file's status (its mode is kept).
// Otherwise the error says why, and nothing is written.
std::optional<SaveFileError> resolveTarget(const std::filesystem::path& file,
                                           std::filesystem::path& target,
                                           std::optional<struct stat>& linkTarget) {
  constexpr int kMaxLinks = 40;  // the kernel's own limit for one path
  const auto refuse = [&](const std::string& why) {
    return SaveFileError{0, "",
                         file.string() + " はシンボリックリンクで、" + why +
                             "。リンク先を置き換えないため、セーブしません"};
  };
  target = file;
  for (int links = 0;; ++links) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0) {
      if (errno == ENOENT && links == 0) return std::nullopt;  // a first save
      if (errno == ENOENT) return refuse("リンク先のファイルがありません");
      return ioError(file.string() + " を開けません", errno);
    }
    if (!S_ISLNK(info.st_mode)) {
      if (links == 0) return std::nullopt;
      if (!S_ISREG(info.st_mode)) return refuse("リンク先が普通のファイルではありません");
      if (info.st_uid != ::geteuid()) return refuse("リンク先の持ち主がこのユーザーではありません");
      linkTarget = info;
      return std::nullopt;
    }
    if (links == kMaxLinks) return ioError(file.string() + " を開けません", ELOOP);
    if (auto why = unsafeLink(info, target)) return refuse(*why);
    std::error_code ec;
    const std::filesystem::path next = std::filesystem::read_symlink(target, ec);
    if (ec) return ioError(file.string() + " を開けません", ec.value());
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
}

constexpr std::size_t kSuffixLength = 6;

// "Game.dt.tmp" and six random characters: a name no other save uses at the same moment.
std::filesystem::path temporaryName(const std::filesystem::path& file) {
  static constexpr char kLetters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937_64 engine{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  std::string suffix(kSuffixLength, ' ');
  for (char& c : suffix) c = kLetters[pick(engine)];
  std::filesystem::path tmp = file;
  tmp += ".tmp" + suffix;
  return tmp;
}

// Creates a new file beside `file` under a temporary name, exclusively, so that two saves at
// the same moment never share one and nothing planted under such a name is ever written
// through. The mode is that of any file the game creates: 0644 less the umask, which the
// system applies itself. Used where the file system cannot make a file without a name.
int createUniqueTemporary(const std::filesystem::path& file, std::filesystem::path& tmp) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    tmp = temporaryName(file);
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;  // errno is EEXIST
}

// Gives the unnamed file `fd` a fresh temporary name beside `file`; linkat cannot replace a
// name, so the rename over the save file comes after. False with errno set when it fails.
bool nameTemporary(int fd, const std::filesystem::path& file, std::filesystem::path& tmp) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    tmp = temporaryName(file);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, tmp.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      return true;
    }
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
void removeStaleTemporaries(const std::filesystem::path& file) {
  const std::filesystem::path dir = file.parent_path().empty() ? "." : file.parent_path();
  const std::string base = file.filename().string();
  const std::time_t oldest = std::time(nullptr) - 60;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::filesystem::path& entry = it->path();
    if (!isTemporaryOf(entry.filename().string(), base)) continue;
    struct stat info {};
    if (::lstat(entry.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_uid != ::geteuid() || info.st_mtime >= oldest) {
      continue;
    }
    ::unlink(entry.c_str());
  }
}

}  // namespace

std::string systemErrorReason(int err) { return reasonOf(err); }

std::optional<SaveFileError> writeSaveFile(const GameState& s, const std::filesystem::path& file) {
  SaveOutcome<std::string> bytes = encodeSaveFile(s);
  if (!bytes) return bytes.error;
  return writeSaveBytes(*bytes.value, file);
}

std::optional<SaveFileError> writeSaveBytes(const std::string& bytes,
                                            const std::filesystem::path& file) {
  std::filesystem::path target;
  std::optional<struct stat> linkTarget;
  if (auto refused = resolveTarget(file, target, linkTarget)) return refused;
  removeStaleTemporaries(target);

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
  const auto replaceWith = [&](const std::filesystem::path& tmp) -> std::optional<SaveFileError> {
    if (::rename(tmp.c_str(), target.c_str()) != 0) {
      const int err = errno;
      ::unlink(tmp.c_str());
      return ioError(file.string() + " を置き換えられません", err);
    }
    syncDirectory(target.parent_path());
    return std::nullopt;
  };

  // The new file is written without a name where the file system allows it, so that a save
  // killed while writing leaves nothing behind; it is named only once it is complete, and
  // renamed over the old file at once.
  const std::filesystem::path dir = target.parent_path().empty() ? "." : target.parent_path();
  std::filesystem::path tmp;
  {
    FileDescriptor fd(::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0644));
    if (fd.get() >= 0) {
      if (!fill(fd.get())) return ioError(file.string() + failedStep, errno);
      // Named and renamed at once: only a kill between the two leaves the name behind. The
      // descriptor closes afterwards; the bytes already reached the disk.
      if (nameTemporary(fd.get(), target, tmp)) return replaceWith(tmp);
      // Without /proc the file cannot be named: written again the older way below.
      if (errno != ENOENT) return ioError(file.string() + " を作れません", errno);
    } else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
      return ioError(file.string() + " を作れません", errno);
    }
  }

  // File systems without unnamed files: a named temporary file, removed on any failure.
  FileDescriptor fd(createUniqueTemporary(target, tmp));
  if (fd.get() < 0) return ioError(file.string() + " を作れません", errno);
  const auto failWith = [&](const std::string& what) {
    const int err = errno;
    ::unlink(tmp.c_str());
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
  // O_NONBLOCK: a pipe under the save file's name must not hang the game; it is refused below.
  FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) {
    if (errno == ENOENT) {
      return {std::nullopt,
              SaveFileError{0, "", "セーブファイル " + file.string() + " がありません"}};
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
