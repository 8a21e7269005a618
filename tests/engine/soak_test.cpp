#include <gtest/gtest.h>

#include <set>

#include "core/random.h"
#include "core/scenario.h"
#include "engine/fake_port.h"
#include "game/turn_cycle.h"

namespace velmora::test {
namespace {

// Whole computer games, checked after every press of OK. Every fourth game the player is 織田
// with every province handed to the computer, so that attacks on the player's house go
// through the battle window.
TEST(Soak, HundredsOfComputerGamesKeepTheRules) {
  constexpr int kGames = 200;
  constexpr int kMaxYears = 80;
  int unified = 0;
  int windows = 0;
  for (int game = 0; game < kGames; ++game) {
    RecordingPort port;
    SeededRandom rng(1000 + game);
    Game g(port, rng);
    port.game = &g;
    GameState& s = g.state;
    const bool watched = game % 4 == 3;
    s.playerHouse = watched ? "織田" : "*";
    s.autoAdvance = true;
    s.messageWait = 0;
    newGame(g);
    if (watched) s.delegated.fill(true);
    std::set<std::string> houses;
    for (int n = 1; n <= kNationCount; ++n) houses.insert(s.nations[n].name);

    while (!g.ended && s.year <= kMaxYears) {
      const int position = s.orderPosition;
      pressOk(g);
      ASSERT_TRUE(g.battle.battleOver) << "game " << game << " year " << s.year;
      for (int p = 1; p <= kProvinceCount; ++p) {
        const Province& pr = s.provinces[p];
        ASSERT_TRUE(houses.count(pr.lord)) << pr.lord;
        ASSERT_GE(pr.gold, 0) << "game " << game << " province " << p << " position " << position;
        ASSERT_GE(pr.food, 0) << "game " << game << " province " << p << " position " << position;
        ASSERT_GE(pr.troops, 0);
        ASSERT_GE(pr.arms, 0);
        ASSERT_GE(pr.morale, 0);
      }
      for (const auto& box : port.boxes) {
        ASSERT_EQ(box.text.rfind("MINエラー", 0), std::string::npos) << box.text;
      }
      ASSERT_GE(s.orderPosition, 1);
      ASSERT_LE(s.orderPosition, kProvinceCount + 1);
      port.clear();
    }
    if (g.ended) {
      unified += 1;
      for (int p = 2; p <= kProvinceCount; ++p) {
        EXPECT_EQ(s.provinces[p].lord, s.provinces[1].lord);
      }
    }
    windows += port.battleWindowsOpened;
    EXPECT_EQ(port.battleWindowsOpened, port.battleWindowsClosed);
  }
  // Most games end in unification well inside the cap, and the window was used.
  EXPECT_GT(unified, kGames / 2);
  EXPECT_GT(windows, 0);
}

}  // namespace
}  // namespace velmora::test
