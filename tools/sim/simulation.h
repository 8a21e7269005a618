#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "core/quiet_port.h"

namespace velmora {
struct Game;  // by name only: the simulator's command line need not rebuild with the game
}  // namespace velmora

namespace velmora::sim {

// What the command line asks for. New options (a game to load, a number of turns, a file to
// save to) belong here and in parseOptions.
struct Options {
  int games = 1;
  std::uint64_t seed = 1;
  int maxYears = 200;
  bool log = false;
  bool details = false;  // with the log, the figures behind its lines too
  bool help = false;
  std::string loadFile;    // start every game from this saved game instead of a new one
  int turns = -1;          // whole turns to play (the year cap then does not apply); -1: no limit
  std::string saveFile;    // write the game as it stands at the end here (one game only)
  std::string courseFile;  // write the houses' province counts of every season here (one game)
};

// Parses the arguments after the program name; false with a message in error when they are
// not understood.
bool parseOptions(const std::vector<std::string>& args, Options& options, std::string& error);

// How far one game may run: years elapsed since 1年目の春, and seasons played (0: no limit).
struct PlayLimits {
  int maxYears = 200;
  int maxTurns = 0;
};

struct GameResult {
  bool unified = false;
  std::string winner;        // the house holding all ten provinces, when unified
  double yearsElapsed = 0;   // from 1年目の春 to where the game stopped
  std::int64_t battles = 0;  // battles fought during this run
  std::int64_t provinceTurns = 0;
  int turnsPlayed = 0;  // seasons completed
};

// A screen for games nobody watches: answers every box with OK, holds no line, plays a
// battle window (a defence with 防御) if a loaded game has a player's house, and can write
// everything the game shows to a stream, one line each, marked by where it appeared.
class SimPort : public QuietPort {
 public:
  explicit SimPort(std::ostream* log = nullptr, bool details = false)
      : log_(log), details_(details && log != nullptr) {}
  void attach(Game* game) { game_ = game; }

  // Only a log reads the lines; without one the game need not put them together.
  bool watched() const override { return log_ != nullptr; }
  void showLine1(const std::string& text, double) override { write("1: ", text); }
  void showLine2(const std::string& text, double) override { write("2: ", text); }
  void showLine3(const std::string& text, double) override { write("3: ", text); }
  bool keepsDetails() const override { return details_; }
  void addDetail(const std::string& text) override { write("detail: ", text); }
  BoxResult messageBox(const MessageBoxRequest& request) override;
  void showEventWindow(const std::vector<std::string>& lines,
                       const std::function<void()>& onOk) override;
  void openBattleWindow() override;

 private:
  void write(const char* mark, const std::string& text);
  std::ostream* log_;
  bool details_;
  Game* game_ = nullptr;
};

// A new game of the opening scenario in which the computer plays every province.
void startComputerGame(Game& g);

// Plays the given game on from where it stands, by OK presses, until one house has unified
// the land, the game has ended otherwise, or a limit is reached. The computer plays every
// province: just before the first press the player's house becomes "*" (a loaded game may
// name one); when nothing is played, nothing of the game changes.
GameResult playGame(Game& g, const PlayLimits& limits);

// The seed of game number i (0-based) of a run started with seed s.
std::uint64_t gameSeed(std::uint64_t s, int i);

// The course of the game as CSV (RFC 4180, LF line ends): a header with the house names, then
// one row per season start with the year, the season (1 to 4) and each house's provinces.
void writeCourse(const Game& g, std::ostream& out);

// Runs the whole simulation the options describe and prints the log (if asked) and the
// summary to out. A game to load is read first: when it cannot be, the reason goes to err and
// nothing is played or written. Returns the program's exit status (0 when all went well).
int runSimulation(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace velmora::sim
