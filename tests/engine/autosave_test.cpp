#include "game/autosave.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/scenario.h"
#include "engine/fake_port.h"
#include "game/game_start.h"
#include "game/save_game.h"
#include "game/turn_cycle.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

std::string bytesOf(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// A computer game of its own in a fresh save folder, autosaving as the desktop game does.
struct AutosaveTest : ::testing::Test {
  AutosaveTest() {
    std::string pattern = (fs::temp_directory_path() / "velmora-autosave-XXXXXX").string();
    dir = mkdtemp(pattern.data());
    port.game = &g;
    g.saveDirectory = dir;
    g.autosave = true;
    g.state.playerHouse = "*";
    g.state.autoAdvance = true;
  }
  ~AutosaveTest() override { fs::remove_all(dir); }

  void playSeason() {
    do pressOk(g);
    while (!g.state.turnStart && !g.ended);
  }
  // The names in the autosave folder, newest first.
  std::vector<std::string> names() const {
    std::vector<std::string> out;
    for (const AutosaveEntry& e : listAutosaves(g)) out.push_back(e.file.filename().string());
    return out;
  }

  fs::path dir;
  test::RecordingPort port;
  SeededRandom rng{7};
  Game g{port, rng};
};

TEST_F(AutosaveTest, EachTurnStartIsWhatSaveWritesThereAndALoadOfItAddsNone) {
  startFirstGame(g);
  playSeason();
  EXPECT_TRUE(port.boxes.empty());  // an autosave shows nothing
  ASSERT_EQ(names(), (std::vector<std::string>{"000002-1年目の夏.dt", "000001-1年目の春.dt"}));
  const GameState before = g.state;
  ASSERT_TRUE(saveGame(g));
  EXPECT_EQ(bytesOf(dir / "Game.dt"), bytesOf(dir / "autosave" / names()[0]));
  EXPECT_EQ(g.state, before);

  port.clear();
  ASSERT_TRUE(loadGameFrom(g, dir / "autosave" / names()[0]));
  EXPECT_EQ(port.boxTexts(), std::vector<std::string>{"ロードしました"});
  EXPECT_EQ(names().size(), 2u);
  const std::vector<AutosaveEntry> entries = listAutosaves(g);
  EXPECT_EQ(entries[0].caption, "1年目の夏");
  EXPECT_EQ(entries[0].player, "観戦");
}

TEST_F(AutosaveTest, KeepsTheTwelveNewestInTheOrderOfWritingWhateverTheWidth) {
  startFirstGame(g);
  for (int i = 0; i < 12; ++i) playSeason();
  const std::vector<std::string> kept = names();
  ASSERT_EQ(kept.size(), 12u);
  EXPECT_EQ(kept.front(), "000013-4年目の春.dt");
  EXPECT_EQ(kept.back(), "000002-1年目の夏.dt");  // the 13th took the first one's place

  // Numbers past six digits still sort after shorter ones.
  fs::rename(dir / "autosave" / kept.front(), dir / "autosave" / "9999999-4年目の春.dt");
  g.state.provinces[1].gold += 1;
  autosaveTurnStart(g);
  EXPECT_EQ(names().front(), "10000000-4年目の春.dt");
  EXPECT_EQ(names().size(), 12u);
}

TEST_F(AutosaveTest, AFailureNeverStopsPlayAndAsksForOneBoxOnly) {
  std::ofstream(dir / "autosave") << "not a folder";
  startFirstGame(g);
  ASSERT_EQ(port.boxes.size(), 1u);
  EXPECT_EQ(port.boxes[0].text.rfind("オートセーブできませんでした。\n", 0), 0u);
  EXPECT_NE(port.boxes[0].text.find("フォルダではない"), std::string::npos);
  playSeason();
  playSeason();
  EXPECT_EQ(port.boxes.size(), 1u);
  EXPECT_EQ(port.historyOnly.size(), 2u);
  EXPECT_EQ(g.state.season, 3);
  EXPECT_FALSE(fs::exists(dir / "Game.dt"));
}

TEST_F(AutosaveTest, TheLastGameIsOfferedUnlessItEndedInUnification) {
  startFirstGame(g);
  playSeason();
  {
    test::RecordingPort port2;
    Game next{port2, rng};
    next.saveDirectory = dir;
    next.autosave = true;
    port2.answer(BoxResult::Ok);
    startFirstGame(next);
    ASSERT_FALSE(port2.boxes.empty());
    EXPECT_EQ(port2.boxes[0].text, "前回のゲーム(1年目の夏)の続きから始めますか?");
    EXPECT_EQ(port2.boxTexts().back(), "ロードしました");
    EXPECT_EQ(next.state, g.state);
  }

  for (int p = 1; p <= kProvinceCount; ++p) g.state.provinces[p].lord = "織田";
  autosaveTurnStart(g);
  ASSERT_TRUE(resumableAutosave(g));
  playSeason();
  ASSERT_TRUE(g.ended);
  EXPECT_FALSE(resumableAutosave(g));

  test::RecordingPort port3;
  Game after{port3, rng};
  after.saveDirectory = dir;
  after.autosave = true;
  startFirstGame(after);
  EXPECT_TRUE(port3.boxes.empty());
  EXPECT_EQ(after.state.year, 1);
}

TEST_F(AutosaveTest, ANewGameOnlyAtATurnStartAndThenTheOpening) {
  startFirstGame(g);
  g.state.turnStart = false;
  EXPECT_FALSE(askNewGame(g));
  EXPECT_EQ(port.boxTexts(),
            std::vector<std::string>{"新しいゲームはターンのはじめにしか始められません"});
  playSeason();
  playSeason();
  port.clear();
  port.answer(BoxResult::Ok);
  ASSERT_TRUE(askNewGame(g));
  EXPECT_EQ(port.boxes[0].text, "新しいゲームを始めますか?");
  EXPECT_EQ(port.boxes[0].defaultButton, BoxResult::Cancel);

  g.state.messageWait = 0.2;
  SeededRandom sameDraws(11);
  rng.reseed(11);
  startNewGame(g);
  test::RecordingPort freshPort;
  Game fresh{freshPort, sameDraws};
  fresh.state.playerHouse = "*";
  fresh.state.autoAdvance = true;
  fresh.state.messageWait = 0.2;
  openGame(fresh);
  EXPECT_EQ(g.state, fresh.state);
  EXPECT_EQ(g.course.size(), 1u);
  EXPECT_EQ(port.linesOf(1).back(), "1年目、春です");
  EXPECT_EQ(listAutosaves(g).front().caption, "1年目の春");
}

}  // namespace
}  // namespace velmora
