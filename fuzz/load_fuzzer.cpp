// libFuzzer target for the save file reader: any bytes at all must be refused or taken
// without a crash, a leak or undefined behaviour; whatever is taken must write back and read
// again to the very same state, and must play on: one to three turns played from it by the
// computer (with chance seeded from the input) end in a game that saves and loads again.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "combat/battle.h"
#include "combat/tactics.h"
#include "core/game.h"
#include "core/quiet_port.h"
#include "core/random.h"
#include "core/terms.h"
#include "game/save_game.h"
#include "game/turn_cycle.h"
#include "persistence/save_format.h"

namespace {

// FNV-1a: the same input always plays the same turns.
std::uint64_t hashOf(std::string_view bytes) {
  std::uint64_t h = 14695981039346656037ull;
  for (char c : bytes) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return h;
}

// Answers every box with OK and fights a battle of the player's house (a file may name a
// house "*") with 防御, round by round to its end, as the simulator does.
class FuzzPort : public velmora::QuietPort {
 public:
  velmora::Game* game = nullptr;
  void openBattleWindow() override {
    velmora::startBattle(*game);
    velmora::setPlayerTactic(*game, velmora::tacticNumber(velmora::TacticKind::Defence) - 1);
    velmora::playRoundsToTheEnd(*game);
  }
};

void playOn(const velmora::GameState& loaded, std::uint64_t seed) {
  FuzzPort port;
  velmora::SeededRandom rng(seed);
  velmora::Game g(port, rng);
  port.game = &g;
  velmora::restoreGame(g, loaded);
  // The computer plays every province, so that no window waits for a player.
  g.state.playerHouse = "*";
  const int turns = 1 + static_cast<int>(seed % 3);
  // A turn is eleven presses; the bound only keeps a fault from hanging the run.
  for (int press = 0, seasons = 0; seasons < turns && !g.ended; ++press) {
    if (press > 11 * turns + 1) std::abort();
    const int season = g.state.season;
    velmora::pressOk(g);
    seasons += g.state.season != season;
  }
  if (!g.state.turnStart) std::abort();
  velmora::SaveOutcome<std::string> written = velmora::encodeSaveFile(g.state);
  if (!written) std::abort();
  velmora::SaveOutcome<velmora::GameState> again = velmora::parseSaveFile(*written.value);
  if (!again || !(*again.value == g.state)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  velmora::SaveOutcome<velmora::GameState> loaded = velmora::parseSaveFile(bytes);
  if (!loaded) return 0;
  velmora::SaveOutcome<std::string> written = velmora::encodeSaveFile(*loaded.value);
  if (!written) std::abort();
  velmora::SaveOutcome<velmora::GameState> again = velmora::parseSaveFile(*written.value);
  if (!again || !(*again.value == *loaded.value)) std::abort();
  // A file the game wrote itself comes back byte for byte.
  if (velmora::encodeSaveFile(*again.value).value != written.value) std::abort();
  playOn(*loaded.value, hashOf(bytes));
  return 0;
}
