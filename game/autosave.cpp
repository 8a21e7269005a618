#include "game/autosave.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>

#include "core/course.h"
#include "core/game.h"
#include "core/message_port.h"
#include "core/record_port.h"
#include "game/save_game.h"
#include "persistence/checked_path.h"
#include "persistence/save_file.h"

namespace velmora {

namespace {

// Names the newest autosave when its game ended in unification.
constexpr const char* kUnifiedMarker = "unified";

struct AutosaveFile {
  std::uint64_t sequence = 0;
  std::filesystem::path file;
};

// "000042-3年目の夏.dt": the number comes first, so that the order of writing never depends
// on the game's year.
std::optional<std::uint64_t> sequenceOf(const std::string& name) {
  std::uint64_t n = 0;
  std::size_t i = 0;
  for (; i < name.size() && name[i] >= '0' && name[i] <= '9'; ++i) {
    if (n > (UINT64_MAX - 9) / 10) return std::nullopt;
    n = n * 10 + static_cast<std::uint64_t>(name[i] - '0');
  }
  if (i == 0 || i >= name.size() || name[i] != '-') return std::nullopt;
  if (name.size() < i + 4 || name.compare(name.size() - 3, 3, ".dt") != 0) return std::nullopt;
  return n;
}

// Every autosave in the folder `fd` (at `dir`), newest first; links and folders are never
// autosaves.
std::vector<AutosaveFile> autosaveFiles(int fd, const std::filesystem::path& dir) {
  std::vector<AutosaveFile> files;
  for (const auto& [name, info] : folderEntries(fd)) {
    if (!S_ISREG(info.st_mode)) continue;
    if (auto n = sequenceOf(name)) files.push_back({*n, dir / name});
  }
  std::sort(files.begin(), files.end(), [](const AutosaveFile& a, const AutosaveFile& b) {
    if (a.sequence != b.sequence) return a.sequence > b.sequence;
    return a.file.filename() > b.file.filename();
  });
  return files;
}

// The autosaves there are, for looking only: a folder the save's rules refuse has none.
std::vector<AutosaveFile> autosaveFiles(const std::filesystem::path& dir) {
  SaveOutcome<CheckedFolder> folder = openFolder(dir, PathUse::Load, false, dir);
  if (!folder) return {};
  return autosaveFiles(folder.value->fd(), dir);
}

// The season in the name by its number: the names a loaded file gives the seasons could hold
// a slash.
std::string fileNameFor(std::uint64_t sequence, const GameState& s) {
  static constexpr std::array<const char*, 5> kSeasons{"", "春", "夏", "秋", "冬"};
  char number[32];
  std::snprintf(number, sizeof number, "%06llu", static_cast<unsigned long long>(sequence));
  const std::string season =
      s.season >= 1 && s.season <= 4 ? kSeasons[s.season] : std::to_string(s.season);
  return std::string(number) + "-" + std::to_string(s.year) + "年目の" + season + ".dt";
}

void autosaveFailed(Game& g, const std::string& why) {
  const std::string text =
      "オートセーブできませんでした。\n" + why + "\nゲームはそのまま続きます。";
  if (g.autosaveFailureShown) {
    g.ui.record.addToHistory(text);
    return;
  }
  g.autosaveFailureShown = true;
  MessageBoxRequest box;
  box.text = text;
  box.warning = true;
  g.ui.messages.messageBox(box);
}

// The folder, made when missing (the save folder too) and held to the save's rules. Only a
// folder of the player's own, not a link: old autosaves are removed from it.
SaveOutcome<CheckedFolder> prepareFolder(const Game& g) {
  const std::filesystem::path dir = autosaveDirectory(g);
  SaveOutcome<CheckedFolder> parent = openFolder(g.saveDirectory, PathUse::Save, true, dir);
  if (!parent) return parent;
  const auto fail = [](std::string why) {
    return SaveOutcome<CheckedFolder>{std::nullopt, SaveFileError{0, "", std::move(why)}};
  };
  const int at = parent.value->fd();
  if (::mkdirat(at, kAutosaveFolder, 0700) != 0 && errno != EEXIST) {
    return fail("フォルダ " + dir.string() + " を作れません(" + systemErrorReason(errno) + ")");
  }
  const int fd = ::openat(at, kAutosaveFolder, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return fail(dir.string() + " がフォルダではないので、フォルダを作れません");
  CheckedFolder folder(fd, dir);
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    return fail("フォルダ " + dir.string() + " を調べられません(" + systemErrorReason(errno) + ")");
  }
  if (info.st_uid != ::geteuid()) {
    return fail("フォルダ " + dir.string() + " の持ち主がこのユーザーではありません");
  }
  if (auto risk = othersMayWrite(fd, info)) return fail("フォルダ " + dir.string() + " に" + *risk);
  return {std::move(folder), {}};
}

std::string markerText(const std::filesystem::path& dir) {
  SaveOutcome<std::string> marker = readSaveBytes(dir / kUnifiedMarker);
  if (!marker) return {};
  std::string text = *marker.value;
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

}  // namespace

std::filesystem::path autosaveDirectory(const Game& g) { return g.saveDirectory / kAutosaveFolder; }

void autosaveTurnStart(Game& g) {
  if (!g.autosave) return;
  SaveOutcome<std::string> bytes = encodeSaveFile(g.state);
  if (!bytes) return autosaveFailed(g, bytes.error.describe());
  if (auto why = noSaveFolder(g)) return autosaveFailed(g, *why);
  SaveOutcome<CheckedFolder> folder = prepareFolder(g);
  if (!folder) return autosaveFailed(g, folder.error.describe());
  const std::filesystem::path dir = autosaveDirectory(g);

  std::vector<AutosaveFile> files = autosaveFiles(folder.value->fd(), dir);
  if (!files.empty()) {
    SaveOutcome<std::string> newest = readSaveBytes(files.front().file);
    if (newest && *newest.value == *bytes.value) return;
  }
  const std::uint64_t sequence = files.empty() ? 1 : files.front().sequence + 1;
  const std::filesystem::path file = dir / fileNameFor(sequence, g.state);
  if (auto error = writeSaveBytes(*bytes.value, file)) return autosaveFailed(g, error->describe());

  // The new one is the newest: kAutosavesKept - 1 of the earlier ones stay.
  for (std::size_t i = kAutosavesKept - 1; i < files.size(); ++i) {
    const std::string name = files[i].file.filename().string();
    if (::unlinkat(folder.value->fd(), name.c_str(), 0) != 0 && errno != ENOENT) {
      return autosaveFailed(g, "古いオートセーブ " + files[i].file.string() + " を消せません(" +
                                   systemErrorReason(errno) + ")");
    }
  }
}

void recordUnification(Game& g) {
  if (!g.autosave || g.saveDirectory.empty()) return;
  const std::filesystem::path dir = autosaveDirectory(g);
  const std::vector<AutosaveFile> files = autosaveFiles(dir);
  if (files.empty()) return;
  const std::string name = files.front().file.filename().string() + "\n";
  if (auto error = writeSaveBytes(name, dir / kUnifiedMarker)) autosaveFailed(g, error->describe());
}

std::vector<AutosaveEntry> listAutosaves(const Game& g) {
  std::vector<AutosaveEntry> entries;
  if (g.saveDirectory.empty()) return entries;  // nowhere to save, so nothing saved
  for (const AutosaveFile& f : autosaveFiles(autosaveDirectory(g))) {
    SaveOutcome<GameState> saved = readSaveFile(f.file);
    if (!saved) continue;  // it could not be loaded either
    AutosaveEntry e;
    e.file = f.file;
    e.sequence = f.sequence;
    e.caption = turnCaption(*saved.value);
    e.player = playerStanding(*saved.value);
    struct stat info {};
    if (::stat(f.file.c_str(), &info) == 0) e.written = info.st_mtime;
    entries.push_back(std::move(e));
  }
  return entries;
}

std::optional<AutosaveEntry> resumableAutosave(const Game& g) {
  if (!g.autosave || g.saveDirectory.empty()) return std::nullopt;
  const std::filesystem::path dir = autosaveDirectory(g);
  const std::vector<AutosaveFile> files = autosaveFiles(dir);
  if (files.empty() || markerText(dir) == files.front().file.filename().string()) {
    return std::nullopt;
  }
  std::vector<AutosaveEntry> entries = listAutosaves(g);
  if (entries.empty()) return std::nullopt;
  return entries.front();
}

std::string playerStanding(const GameState& s) {
  const int house = playerHouseNumber(s);
  if (house == 0) return "観戦";
  return s.playerHouse + " " + std::to_string(standingOf(s).provinces[house]) + "国";
}

}  // namespace velmora
