#include "persistence/checked_path.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <cerrno>
#include <deque>
#include <mutex>
#include <system_error>
#include <utility>
#include <vector>

#include "persistence/save_file.h"

namespace velmora {

CheckedFolder::CheckedFolder(int fd, std::filesystem::path path)
    : fd_(fd), path_(std::move(path)) {}

CheckedFolder::~CheckedFolder() {
  if (fd_ >= 0) ::close(fd_);
}

CheckedFolder::CheckedFolder(CheckedFolder&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)) {}

CheckedFolder& CheckedFolder::operator=(CheckedFolder&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    path_ = std::move(other.path_);
  }
  return *this;
}

namespace {

constexpr int kMaxLinks = 40;  // the kernel's own limit for one path
constexpr long kMsdosMagic = 0x4d44;
constexpr long kExfatMagic = 0x2011BAB0;

bool trustedOwner(uid_t uid) { return uid == 0 || uid == ::geteuid(); }

// A group of the user's name whose only member is the user: what Debian gives each account,
// and what makes a umask of 002 safe.
bool isPrivateGroup(gid_t gid) {
  static std::mutex lock;  // the passwd and group lookups share static buffers
  const std::lock_guard<std::mutex> held(lock);
  const struct passwd* me = ::getpwuid(::geteuid());
  if (me == nullptr) return false;
  const std::string name = me->pw_name;
  const uid_t uid = me->pw_uid;
  const struct group* grp = ::getgrgid(gid);
  if (grp == nullptr || name != grp->gr_name) return false;
  for (char** member = grp->gr_mem; *member != nullptr; ++member) {
    if (name != *member) return false;
  }
  bool alone = true;
  ::setpwent();
  while (const struct passwd* other = ::getpwent()) {
    if (other->pw_gid == gid && other->pw_uid != uid) alone = false;
  }
  ::endpwent();
  return alone;
}

std::string groupName(gid_t gid) {
  std::vector<char> buf(16384);
  struct group grp {};
  struct group* found = nullptr;
  if (::getgrgid_r(gid, &grp, buf.data(), buf.size(), &found) == 0 && found != nullptr) {
    return found->gr_name;
  }
  return std::to_string(gid);
}

SaveFileError problem(std::string text) { return SaveFileError{0, "", std::move(text)}; }

SaveFileError systemError(const std::string& what, int err) {
  return problem(what + "(" + systemErrorReason(err) + ")");
}

// One walk towards a file, with what its messages need.
class Walk {
 public:
  Walk(const std::filesystem::path& file, PathUse use, bool makeFolders)
      : file_(file), use_(use), makeFolders_(makeFolders) {}

  // The folder at `path`, from the root (or the working folder's path, for a relative one).
  SaveOutcome<CheckedFolder> folder(const std::filesystem::path& path) {
    std::error_code ec;
    const std::filesystem::path absolute =
        std::filesystem::absolute(path.empty() ? std::filesystem::path(".") : path, ec);
    if (ec) return {std::nullopt, cannotOpen(ec.value())};
    wanted_ = absolute;
    SaveOutcome<CheckedFolder> at = root();
    if (!at) return at;
    return walk(std::move(*at.value), absolute.relative_path());
  }

  // Follows the name `name` in `at` to the file it stands for.
  SaveOutcome<CheckedFile> file(CheckedFolder at, std::string name) {
    bool throughLink = false;
    for (;;) {
      if (name.empty() || name == "." || name == "..") {
        return {std::nullopt, cannotOpen(EISDIR)};
      }
      struct stat info {};
      const int fd = look(at, name, info);
      if (fd < 0) {
        if (errno != ENOENT) return {std::nullopt, cannotOpen(errno)};
        if (use_ == PathUse::Load) return {std::nullopt, missingFile()};
        if (throughLink) return {std::nullopt, refuseTarget("リンク先のファイルがありません")};
        if (auto why = heldSafely(at)) return {std::nullopt, *why};
        return {CheckedFile{std::move(at), std::move(name), std::nullopt, false}, {}};
      }
      const CheckedFolder found(fd, at.path() / name);  // closes the descriptor
      if (S_ISLNK(info.st_mode)) {
        std::optional<std::filesystem::path> target;
        if (auto refused = followable(at, found, info, target)) return {std::nullopt, *refused};
        SaveOutcome<CheckedFolder> next =
            target->is_absolute() ? root() : SaveOutcome<CheckedFolder>{std::move(at), {}};
        if (!next) return {std::nullopt, next.error};
        next = walk(std::move(*next.value), target->relative_path().parent_path());
        if (!next) return {std::nullopt, next.error};
        at = std::move(*next.value);
        name = target->filename().string();
        throughLink = true;
        continue;
      }
      if (auto why = heldSafely(at)) return {std::nullopt, *why};
      if (use_ == PathUse::Save && throughLink) {
        if (!S_ISREG(info.st_mode)) {
          return {std::nullopt, refuseTarget("リンク先が普通のファイルではありません")};
        }
        if (info.st_uid != ::geteuid()) {
          return {std::nullopt, refuseTarget("リンク先の持ち主がこのユーザーではありません")};
        }
      }
      return {CheckedFile{std::move(at), std::move(name), info, throughLink}, {}};
    }
  }

