// velmora-sim: plays whole games of the opening scenario with the computer on every side and
// prints who unified the land, how long it took and how fast the engine ran.
#include <iostream>

#include "simulation.h"

namespace {

const char* const kUsage =
    "usage: velmora-sim [--games N] [--seed S] [--max-years Y] [--log [--details]]\n"
    "                   [--load FILE] [--turns T] [--save FILE] [--course FILE]\n"
    "  --games N      games to play (default 1)\n"
    "  --seed S       seed of the run; game i is seeded from S and i (default 1)\n"
    "  --max-years Y  years a game may last before it counts as reaching the cap (default 200)\n"
    "  --log          print every message line (1:, 2:, 3:), box (box:) and event window line\n"
    "                 (event:) of every game, in order\n"
    "  --details      with --log, also the figures behind them (detail:), as the game's\n"
    "                 history keeps them: each order's changes before and after, the harvest,\n"
    "                 the prices, each battle and the fall of a house\n"
    "  --load FILE    start from this saved game (Game.dt format) instead of a new one; a\n"
    "                 file that cannot be loaded ends the run with a message, writing nothing\n"
    "  --turns T      play T whole turns and stop at the start of the next (or where the game\n"
    "                 ends); the year cap then does not apply. --turns 0 plays nothing\n"
    "  --save FILE    write the game as it stands at the end, in the Game.dt format (needs\n"
    "                 --games 1). --load A --turns 0 --save B writes the game A holds in\n"
    "                 the game's own spelling: a copy byte for byte of a file the game (or\n"
    "                 this program) wrote; other spellings the loader takes (.4, 10., a turn\n"
    "                 start flag #FALSE#, a first turn count other than 0) come out as the\n"
    "                 game writes them (0.4, 10, #TRUE#, 0)\n"
    "  --course FILE  write how many provinces each house held at every season start, as\n"
    "                 CSV (UTF-8): year, season 1 to 4, then one column per house (needs\n"
    "                 --games 1)\n"
    "The computer plays every province: a loaded game's player house becomes \"*\" just\n"
    "before the first turn played.\n"
    "The same seed gives the same output on the same build. The one exception is the last\n"
    "summary line, 'province turns per second', a timing; --log runs leave it out.\n";

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  velmora::sim::Options options;
  std::string error;
  if (!velmora::sim::parseOptions(args, options, error)) {
    std::cerr << "velmora-sim: " << error << "\n" << kUsage;
    return 2;
  }
  if (options.help) {
    std::cout << kUsage;
    return 0;
  }
  std::ios::sync_with_stdio(false);
  return velmora::sim::runSimulation(options, std::cout, std::cerr);
}
