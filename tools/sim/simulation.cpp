#include "simulation.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <limits>
#include <numeric>
#include <optional>
#include <ostream>

#include "combat/battle.h"
#include "combat/tactics.h"
#include "core/game.h"
#include "core/random.h"
#include "core/scenario.h"
#include "core/terms.h"
#include "game/save_game.h"
#include "game/turn_cycle.h"
#include "persistence/save_file.h"

namespace velmora::sim {

namespace {

bool parseNumber(const std::string& text, long long minimum, long long& value) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
  if (text.size() > 18) return false;
  value = std::stoll(text);
  return value >= minimum;
}

// --turns counts turns, not years.
constexpr int kNoYearCap = std::numeric_limits<int>::max();

double elapsedYears(const GameState& s) { return (s.year - 1) + (s.season - 1) / 4.0; }

std::int64_t totalWins(const GameState& s) {
  std::int64_t total = 0;
  for (int n = 1; n <= kNationCount; ++n) total += s.nations[n].wins;
  return total;
}

std::string formatFixed(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2f", v);
  return buf;
}

}  // namespace

bool parseOptions(const std::vector<std::string>& args, Options& options, std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](long long minimum, long long& out) {
      if (i + 1 >= args.size() || !parseNumber(args[i + 1], minimum, out)) {
        error = arg + " needs a whole number of at least " + std::to_string(minimum);
        return false;
      }
      ++i;
      return true;
    };
    long long n = 0;
    if (arg == "--games") {
      if (!value(1, n)) return false;
      if (n > 1000000) {
        error = "--games: at most 1000000";
        return false;
      }
      options.games = static_cast<int>(n);
    } else if (arg == "--seed") {
      if (!value(0, n)) return false;
      options.seed = static_cast<std::uint64_t>(n);
    } else if (arg == "--max-years") {
      if (!value(1, n)) return false;
      if (n > 100000) {
        error = "--max-years: at most 100000";
        return false;
      }
      options.maxYears = static_cast<int>(n);
    } else if (arg == "--turns") {
      if (!value(0, n)) return false;
      if (n > 100000000) {
        error = "--turns: at most 100000000";
        return false;
      }
      options.turns = static_cast<int>(n);
    } else if (arg == "--load" || arg == "--save" || arg == "--course") {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        error = arg + " needs a file name";
        return false;
      }
      std::string& file = arg == "--load"   ? options.loadFile
                          : arg == "--save" ? options.saveFile
                                            : options.courseFile;
      file = args[++i];
    } else if (arg == "--log") {
      options.log = true;
    } else if (arg == "--details") {
      options.details = true;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else {
      error = "unknown argument: " + arg;
      return false;
    }
  }
  if (options.details && !options.log) {
    error = "--details prints into the log: use it with --log";
    return false;
  }
  if (!options.saveFile.empty() && options.games != 1) {
    error = "--save writes one game: use it with --games 1";
    return false;
  }
  if (!options.courseFile.empty() && options.games != 1) {
    error = "--course writes the course of one game: use it with --games 1";
    return false;
  }
  return true;
}

BoxResult SimPort::messageBox(const MessageBoxRequest& request) {
  write("box: ", request.text);
  return BoxResult::Ok;
}

void SimPort::showEventWindow(const std::vector<std::string>& lines,
                              const std::function<void()>& onOk) {
  for (const auto& line : lines) write("event: ", line);
  onOk();
}

void SimPort::openBattleWindow() {
  if (game_ == nullptr) return;
  startBattle(*game_);
  // 防御 costs nothing, so the defending player can always take it; an attacking player is
  // never asked to pay.
  setPlayerTactic(*game_, tacticNumber(TacticKind::Defence) - 1);
  playRoundsToTheEnd(*game_);
}

void SimPort::write(const char* mark, const std::string& text) {
  if (log_ != nullptr) *log_ << mark << text << '\n';
}

void startComputerGame(Game& g) {
  // The message hold stays as the settings dialog leaves it: the simulator's screen holds no
  // line anyway, and a game saved from here must load in the desktop game, which takes only
  // a hold above zero.
  g.state.playerHouse = "*";
  g.state.autoAdvance = true;
  openGame(g);
}

GameResult playGame(Game& g, const PlayLimits& limits) {
  GameState& s = g.state;
  GameResult result;
  const std::int64_t winsBefore = totalWins(s);
  bool pressed = false;
  while (!g.ended) {
    if (elapsedYears(s) >= limits.maxYears) break;
    if (limits.maxTurns > 0 && result.turnsPlayed >= limits.maxTurns) break;
    if (!pressed) s.playerHouse = "*";
    pressed = true;
    const bool playsAProvince = s.orderPosition <= kProvinceCount;
    const int season = s.season;
    // The auto-press timer and the player's press come to the same: one pressOk each.
    pressOk(g);
    if (playsAProvince) result.provinceTurns += 1;
    if (s.season != season) result.turnsPlayed += 1;
  }
  result.yearsElapsed = elapsedYears(s);
  const std::string& first = s.provinces[1].lord;
  result.unified = std::all_of(s.provinces.begin() + 1, s.provinces.end(),
                               [&](const Province& p) { return p.lord == first; });
  if (result.unified) result.winner = first;
  // Every battle adds one win to the books, the attacker's or the defender's.
  result.battles = totalWins(s) - winsBefore;
  return result;
}

