// Writes a few save files from real games for the fuzzer's seed corpus:
//   velmora_make_seed_corpus DIR
#include <iostream>
#include <string>

#include "core/game.h"
#include "core/numeric.h"
#include "core/quiet_port.h"
#include "core/random.h"
#include "core/scenario.h"
#include "game/turn_cycle.h"
#include "persistence/save_file.h"

namespace {

using namespace velmora;

bool save(const GameState& s, const std::string& path) {
  if (auto error = writeSaveFile(s, path)) {
    std::cerr << path << ": " << error->describe() << '\n';
    return false;
  }
  return true;
}

// Plays whole turns with every province run by the computer; the player's settings are put
// back afterwards.
void playTurns(Game& g, QuietPort& port, int turns) {
  const std::string player = g.state.playerHouse;
  const bool autoAdvance = g.state.autoAdvance;
  g.state.playerHouse = "*";
  g.state.autoAdvance = true;
  for (int t = 0; t < turns && !g.ended; ++t) {
    pressOk(g);
    while (port.autoPressTimer && !g.ended) autoPressTick(g);
    pressOk(g);
  }
  g.state.playerHouse = player;
  g.state.autoAdvance = autoAdvance;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: velmora_make_seed_corpus DIR\n";
    return 2;
  }
  const std::string dir = argv[1];
  bool ok = true;

  {  // a new game, before its first turn
    QuietPort port;
    SeededRandom rng(1);
    Game g(port, rng);
    g.state.playerHouse = "織田";
    openGame(g);
    ok &= save(g.state, dir + "/new_game.dt");
  }
  {  // a year and a half in, watched only, fast messages, a delegated province
    QuietPort port;
    SeededRandom rng(2);
    Game g(port, rng);
    g.state.playerHouse = "*";
    g.state.settingHouseName = "";
    g.state.autoAdvance = true;
    g.state.messageWait = 0.1;
    g.state.settingSpeedIndex = 0;
    openGame(g);
    playTurns(g, port, 6);
    g.state.delegated[3] = true;
    ok &= save(g.state, dir + "/watching.dt");
  }
  {  // values at and over the limits, a comma in the house name
    QuietPort port;
    SeededRandom rng(3);
    Game g(port, rng);
    g.state.playerHouse = "武田";
    g.state.settingHouseName = "武田, 信玄";
    g.state.enterAdvance = true;
    g.state.settingEnterAdvance = 1;
    g.state.messageWait = 1.0;
    g.state.settingSpeedIndex = 3;
    openGame(g);
    playTurns(g, port, 3);
    g.state.provinces[4].troops = 999;
    g.state.provinces[5].gold = 1200;
    g.state.provinces[6].food = 0;
    g.state.provinces[7].lord = "武田";
    g.state.nations[4].wins = 7;
    g.state.nations[4].tacticUses = {0, 1, 2, 3, 4, 5};
    ok &= save(g.state, dir + "/limits.dt");
  }
  {  // every province value at the most a file holds
    QuietPort port;
    SeededRandom rng(4);
    Game g(port, rng);
    g.state.playerHouse = "*";
    g.state.autoAdvance = true;
    openGame(g);
    playTurns(g, port, 1);
    for (int p = 1; p <= kProvinceCount; ++p) {
      Province& pr = g.state.provinces[p];
      for (std::int32_t* v : {&pr.power, &pr.town, &pr.castle, &pr.food, &pr.gold, &pr.troops,
                              &pr.arms, &pr.morale}) {
        *v = kQuantityBound;
      }
    }
    ok &= save(g.state, dir + "/bound.dt");
  }
  {  // arms and troops at prices far below the market's: a purchase outgrows 32 bits
    QuietPort port;
    SeededRandom rng(5);
    Game g(port, rng);
    g.state.playerHouse = "*";
    g.state.autoAdvance = true;
    openGame(g);
    g.state.armsPrice = 0.000000001;
    g.state.troopsPrice = 0.000000001;
    for (int p = 1; p <= kProvinceCount; ++p) g.state.provinces[p].gold = 999;
    ok &= save(g.state, dir + "/tiny_prices.dt");
  }
  return ok ? 0 : 1;
}
