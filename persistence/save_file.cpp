#include "persistence/save_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
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

// Where the bytes of `file` really are: a symbolic link is followed to the file it names, as
// loading follows it, so that saving replaces that file and leaves the link in place. A name
// that does not exist yet, or a link to one, is where the new file goes. Fails with ELOOP on a
// chain of links too long to be anything but a loop.
bool resolveLinks(std::filesystem::path& file, int& err) {
  constexpr int kMaxLinks = 40;  // the kernel's own limit for one path
  for (int links = 0;; ++links) {
    struct stat info {};
    if (::lstat(file.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
    if (links == kMaxLinks) {
      err = ELOOP;
      return false;
    }
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::read_symlink(file, ec);
    if (ec) {
      err = ec.value();
      return false;
    }
    file = target.is_absolute() ? target : file.parent_path() / target;
  }
}

// Creates a new file beside `file` under a name no other save uses ("Game.dt.tmp" and six
// random characters), exclusively, so that two saves at the same moment never share one and
// nothing planted under such a name is ever written through. The mode is that of any file
// the game creates: 0644 less the umask, which the system applies itself.
int createUniqueTemporary(const std::filesystem::path& file, std::filesystem::path& tmp) {
  static constexpr char kLetters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937_64 engine{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string suffix(6, ' ');
    for (char& c : suffix) c = kLetters[pick(engine)];
    tmp = file;
    tmp += ".tmp" + suffix;
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;  // errno is EEXIST
}

}  // namespace

std::string systemErrorReason(int err) { return reasonOf(err); }

std::optional<SaveFileError> writeSaveFile(const GameState& s, const std::filesystem::path& file) {
  SaveOutcome<std::string> bytes = encodeSaveFile(s);
  if (!bytes) return bytes.error;

  std::filesystem::path target = file;
  int linkError = 0;
  if (!resolveLinks(target, linkError)) return ioError(file.string() + " を開けません", linkError);

  std::filesystem::path tmp;
  FileDescriptor fd(createUniqueTemporary(target, tmp));
  if (fd.get() < 0) return ioError(tmp.string() + " を作れません", errno);

  const auto failWith = [&](const std::string& what) {
    const int err = errno;
    ::unlink(tmp.c_str());
    return ioError(what, err);
  };
  if (!writeAll(fd.get(), *bytes.value)) return failWith(tmp.string() + " に書き込めません");
  if (::fsync(fd.get()) != 0) return failWith(tmp.string() + " をディスクに書き出せません");
  if (!fd.close()) return failWith(tmp.string() + " に書き込めません");
  if (::rename(tmp.c_str(), target.c_str()) != 0) {
    return failWith(target.string() + " を置き換えられません");
  }
  syncDirectory(target.parent_path());
  return std::nullopt;
}

SaveOutcome<GameState> readSaveFile(const std::filesystem::path& file) {
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
  return parseSaveFile(bytes);
}

}  // namespace velmora