std::uint64_t gameSeed(std::uint64_t s, int i) {
  // splitmix64 of the run's seed and the game's number: neighbouring seeds give unrelated
  // games, and game i is the same whatever --games says.
  std::uint64_t z = s + 0x9E3779B97F4A7C15ull * (static_cast<std::uint64_t>(i) + 1);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

namespace {

// A CSV field as RFC 4180 has it: in double quotes, its quotes doubled, when it holds a comma,
// a quote or a line break (a house name may hold a comma); as it is otherwise.
void writeField(std::ostream& out, const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) {
    out << field;
    return;
  }
  out << '"';
  for (char c : field) out << (c == '"' ? "\"\"" : std::string(1, c));
  out << '"';
}

}  // namespace

void writeCourse(const Game& g, std::ostream& out) {
  out << "year,season";
  for (int n = 1; n <= kNationCount; ++n) {
    out << ',';
    writeField(out, g.state.nations[n].name);
  }
  out << '\n';
  for (const SeasonStanding& standing : g.course) {
    out << standing.year << ',' << standing.season;
    for (int n = 1; n <= kNationCount; ++n) out << ',' << standing.provinces[n];
    out << '\n';
  }
}

int runSimulation(const Options& options, std::ostream& out, std::ostream& err) {
  std::optional<GameState> loaded;
  if (!options.loadFile.empty()) {
    SaveOutcome<GameState> read = readSaveFile(options.loadFile);
    if (!read) {
      err << "velmora-sim: cannot load " << options.loadFile << ": " << read.error.describe()
          << "\n";
      return 1;
    }
    loaded = std::move(read.value);
  }
  // --turns 0 plays nothing: a year cap of 0 stops before the first press.
  const PlayLimits limits = options.turns < 0    ? PlayLimits{options.maxYears, 0}
                            : options.turns == 0 ? PlayLimits{0, 0}
                                                 : PlayLimits{kNoYearCap, options.turns};
  // Opened first: a file that cannot be written stops the run before anything is played.
  std::ofstream course;
  if (!options.courseFile.empty()) {
    course.open(options.courseFile, std::ios::binary | std::ios::trunc);
    if (!course) {
      err << "velmora-sim: cannot write " << options.courseFile << "\n";
      return 1;
    }
  }
  std::optional<GameState> last;
  std::vector<GameResult> results;
  results.reserve(static_cast<size_t>(options.games));
  // Processor time of this one thread: the machine may be busy with other work.
  std::clock_t busy = 0;
  for (int i = 0; i < options.games; ++i) {
    if (options.log) out << "=== game " << (i + 1) << " ===\n";
    SimPort port(options.log ? &out : nullptr, options.details);
    SeededRandom rng(gameSeed(options.seed, i));
    Game game(port, rng);
    game.keepCourse = course.is_open();
    port.attach(&game);
    const std::clock_t start = std::clock();
    if (loaded) {
      restoreGame(game, *loaded);
    } else {
      startComputerGame(game);
    }
    results.push_back(playGame(game, limits));
    busy += std::clock() - start;
    last = game.state;
    if (course.is_open()) {
      writeCourse(game, course);
      course.close();
      if (!course) {
        err << "velmora-sim: cannot write " << options.courseFile << "\n";
        return 1;
      }
    }
  }
  if (!options.saveFile.empty() && last) {
    if (auto error = writeSaveFile(*last, options.saveFile)) {
      err << "velmora-sim: cannot save " << options.saveFile << ": " << error->describe() << "\n";
      return 1;
    }
  }

  // Wins in the order of the houses of the opening scenario.
  SimPort quiet;
  SeededRandom unused(0);
  Game names(quiet, unused);
  startComputerGame(names);
  out << "games: " << options.games << "\n";
  out << "seed: " << options.seed << "\n";
  if (!options.loadFile.empty()) out << "loaded: " << options.loadFile << "\n";
  if (options.turns >= 0) {
    out << "turns: " << options.turns << "\n";
  } else {
    out << "year cap: " << options.maxYears << "\n";
  }
  for (int n = 1; n <= kNationCount; ++n) {
    const std::string& house = names.state.nations[n].name;
    const auto wins = std::count_if(results.begin(), results.end(), [&](const GameResult& r) {
      return r.unified && r.winner == house;
    });
    out << "wins " << house << ": " << wins << "\n";
  }
  std::vector<double> years;
  std::int64_t battles = 0;
  std::int64_t turns = 0;
  for (const auto& r : results) {
    if (r.unified) years.push_back(r.yearsElapsed);
    battles += r.battles;
    turns += r.provinceTurns;
  }
  out << (options.turns >= 0 ? "not unified: " : "reached the year cap: ")
      << (options.games - static_cast<int>(years.size())) << "\n";
  if (years.empty()) {
    out << "years to unification: median -, mean -\n";
  } else {
    std::sort(years.begin(), years.end());
    const size_t n = years.size();
    const double median = n % 2 == 1 ? years[n / 2] : (years[n / 2 - 1] + years[n / 2]) / 2;
    const double mean = std::accumulate(years.begin(), years.end(), 0.0) / n;
    out << "years to unification: median " << formatFixed(median) << ", mean " << formatFixed(mean)
        << "\n";
  }
  out << "battles per game: " << formatFixed(static_cast<double>(battles) / options.games) << "\n";
  out << "province turns: " << turns << "\n";
  const double seconds = static_cast<double>(busy) / CLOCKS_PER_SEC;
  const double perSecond = seconds > 0 ? turns / seconds : 0;
  // The only figure that differs between runs of the same seed; a log is meant to be compared
  // run against run, so it leaves the figure out.
  if (!options.log) {
    out << "province turns per second: " << static_cast<std::int64_t>(perSecond) << "\n";
  }
  return 0;
}

}  // namespace velmora::sim