 private:
  SaveOutcome<CheckedFolder> root() {
    const int fd = ::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return {std::nullopt, cannotOpen(errno)};
    CheckedFolder root(fd, "/");
    struct stat info {};
    if (::fstat(fd, &info) != 0) return {std::nullopt, cannotOpen(errno)};
    if (auto why = owned(root, info)) return {std::nullopt, *why};
    return {std::move(root), {}};
  }

  // Steps from `at` through the names of `rest`, links included.
  SaveOutcome<CheckedFolder> walk(CheckedFolder at, const std::filesystem::path& rest) {
    std::deque<std::string> pending;
    queue(pending, rest);
    while (!pending.empty()) {
      const std::string name = pending.front();
      pending.pop_front();
      struct stat info {};
      const int fd = look(at, name, info);
      if (fd < 0) {
        if (errno == ENOENT && makeFolders_) {
          // Another save may make it at the same moment; either way it is looked at again.
          if (::mkdirat(at.fd(), name.c_str(), 0700) != 0 && errno != EEXIST) {
            return {std::nullopt, cannotMake(errno)};
          }
          pending.push_front(name);
          continue;
        }
        if (errno == ENOENT && use_ == PathUse::Load) return {std::nullopt, missingFile()};
        return {std::nullopt, makeFolders_ ? cannotMake(errno) : cannotOpen(errno)};
      }
      CheckedFolder found(fd, name == ".." ? at.path().parent_path() : at.path() / name);
      if (S_ISLNK(info.st_mode)) {
        std::optional<std::filesystem::path> target;
        if (auto refused = followable(at, found, info, target)) return {std::nullopt, *refused};
        if (target->is_absolute()) {
          SaveOutcome<CheckedFolder> top = root();
          if (!top) return top;
          at = std::move(*top.value);
        }
        queue(pending, target->relative_path());
        continue;
      }
      if (!S_ISDIR(info.st_mode)) {
        return {std::nullopt, makeFolders_ ? cannotMake(ENOTDIR) : cannotOpen(ENOTDIR)};
      }
      if (auto why = owned(found, info)) return {std::nullopt, *why};
      at = std::move(found);
    }
    return {std::move(at), {}};
  }

