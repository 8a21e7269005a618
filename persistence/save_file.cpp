#include "persistence/save_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
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
    default:
      return std::strerror(err);
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

}  // namespace

std::filesystem::path temporarySavePath(const std::filesystem::path& file) {
  std::filesystem::path tmp = file;
  tmp += ".tmp";
  return tmp;
}

std::optional<SaveFileError> writeSaveFile(const GameState& s, const std::filesystem::path& file) {
  SaveOutcome<std::string> bytes = encodeSaveFile(s);
  if (!bytes) return bytes.error;

  const std::filesystem::path tmp = temporarySavePath(file);
  // O_NOFOLLOW: a link planted under the temporary name must not redirect the write.
  FileDescriptor fd(
      ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644));
  if (fd.get() < 0) return ioError(tmp.string() + " を作れません", errno);

  const auto failWith = [&](const std::string& what) {
    const int err = errno;
    ::unlink(tmp.c_str());
    return ioError(what, err);
  };
  if (!writeAll(fd.get(), *bytes.value)) return failWith(tmp.string() + " に書き込めません");
  if (::fsync(fd.get()) != 0) return failWith(tmp.string() + " をディスクに書き出せません");
  if (!fd.close()) return failWith(tmp.string() + " に書き込めません");
  if (::rename(tmp.c_str(), file.c_str()) != 0) {
    return failWith(file.string() + " を置き換えられません");
  }
  syncDirectory(file.parent_path());
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