  // Opens the name itself, a link included, and looks at what was opened: what is checked is
  // then what is used, whatever happens to the name meanwhile. -1 with errno when it fails.
  static int look(const CheckedFolder& at, const std::string& name, struct stat& info) {
    const int fd = ::openat(at.fd(), name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return -1;
    if (::fstat(fd, &info) != 0) {
      const int err = errno;
      ::close(fd);
      errno = err;
      return -1;
    }
    return fd;
  }

  // Puts the names of `rest` in front of those still to walk.
  static void queue(std::deque<std::string>& pending, const std::filesystem::path& rest) {
    std::vector<std::string> names;
    for (const std::filesystem::path& part : rest) {
      std::string s = part.string();
      if (!s.empty() && s != ".") names.push_back(std::move(s));
    }
    pending.insert(pending.begin(), names.begin(), names.end());
  }

  // The rules for the link `link`, opened in `at`; its target when it may be followed.
  std::optional<SaveFileError> followable(const CheckedFolder& at, const CheckedFolder& link,
                                          const struct stat& info,
                                          std::optional<std::filesystem::path>& target) {
    const std::string shown = link.path().string() + " はシンボリックリンクで、";
    if (++links_ > kMaxLinks) return cannotOpen(ELOOP);
    if (!trustedOwner(info.st_uid)) {
      return refuse(shown + "リンクの持ち主がこのユーザーでもrootでもありません");
    }
    struct stat folder {};
    if (::fstat(at.fd(), &folder) != 0) return cannotOpen(errno);
    // Anyone who may write there could have planted the link: the classic link attack.
    if (auto risk = othersMayWrite(at.fd(), folder)) {
      return refuse(shown + "リンクのあるフォルダに" + *risk);
    }
    std::vector<char> buf(4096);
    const ssize_t n = ::readlinkat(link.fd(), "", buf.data(), buf.size());
    if (n < 0) return cannotOpen(errno);
    if (n == 0 || static_cast<std::size_t>(n) == buf.size()) return cannotOpen(ENAMETOOLONG);
    target = std::filesystem::path(std::string(buf.data(), static_cast<std::size_t>(n)));
    return std::nullopt;
  }

  std::optional<SaveFileError> owned(const CheckedFolder& folder, const struct stat& info) const {
    if (trustedOwner(info.st_uid)) return std::nullopt;
    return refuse("フォルダ " + folder.path().string() +
                  " の持ち主がこのユーザーでもrootでもありません");
  }

  // The file's own folder: no one else may put something in its place.
  std::optional<SaveFileError> heldSafely(const CheckedFolder& folder) {
    struct stat info {};
    if (::fstat(folder.fd(), &info) != 0) return cannotOpen(errno);
    if (auto risk = othersMayWrite(folder.fd(), info)) {
      return refuse("フォルダ " + folder.path().string() + " に" + *risk);
    }
    return std::nullopt;
  }

  SaveFileError refuse(const std::string& why) const {
    const std::string tail = use_ == PathUse::Save ? "セーブしません" : "ロードしません";
    const std::string lead = why.rfind(file_.string() + " ", 0) == 0 ? "" : file_.string() + ": ";
    return problem(lead + why + "。ほかのユーザーに差し替えられるおそれがあるため、" + tail);
  }

  SaveFileError refuseTarget(const std::string& why) const {
    return problem(file_.string() + " はシンボリックリンクで、" + why +
                   "。リンク先を置き換えないため、セーブしません");
  }

  SaveFileError missingFile() const { return missingSaveFile(file_); }

  SaveFileError cannotOpen(int err) const {
    if (use_ == PathUse::Save && err != ELOOP)
      return systemError(file_.string() + " を作れません", err);
    return systemError(file_.string() + " を開けません", err);
  }

  SaveFileError cannotMake(int err) const {
    return systemError(file_.string() + " を置くフォルダ " + wanted_.string() + " を作れません",
                       err);
  }

  const std::filesystem::path& file_;
  PathUse use_;
  bool makeFolders_;
  int links_ = 0;
  std::filesystem::path wanted_;
};

}  // namespace

SaveFileError missingSaveFile(const std::filesystem::path& file) {
  return problem("セーブファイル " + file.string() + " がありません");
}

std::optional<std::string> othersMayWrite(int fd, const struct stat& folder) {
  if ((folder.st_mode & (S_IWGRP | S_IWOTH)) == 0) return std::nullopt;
  struct statfs fs {};
  if (::fstatfs(fd, &fs) == 0 && (fs.f_type == kMsdosMagic || fs.f_type == kExfatMagic)) {
    return std::nullopt;  // no links can be planted there
  }
  if ((folder.st_mode & S_IWOTH) != 0) return "ほかのユーザーも書き込めます";
  if (isPrivateGroup(folder.st_gid)) return std::nullopt;
  return "グループ " + groupName(folder.st_gid) + " のほかのユーザーも書き込めます";
}

std::vector<std::pair<std::string, struct stat>> folderEntries(int fd) {
  std::vector<std::pair<std::string, struct stat>> entries;
  const int listed = ::openat(fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listed < 0) return entries;
  DIR* dir = ::fdopendir(listed);
  if (dir == nullptr) {
    ::close(listed);
    return entries;
  }
  while (const struct dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat info {};
    if (::fstatat(fd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0)
      entries.emplace_back(name, info);
  }
  ::closedir(dir);
  return entries;
}

SaveOutcome<CheckedFile> locateFile(const std::filesystem::path& file, PathUse use,
                                    bool makeFolders) {
  Walk walk(file, use, makeFolders);
  SaveOutcome<CheckedFolder> folder = walk.folder(file.parent_path());
  if (!folder) return {std::nullopt, folder.error};
  return walk.file(std::move(*folder.value), file.filename().string());
}

SaveOutcome<CheckedFolder> openFolder(const std::filesystem::path& dir, PathUse use,
                                      bool makeFolders, const std::filesystem::path& file) {
  Walk walk(file, use, makeFolders);
  return walk.folder(dir);
}

}  // namespace velmora
