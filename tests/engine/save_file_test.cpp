#include <grp.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <random>
#include <set>
#include <sstream>
#include <thread>

#include "core/game_state.h"
#include "core/numeric.h"
#include "core/random.h"
#include "core/scenario.h"
#include "engine/fake_port.h"
#include "game/autosave.h"
#include "game/save_game.h"
#include "game/turn_cycle.h"
#include "persistence/save_file.h"
#include "persistence/save_format.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::Fixture;

constexpr uid_t kNobody = 65534;
constexpr uid_t kStranger = 4242;  // a third user, with no account: only the number matters

// A fresh directory per test, removed afterwards.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (fs::temp_directory_path() / "velmora-save-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

std::string readBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void writeBytes(const fs::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::set<std::string> namesIn(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename());
  return names;
}

// A quoted text from Shift_JIS bytes written in hex: q("94 F6 92 A3") is "尾張".
std::string q(const std::string& hex) {
  std::string out = "\"";
  std::istringstream in(hex);
  std::string byte;
  while (in >> byte) out += static_cast<char>(std::stoi(byte, nullptr, 16));
  return out + "\"";
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

// The opening scenario with prices from the draws 0.25, 0 and 0.385 (food 0.6 + 0.3, troops
// 2.1, arms 7) and a few values changed.
void makeKnownState(Fixture& f) {
  f.s.provinces[3].gold = 0;
  f.s.nations[1].tacticUses[4] = 12;
  f.s.nations[2].wins = 3;
  f.s.delegated[4] = true;
  f.s.playOrder = {0, 2, 1, 3, 4, 5, 6, 7, 8, 9, 10};
}

// The file of that state, byte by byte.
std::vector<std::string> knownLines() {
  const std::string oda = q("90 44 93 63"), tokugawa = q("93 BF 90 EC"), imagawa = q("8D A1 90 EC"),
                    takeda = q("95 90 93 63"), saito = q("90 C4 93 A1"),
                    kitabatake = q("96 6B 94 A9"), rokkaku = q("98 5A 8A 70"),
                    azai = q("90 F3 88 E4"), asakura = q("92 A9 91 71"),
                    ashikaga = q("91 AB 97 98");
  const std::string futsu = q("95 81 92 CA"), naisei = q("93 E0 90 AD"), senso = q("90 ED 91 88"),
                    moshin = q("96 D2 90 69"), shincho = q("90 54 8F 64");
  const std::string tsujo = q("92 CA 8F ED"), totsugeki = q("93 CB 8C 82"), hoi = q("95 EF 88 CD"),
                    shageki = q("8E CB 8C 82"), bogyo = q("96 68 8C E4");
  return {"1", q("8F 74"), q("89 C4"), q("8F 48"), q("93 7E"), "1", "0", "\"Velmora\"",
          "0.8999999999999999", "7", "2.1", "#TRUE#", oda, "2", "0", "0",
          // provinces
          "1", q("94 F6 92 A3"), oda, "20", "20", "30", "10", "10", "10", "35", "50",  //
          "2", q("8E 4F 89 CD"), tokugawa, "10", "10", "25", "10", "10", "10", "15", "50", "3",
          q("89 93 8D 5D"), imagawa, "10", "15", "20", "10", "0", "30", "10", "50", "4",
          q("90 4D 94 5A"), takeda, "20", "10", "10", "10", "10", "30", "20", "50", "5",
          q("94 FC 94 5A"), saito, "10", "20", "30", "10", "10", "20", "20", "50", "6",
          q("88 C9 90 A8"), kitabatake, "10", "10", "20", "10", "10", "10", "10", "50", "7",
          q("93 EC 8B DF 8D 5D"), rokkaku, "10", "20", "20", "10", "10", "10", "10", "50", "8",
          q("96 6B 8B DF 8D 5D"), azai, "20", "20", "20", "10", "10", "10", "15", "50", "9",
          q("89 7A 91 4F"), asakura, "20", "10", "30", "10", "10", "10", "10", "50", "10",
          q("8B 9E"), ashikaga, "10", "50", "30", "10", "10", "10", "15", "50",
          // houses
          "1", oda, senso, moshin, shageki, "0", "0", "0", "0", "0", "12", "0",  //
          "2", tokugawa, naisei, shincho, hoi, "3", "0", "0", "0", "0", "0", "0", "3", imagawa,
          senso, moshin, hoi, "0", "0", "0", "0", "0", "0", "0", "4", takeda, senso, shincho,
          totsugeki, "0", "0", "0", "0", "0", "0", "0", "5", saito, naisei, futsu, shageki, "0",
          "0", "0", "0", "0", "0", "0", "6", kitabatake, naisei, futsu, bogyo, "0", "0", "0", "0",
          "0", "0", "0", "7", rokkaku, futsu, futsu, tsujo, "0", "0", "0", "0", "0", "0", "0", "8",
          azai, futsu, futsu, totsugeki, "0", "0", "0", "0", "0", "0", "0", "9", asakura, futsu,
          futsu, tsujo, "0", "0", "0", "0", "0", "0", "0", "10", ashikaga, naisei, shincho, tsujo,
          "0", "0", "0", "0", "0", "0", "0",
          // order of play, player, current province, command, candidates
          "2", "1", "3", "4", "5", "6", "7", "8", "9", "10", oda, "1", "0", "0",  //
          "0", "0", "0", "0", "0", "0", "0", "0", "0", "0",
          // message wait and flags
          "0.5", "#FALSE#", "#FALSE#", "#TRUE#", "#FALSE#", "#FALSE#", "#TRUE#",  //
          "#FALSE#", "#FALSE#", "#FALSE#", "#TRUE#", "#FALSE#", "#FALSE#", "#FALSE#", "#FALSE#",
          "#FALSE#", "#FALSE#"};
}

struct SaveTest : ::testing::Test {
  SaveTest() {
    f.game.saveDirectory = dir.path();
    makeKnownState(f);
  }
  fs::path file() const { return dir.path() / "Game.dt"; }

  TempDir dir;
  Fixture f{"織田", {0.25, 0.0, 0.385}};
};

TEST_F(SaveTest, WritesTheKnownStateByteForByte) {
  ASSERT_EQ(knownLines().size(), 287u);
  ASSERT_TRUE(saveGame(f.game));
  EXPECT_EQ(readBytes(file()), joinLines(knownLines()));
  EXPECT_EQ(f.port.boxTexts(), std::vector<std::string>{"セーブしました"});
  EXPECT_EQ(f.game.currentPanel, Panel::Message);
  EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"Game.dt"});  // no temporary file left
}

// The player's data folder is made by the first save, parents included, and never by a load.
TEST_F(SaveTest, TheFirstSaveMakesThePlayersDataFolder) {
  f.game.saveDirectory = dir.path() / "data" / "velmora";
  f.game.makeSaveDirectory = true;
  f.s.turnStart = true;
  loadGame(f.game);
  EXPECT_FALSE(fs::exists(dir.path() / "data"));
  ASSERT_TRUE(saveGame(f.game));
  EXPECT_TRUE(fs::is_regular_file(dir.path() / "data" / "velmora" / "Game.dt"));
  // The program's own folder is never made: a missing one is the save's failure to report.
  f.port.clear();
  f.game.saveDirectory = dir.path() / "gone";
  f.game.makeSaveDirectory = false;
  EXPECT_FALSE(saveGame(f.game));
  EXPECT_FALSE(fs::exists(dir.path() / "gone"));
}

TEST_F(SaveTest, SavingThenLoadingKeepsEveryField) {
  GameState& s = f.s;
  s.year = 12;
  s.season = 3;
  s.foodPrice = 1.5;
  s.armsPrice = 7;
  s.troopsPrice = 0.6 + 0.3;
  s.playerHouse = "北条, 早雲";  // a comma inside a quoted text
  s.settingHouseName = "北条, 早雲";
  s.settingSpeedIndex = 0;
  s.settingEnterAdvance = 1;
  s.messageWait = 0.1;
  s.firstStart = false;
  s.autoAdvance = true;
  s.enterAdvance = true;
  s.autoAdvanceReady = false;
  s.orderCompleted = true;
  s.orderJustStarted = true;
  s.currentProvince = 7;
  s.selectedCommand = CommandKind::Attack;
  s.candidateCount = 3;
  s.candidates = {0, 5, 6, 8, 0, 0, 0, 0, 0, 0, 0};
  s.provinces[4].lord = "織田";
  s.provinces[9].troops = 1200;       // outside the limit: loaded as it is, then reported
  s.nations[10].losses = 1000000000;  // the largest counter the reader takes
  s.delegated = {false, true, false, false, false, false, false, false, false, true, true};
  const GameState saved = s;
  ASSERT_TRUE(saveGame(f.game));

  // A different game is running when the file is loaded.
  Fixture other{"徳川", {0.9, 0.9, 0.9}};
  other.game.saveDirectory = dir.path();
  other.port.clear();
  loadGame(other.game);
  EXPECT_EQ(other.s, saved);
  EXPECT_EQ(other.s.troopsPrice, 0.8999999999999999);
  EXPECT_EQ(other.port.boxTexts(),
            (std::vector<std::string>{"MAXエラー兵 1200:999", "ロードしました"}));
  EXPECT_EQ(other.port.linesOf(1), std::vector<std::string>{"12年目の秋です"});
  EXPECT_EQ(other.port.caption, "12年目の秋");
  EXPECT_EQ(other.port.food, "1.5");
  EXPECT_EQ(other.port.arms, "7");
  EXPECT_EQ(other.port.troops, "0.9");
  ASSERT_EQ(other.port.redraws.size(), 10u);
  for (int p = 1; p <= 10; ++p) {
    EXPECT_EQ(other.port.redraws[p - 1].first, saved.provinces[p]);
    // Nobody plays 北条, 早雲, so no province is highlighted.
    EXPECT_FALSE(other.port.redraws[p - 1].second);
  }
  EXPECT_EQ(other.game.currentPanel, Panel::Message);

  const std::string text = readBytes(file());
  EXPECT_NE(text.find("\r\n1.5\r\n7\r\n0.8999999999999999\r\n"), std::string::npos);
}

TEST_F(SaveTest, AGameSavedBeforeItsFirstTurnLoads) {
  f.s.playOrder.fill(0);  // drawn only at the first press
  const GameState saved = f.s;
  ASSERT_TRUE(saveGame(f.game));
  f.s.year = 99;
  loadGame(f.game);
  EXPECT_EQ(f.s, saved);
}

TEST_F(SaveTest, ReadsFractionsWithOrWithoutTheLeadingZeroAndKeepsTheSecondTurnCount) {
  std::vector<std::string> lines = knownLines();
  lines[8] = ".4";
  lines[9] = "0.4";
  lines[10] = "10.";
  lines[270] = ".1";
  lines[6] = "5";
  lines[15] = "0";
  SaveOutcome<GameState> r = parseSaveFile(joinLines(lines));
  ASSERT_TRUE(r) << r.error.describe();
  EXPECT_EQ(r.value->foodPrice, 0.4);
  EXPECT_EQ(r.value->armsPrice, 0.4);
  EXPECT_EQ(r.value->troopsPrice, 10.0);
  EXPECT_EQ(r.value->messageWait, 0.1);
  EXPECT_EQ(r.value->turnCount, 0);
  // A count other than 0 where the game keeps it would stop the seasons: refused, line 16.
  lines[6] = "0";
  lines[15] = "3";
  const SaveOutcome<GameState> frozen = parseSaveFile(joinLines(lines));
  ASSERT_FALSE(frozen);
  EXPECT_EQ(frozen.error.line, 16);
}

// Each case: the line to change (1-based), its new content, and the line the reader must
// blame.
struct BadLine {
  int line;
  std::string content;
  int blamed;
};

TEST(SaveFormat, RefusesEveryWronglyTypedOrOutOfRangeLine) {
  const std::vector<BadLine> cases = {
      {1, "abc", 1},
      {1, "0", 1},           // the year starts at 1
      {1, "2147483648", 1},  // beyond 32 bits
      {1, "2147483646", 1},  // two winters later the year would overflow
      {1, " 1", 1},          // no blanks
      {6, "5", 6},           // season 1..4
      {6, "1.5", 6},         // a fraction in an integer line
      {2, "春", 2},          // unquoted
      {2, "\"春", 2},        // unclosed quote
      {2, "\"a\"b\"", 2},    // a quote inside a text
      {2, "\"\x81\"", 2},    // half a Shift_JIS character
      {2, "\"\x80\"", 2},    // a byte Shift_JIS does not use
      {2, "\"a\x01\"", 2},   // a control character
      {9, "0", 9},           // prices are above zero
      {9, "-0.4", 9},
      {9, "nan", 9},
      {9, "1e5", 9},
      {9, ".", 9},
      {9, "1.2.3", 9},
      {12, "#true#", 12},
      {12, "TRUE", 12},
      {14, "4", 14},             // speed index 0..3
      {15, "2", 15},             // the check box is 0 or 1
      {17, "2", 17},             // province 1 must say 1
      {20, "10000", 20},         // a quantity far beyond anything the rules allow
      {19, q("8F 74"), 19},      // lord 春: no such house
      {127, "3", 127},           // house 1 must say 1
      {129, q("8F 74"), 129},    // policy 春
      {131, q("8F 74"), 131},    // tactic 春
      {132, "-1", 132},          // wins
      {133, "1000000001", 133},  // losses: a billion battles is the most a file may hold
      {248, "2", 248},           // order of play 2, 2, ...: not a permutation
      {248, "0", 248},           // a gap in a drawn order
      {258, "11", 258},          // current province
      {259, "11", 259},          // command
      {271, "0", 271},           // message wait
      {271, "inf", 271},
      {278, "", 278},
  };
  for (const auto& c : cases) {
    std::vector<std::string> lines = knownLines();
    lines[c.line - 1] = c.content;
    SaveOutcome<GameState> r = parseSaveFile(joinLines(lines));
    EXPECT_FALSE(r) << "line " << c.line << ": " << c.content;
    EXPECT_EQ(r.error.line, c.blamed) << c.content << " -> " << r.error.describe();
  }
}

// Values of the right type that would still hurt the game once loaded.
TEST(SaveFormat, RefusesValuesThatWouldHurtThePlay) {
  // Only the four hold times of the speed options, in any decimal form.
  for (const auto& [text, wait] : std::vector<std::pair<std::string, double>>{
           {".1", 0.1}, {"0.2", 0.2}, {"0.50", 0.5}, {"1", 1.0}, {"1.0", 1.0}}) {
    std::vector<std::string> lines = knownLines();
    lines[270] = text;
    SaveOutcome<GameState> r = parseSaveFile(joinLines(lines));
    ASSERT_TRUE(r) << text << ": " << r.error.describe();
    EXPECT_EQ(r.value->messageWait, wait);
  }
  for (const std::string text : {"0.001", "0.3", "5", "1000000000", "10000000000"}) {
    std::vector<std::string> lines = knownLines();
    lines[270] = text;
    SaveOutcome<GameState> r = parseSaveFile(joinLines(lines));
    ASSERT_FALSE(r) << text;
    EXPECT_EQ(r.error.describe(),
              "271行目(メッセージの待ち時間): 0.1、0.2、0.5、1のどれかでなければなりません");
  }

  // No province quantity below 0, in any province; 0 itself and the upper bound are taken.
  for (int p = 1; p <= 10; ++p) {
    for (int field = 3; field <= 10; ++field) {
      const int line = 17 + (p - 1) * 11 + field;
      std::vector<std::string> lines = knownLines();
      for (const std::string ok : {"0", "9999"}) {
        lines[line - 1] = ok;
        EXPECT_TRUE(parseSaveFile(joinLines(lines))) << "line " << line << ": " << ok;
      }
      lines[line - 1] = "-1";
      SaveOutcome<GameState> r = parseSaveFile(joinLines(lines));
      EXPECT_FALSE(r) << "line " << line;
      EXPECT_EQ(r.error.line, line);
    }
  }

  // Two houses of one name: the later one is blamed, before any lord is looked up.
  std::vector<std::string> lines = knownLines();
  lines[139] = q("90 44 93 63");  // house 2 named 織田
  SaveOutcome<GameState> r = parseSaveFile(joinLines(lines));
  ASSERT_FALSE(r);
  EXPECT_EQ(r.error.describe(), "140行目(家2の名前): 「織田」は家1と同じ名前です");
  lines = knownLines();
  lines[235] = lines[223];  // house 10 named as house 9
  EXPECT_EQ(parseSaveFile(joinLines(lines)).error.line, 236);

  // Two provinces of one name: a move or an attack names its target by the name.
  lines = knownLines();
  lines[28] = lines[17];  // province 2 named as province 1
  r = parseSaveFile(joinLines(lines));
  ASSERT_FALSE(r);
  EXPECT_EQ(r.error.line, 29);
  EXPECT_NE(r.error.describe().find("国1と同じ名前です"), std::string::npos) << r.error.describe();
}

TEST_F(SaveTest, AFileWithANegativeMoraleIsRefusedAndChangesNothing) {
  std::vector<std::string> lines = knownLines();
  lines[26] = "-50";  // 尾張's 民度
  writeBytes(file(), joinLines(lines));
  const GameState running = f.s;
  loadGame(f.game);
  EXPECT_EQ(f.s, running);
  ASSERT_EQ(f.port.boxes.size(), 1u);
  EXPECT_NE(f.port.boxes[0].text.find("27行目(国1の民度): -50は0から9999の範囲にありません"),
            std::string::npos)
      << f.port.boxes[0].text;
}

// A new game in which the computer plays every province, saving into folder.
struct ComputerGame {
  ComputerGame(std::uint64_t seed, const std::filesystem::path& folder) : rng(seed) {
    port.game = &g;
    g.saveDirectory = folder;
    g.state.playerHouse = "*";
    g.state.autoAdvance = true;
    newGame(g);
  }
  test::RecordingPort port;
  SeededRandom rng;
  Game g{port, rng};
};

// Every counter at the most a file holds: the game loads, plays on for years (battles, the
// computer reading its opponents' tactics, winters) without any arithmetic overflowing, and
// saves and loads again. The sanitizer build checks the overflow itself.
TEST(SaveFormat, CountersAtTheirBoundPlayOnAndSaveAgain) {
  TempDir dir;
  int battles = 0;
  for (int game = 0; game < 4; ++game) {
    ComputerGame play(700 + game, dir.path());
    test::RecordingPort& port = play.port;
    Game& g = play.g;
    GameState& s = g.state;
    s.year = 1'000'000'000;
    for (int n = 1; n <= kNationCount; ++n) {
      Nation& house = s.nations[n];
      house.wins = house.losses = 1'000'000'000;
      house.tacticUses.fill(1'000'000'000);
      house.tacticUses[0] = 0;
    }
    ASSERT_TRUE(saveGame(g));
    s = GameState{};
    s.turnStart = true;
    loadGame(g);
    ASSERT_EQ(s.year, 1'000'000'000);

    const int presses = 11 * 4 * 10;  // about ten years
    for (int i = 0; i < presses && !g.ended; ++i) pressOk(g);
    for (const std::string& line : port.linesOf(2)) {
      battles += line.find("に攻め込んだ") != std::string::npos;
    }
    for (int n = 1; n <= kNationCount; ++n) {
      EXPECT_EQ(s.nations[n].wins, 1'000'000'000);
      EXPECT_EQ(s.nations[n].losses, 1'000'000'000);
      for (int t = 1; t <= kTacticCount; ++t) {
        EXPECT_EQ(s.nations[n].tacticUses[t], 1'000'000'000);
      }
    }
    EXPECT_EQ(s.year, 1'000'000'000);
    while (!s.turnStart && !g.ended) pressOk(g);
    if (g.ended) continue;
    port.clear();
    ASSERT_TRUE(saveGame(g)) << (port.boxes.empty() ? "" : port.boxes.back().text);
    const GameState played = s;
    loadGame(g);
    EXPECT_EQ(s, played);
  }
  EXPECT_GT(battles, 0);
}

// Every province value at the most a file holds: the game loads (the province check reports
// the values above 999), plays 100 seasons without taking a value below 0 or past the bound,
// and saves and loads again.
TEST(SaveFormat, ProvinceValuesAtTheirBoundPlayOnAndSaveAgain) {
  TempDir dir;
  int played = 0;
  for (int game = 0; game < 3; ++game) {
    ComputerGame play(900 + game, dir.path());
    test::RecordingPort& port = play.port;
    Game& g = play.g;
    GameState& s = g.state;
    for (int p = 1; p <= kProvinceCount; ++p) {
      Province& pr = s.provinces[p];
      for (std::int32_t* v : {&pr.power, &pr.town, &pr.castle, &pr.food, &pr.gold, &pr.troops,
                              &pr.arms, &pr.morale}) {
        *v = kQuantityBound;
      }
    }
    ASSERT_TRUE(saveGame(g));
    loadGame(g);
    ASSERT_EQ(s.provinces[1].morale, kQuantityBound);

    int seasons = 0;
    while (seasons < 100 && !g.ended) {
      const int season = s.season;
      pressOk(g);
      seasons += s.season != season;
      for (int p = 1; p <= kProvinceCount; ++p) {
        const Province& pr = s.provinces[p];
        for (std::int32_t v :
             {pr.power, pr.town, pr.castle, pr.food, pr.gold, pr.troops, pr.arms, pr.morale}) {
          ASSERT_GE(v, 0) << "game " << game << " season " << seasons << " province " << p;
          ASSERT_LE(v, kQuantityBound) << "game " << game << " season " << seasons;
        }
      }
      port.clear();
    }
    if (g.ended) continue;
    ASSERT_TRUE(s.turnStart);
    ASSERT_TRUE(saveGame(g)) << "game " << game << ": " << port.boxes.back().text;
    const GameState saved = s;
    loadGame(g);
    EXPECT_EQ(s, saved);
    ++played;
  }
  EXPECT_GT(played, 0);
}

// The file is written only at the start of a turn, so the flag of that line is read back as
// true whatever it says: a file with #FALSE# there saves and loads again at once.
TEST_F(SaveTest, TheTurnStartFlagIsReadBackAsTrue) {
  std::vector<std::string> lines = knownLines();
  ASSERT_EQ(lines[276], "#TRUE#");
  lines[276] = "#FALSE#";
  writeBytes(file(), joinLines(lines));
  f.s.year = 5;
  loadGame(f.game);
  EXPECT_EQ(f.s.year, 1);
  EXPECT_TRUE(f.s.turnStart);
  EXPECT_TRUE(saveGame(f.game)) << f.port.boxTexts().back();
  EXPECT_EQ(readBytes(file()), joinLines(knownLines()));
  lines[276] = "yes";  // still a flag, or the file is refused
  EXPECT_FALSE(parseSaveFile(joinLines(lines)));
}

TEST(SaveFormat, RefusesBrokenLineStructure) {
  const std::string good = joinLines(knownLines());
  ASSERT_TRUE(parseSaveFile(good));

  std::string lfOnly;
  for (const auto& l : knownLines()) lfOnly += l + "\n";
  EXPECT_EQ(parseSaveFile(lfOnly).error.line, 1);

  std::vector<std::string> shortLines = knownLines();
  shortLines.resize(277);
  SaveOutcome<GameState> r = parseSaveFile(joinLines(shortLines));
  EXPECT_EQ(r.error.line, 278);
  EXPECT_NE(r.error.describe().find("277行で終わっています"), std::string::npos);

  EXPECT_EQ(parseSaveFile(good + "1\r\n").error.line, 288);
  EXPECT_EQ(parseSaveFile(good.substr(0, good.size() - 2)).error.line, 287);  // no last CR LF
  std::string strayCr = good;
  strayCr.insert(good.find("\r\n"), "\r");
  EXPECT_EQ(parseSaveFile(strayCr).error.line, 1);
  EXPECT_FALSE(parseSaveFile(""));

  // No cut of a good file is taken for a whole one.
  for (std::size_t n = 0; n < good.size(); n += 7) {
    EXPECT_FALSE(parseSaveFile(good.substr(0, n))) << n;
  }
}

TEST(SaveFormat, StorableTextsAreThoseThatComeBackUnchanged) {
  EXPECT_TRUE(isStorableText("織田"));
  EXPECT_TRUE(isStorableText(""));
  EXPECT_TRUE(isStorableText("*"));
  EXPECT_TRUE(isStorableText("北条, 早雲"));
  EXPECT_TRUE(isStorableText("～－①ｱ髙\\~"));
  EXPECT_FALSE(isStorableText("織\"田"));
  EXPECT_FALSE(isStorableText("𠮷田"));  // not in Shift_JIS
  EXPECT_FALSE(isStorableText("〜"));    // written as ～, so it would come back changed
  EXPECT_FALSE(isStorableText("¥"));     // written as \, likewise
  EXPECT_FALSE(isStorableText("織田\r\n"));
  EXPECT_FALSE(isStorableText("織田\t"));
  EXPECT_FALSE(isStorableText("\xff"));  // not UTF-8
  EXPECT_FALSE(isStorableText("\xe7\xb9"));
}

TEST_F(SaveTest, RefusesAHouseNameTheFileCannotHoldAndKeepsTheOldFile) {
  ASSERT_TRUE(saveGame(f.game));
  const std::string before = readBytes(file());
  for (const std::string name : {"織\"田", "𠮷田", "〜"}) {
    f.port.clear();
    f.s.settingHouseName = name;
    f.s.playerHouse = name;
    EXPECT_FALSE(saveGame(f.game)) << name;
    ASSERT_EQ(f.port.boxes.size(), 1u);
    EXPECT_TRUE(f.port.boxes[0].warning);
    EXPECT_NE(f.port.boxes[0].text.find("13行目(設定の家名)"), std::string::npos)
        << f.port.boxes[0].text;
    EXPECT_EQ(readBytes(file()), before);
  }
}

TEST_F(SaveTest, RefusesAValueTheReaderWouldNotTake) {
  f.s.messageWait = 0;
  EXPECT_FALSE(saveGame(f.game));
  EXPECT_FALSE(fs::exists(file()));
  EXPECT_NE(f.port.boxTexts().back().find("271行目"), std::string::npos);
}

TEST_F(SaveTest, BothRefuseOutsideTheStartOfATurnAndChangeNothing) {
  ASSERT_TRUE(saveGame(f.game));
  const std::string before = readBytes(file());
  f.s.turnStart = false;
  f.s.year = 5;
  f.port.clear();
  EXPECT_FALSE(saveGame(f.game));
  const GameState running = f.s;
  loadGame(f.game);
  EXPECT_EQ(f.port.boxTexts(), (std::vector<std::string>{"セーブはターンのはじめしかできません",
                                                         "ロードはターンの始めしかできません"}));
  EXPECT_EQ(f.s, running);
  EXPECT_EQ(readBytes(file()), before);
}

TEST_F(SaveTest, ABadFileLeavesTheRunningGameUntouched) {
  const GameState running = f.s;
  loadGame(f.game);  // no file yet
  ASSERT_EQ(f.port.boxes.size(), 1u);
  EXPECT_NE(f.port.boxes[0].text.find("がありません"), std::string::npos);
  EXPECT_TRUE(f.port.boxes[0].warning);

  std::vector<std::string> lines = knownLines();
  lines[45] = "many";  // province 3's gold
  writeBytes(file(), joinLines(lines));
  f.port.clear();
  loadGame(f.game);
  EXPECT_EQ(f.s, running);
  ASSERT_EQ(f.port.boxes.size(), 1u);
  EXPECT_NE(f.port.boxes[0].text.find("46行目(国3の金): 整数ではありません"), std::string::npos)
      << f.port.boxes[0].text;
  EXPECT_TRUE(f.port.lines.empty());
  EXPECT_TRUE(f.port.redraws.empty());

  fs::remove(file());
  fs::create_directory(file());  // unreadable as a file
  f.port.clear();
  loadGame(f.game);
  EXPECT_EQ(f.s, running);
  EXPECT_EQ(f.port.boxes.size(), 1u);
}

// Files may grow to a few bytes only while it lives (the limit binds root too).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);  // a failing write, not a killed program
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  void (*oldHandler_)(int);
};

TEST_F(SaveTest, AFailedWriteKeepsTheOldFileAndTheQuitGoesOn) {
  ASSERT_TRUE(saveGame(f.game));
  const std::string before = readBytes(file());
  const GameState saved = f.s;

  FileSizeLimit limit(100);
  f.s.year = 30;
  f.port.clear();
  EXPECT_FALSE(saveGame(f.game));
  EXPECT_EQ(readBytes(file()), before);
  ASSERT_EQ(f.port.boxes.size(), 1u);
  EXPECT_TRUE(f.port.boxes[0].warning);
  EXPECT_NE(f.port.boxes[0].text.find("に書き込めません(ファイルが大きすぎます)"),
            std::string::npos)
      << f.port.boxes[0].text;
  EXPECT_NE(f.port.boxes[0].text.find("前のセーブファイルはそのまま"), std::string::npos);

  // The quit confirmation: OK to save, the save fails, and the program goes on.
  f.port.clear();
  EXPECT_FALSE(quitGame(f.game));
  EXPECT_FALSE(f.game.ended);
  EXPECT_FALSE(f.port.terminated);
  EXPECT_EQ(f.port.boxes.size(), 2u);  // the question and the failure; no second question
  EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"Game.dt"});  // the partial file is gone

  loadGame(f.game);
  EXPECT_EQ(f.s, saved);
}

TEST_F(SaveTest, ASaveDirectoryUnderARegularFileFails) {
  writeBytes(dir.path() / "plain", "x");
  f.game.saveDirectory = dir.path() / "plain" / "sub";
  EXPECT_FALSE(saveGame(f.game));
  EXPECT_TRUE(f.port.boxes.back().warning);
  EXPECT_EQ(readBytes(dir.path() / "plain"), "x");
}

// With no usable place at all (no HOME, no account home), saving, loading and the autosave say
// so, and nothing is written or read where the program happens to run.
TEST_F(SaveTest, NowhereToSaveIsSaidAndNothingIsWritten) {
  const fs::path before = fs::current_path();
  fs::current_path(dir.path());
  writeBytes(dir.path() / "Game.dt", "not a save");
  f.game.saveDirectory.clear();
  f.game.autosave = true;
  EXPECT_FALSE(saveGame(f.game));
  loadGame(f.game);
  autosaveTurnStart(f.game);
  fs::current_path(before);
  ASSERT_EQ(f.port.boxes.size(), 3u);
  for (const MessageBoxRequest& box : f.port.boxes) {
    EXPECT_NE(box.text.find("セーブファイルを置く場所がありません"), std::string::npos) << box.text;
  }
  EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"Game.dt"});
  EXPECT_EQ(readBytes(dir.path() / "Game.dt"), "not a save");
}

TEST_F(SaveTest, LeftoverTemporaryFilesFromKilledSavesDoNotMatter) {
  // What killed saves leave, under the names saves use now and used before; a save never
  // writes through them, and removes those of its own pattern once they are a minute old.
  const std::set<std::string> leftovers{"Game.dt.tmp", "Game.dt.tmpAbc123", "Game.dt.tmpOld456",
                                        "Game.dt.tmpTooLong1", "Game.dt.tmpLink99"};
  for (const auto& name : leftovers) {
    if (name != "Game.dt.tmpLink99") writeBytes(dir.path() / name, "half a fi");
  }
  fs::create_symlink("Game.dt.tmp", dir.path() / "Game.dt.tmpLink99");
  // A second more than the minute: time() reads a coarser clock, which may still be in the
  // second before the one this precise clock has just entered.
  const auto old = fs::file_time_type::clock::now() - std::chrono::seconds(62);
  for (const char* name : {"Game.dt.tmp", "Game.dt.tmpOld456", "Game.dt.tmpTooLong1"}) {
    fs::last_write_time(dir.path() / name, old);
  }
  ASSERT_TRUE(saveGame(f.game));
  EXPECT_EQ(readBytes(file()), joinLines(knownLines()));
  std::set<std::string> expected = leftovers;
  expected.erase("Game.dt.tmpOld456");  // the one stale name of the pattern
  for (const auto& name : expected) EXPECT_EQ(readBytes(dir.path() / name), "half a fi") << name;
  expected.insert("Game.dt");
  EXPECT_EQ(namesIn(dir.path()), expected);
}

// Saving follows a symbolic link to the player's own file as loading does: the file it names
// is replaced with its mode kept, and the link stays. A loop of links is refused both ways, in
// the game's language.
TEST_F(SaveTest, SavingAndLoadingBothFollowASymbolicLink) {
  fs::create_directory(dir.path() / "store");
  writeBytes(dir.path() / "store" / "real.dt", "an older game");
  fs::permissions(dir.path() / "store" / "real.dt", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("store/real.dt", file());  // relative to the link's folder
  ASSERT_TRUE(saveGame(f.game)) << f.port.boxTexts().back();
  EXPECT_TRUE(fs::is_symlink(file()));
  EXPECT_EQ(readBytes(dir.path() / "store" / "real.dt"), joinLines(knownLines()));
  EXPECT_EQ(fs::status(dir.path() / "store" / "real.dt").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  f.s.year = 7;
  ASSERT_TRUE(saveGame(f.game));  // replaces the file the link names
  EXPECT_TRUE(fs::is_symlink(file()));
  f.s.year = 9;
  loadGame(f.game);
  EXPECT_EQ(f.s.year, 7);
  EXPECT_EQ(namesIn(dir.path() / "store"), std::set<std::string>{"real.dt"});

  fs::remove(file());
  fs::create_symlink("Game.dt", file());
  const GameState running = f.s;
  f.port.clear();
  EXPECT_FALSE(saveGame(f.game));
  loadGame(f.game);
  EXPECT_EQ(f.s, running);
  ASSERT_EQ(f.port.boxes.size(), 2u);
  for (const auto& box : f.port.boxes) {
    EXPECT_TRUE(box.warning);
    EXPECT_NE(box.text.find("を開けません(シンボリックリンクが循環しているか、多すぎます)"),
              std::string::npos)
        << box.text;
  }
  EXPECT_TRUE(fs::is_symlink(file()));
}

// Runs `body` in a child process as the user nobody (65534) when the tests run as root, as CI
// does; its result comes back as text.
std::string asAnotherUser(const std::function<std::string()>& body) {
  int out[2];
  if (pipe(out) != 0) return "no pipe";
  const pid_t child = fork();
  if (child == 0) {
    close(out[0]);
    std::string result;
    if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) {
      result = "cannot become nobody";
    } else {
      result = body();
    }
    for (std::size_t done = 0; done < result.size();) {
      const ssize_t n = write(out[1], result.data() + done, result.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    _exit(0);
  }
  close(out[1]);
  std::string result;
  char buf[4096];
  for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;) result.append(buf, n);
  close(out[0]);
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? result : "the child died";
}

// A folder of nobody's, mode `mode`, inside `parent`.
fs::path nobodysFolder(const fs::path& parent, const std::string& name, mode_t mode = 0755) {
  const fs::path p = parent / name;
  fs::create_directory(p);
  EXPECT_EQ(chown(p.c_str(), kNobody, kNobody), 0);
  EXPECT_EQ(chmod(p.c_str(), mode), 0);
  return p;
}

void writeOwnedBy(const fs::path& p, const std::string& bytes, uid_t owner, mode_t mode) {
  writeBytes(p, bytes);
  EXPECT_EQ(chown(p.c_str(), owner, owner), 0);
  EXPECT_EQ(chmod(p.c_str(), mode), 0);
}

void linkOwnedBy(const fs::path& target, const fs::path& link, uid_t owner) {
  fs::create_symlink(target, link);
  EXPECT_EQ(lchown(link.c_str(), owner, owner), 0);
}

// What nobody's save into `folder` said: "saved", or the text of its box.
std::string saveAsNobody(const fs::path& folder) {
  return asAnotherUser([&] {
    test::Fixture f{"織田", {0.25, 0.0, 0.385}};
    f.game.saveDirectory = folder;
    if (saveGame(f.game)) return std::string("saved");
    return f.port.boxes.empty() ? std::string("no box") : f.port.boxes.back().text;
  });
}

// The link attack and its relatives: saving follows a link only when the link is root's or the
// player's, the regular file it names is the player's own and no one else may write where the
// link lies. Every
// other save through a link is refused with a box that says why, and changes nothing.
TEST(SaveFile, SavingThroughALinkReplacesOnlyThePlayersOwnFile) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to stand for a second user";
  TempDir dir;
  fs::permissions(dir.path(), fs::perms::all & ~fs::perms::group_write & ~fs::perms::others_write);
  const std::string old = "an older game";

  struct Case {
    std::string name;
    std::string why;  // what the box says; empty: the save goes ahead
  };
  const std::vector<Case> cases{
      {"foreign-link", "リンクの持ち主がこのユーザーでもrootでもありません"},
      {"foreign-target", "リンク先の持ち主がこのユーザーではありません"},
      {"device", "リンク先が普通のファイルではありません"},
      {"dangling", "リンク先のファイルがありません"},
      {"shared-folder", "リンクのあるフォルダにほかのユーザーも書き込めます"},
      {"sticky-folder", "リンクのあるフォルダにほかのユーザーも書き込めます"},
      {"own", ""},
  };
  for (const Case& c : cases) {
    const mode_t mode = c.name == "shared-folder" ? 0777 : c.name == "sticky-folder" ? 01777 : 0755;
    const fs::path folder = nobodysFolder(dir.path(), c.name, mode);
    const fs::path link = folder / "Game.dt";
    const fs::path real = folder / "real.dt";
    if (c.name == "foreign-link") {
      writeOwnedBy(real, old, kNobody, 0600);
      linkOwnedBy(real, link, kStranger);  // planted by a third user
    } else if (c.name == "foreign-target") {
      writeOwnedBy(real, old, 0, 0600);  // root's own file where nobody may rename over it
      linkOwnedBy(real, link, kNobody);
    } else if (c.name == "device") {
      linkOwnedBy("/dev/null", link, kNobody);
    } else if (c.name == "dangling") {
      linkOwnedBy(real, link, kNobody);
    } else {
      writeOwnedBy(real, old, kNobody, 0600);
      linkOwnedBy("real.dt", link, kNobody);
    }
    const std::set<std::string> before = namesIn(folder);

    const std::string said = saveAsNobody(folder);
    SCOPED_TRACE(c.name + ": " + said);
    EXPECT_TRUE(fs::is_symlink(link));
    if (c.why.empty()) {
      EXPECT_EQ(said, "saved");
      EXPECT_EQ(readBytes(real), *encodeSaveFile(Fixture{"織田", {0.25, 0.0, 0.385}}.s).value);
      struct stat info {};
      ASSERT_EQ(stat(real.c_str(), &info), 0);
      EXPECT_EQ(info.st_mode & 07777, 0600u);
      EXPECT_EQ(info.st_uid, kNobody);
    } else {
      EXPECT_NE(said.find("セーブできませんでした。"), std::string::npos);
      EXPECT_NE(said.find(link.string() + " はシンボリックリンクで、" + c.why), std::string::npos);
      if (c.name == "dangling") {
        EXPECT_FALSE(fs::exists(real));
      } else if (c.name != "device") {
        EXPECT_EQ(readBytes(real), old);
      }
    }
    EXPECT_EQ(namesIn(folder), before);
  }
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

// What a save, a load and an autosave of `g` said, one line each: "saved", "loaded", "autosaved"
// or the text of the box.
std::vector<std::string> saveLoadAndAutosave(Fixture& f) {
  std::vector<std::string> said;
  const auto last = [&](const char* done, bool ok) {
    said.push_back(ok || f.port.boxes.empty() ? done : f.port.boxes.back().text);
    f.port.clear();
  };
  last("saved", saveGame(f.game));
  const int year = f.s.year;
  loadGame(f.game);
  last("loaded",
       f.s.year == year && f.port.boxTexts() == std::vector<std::string>{"ロードしました"});
  f.game.autosave = true;
  autosaveTurnStart(f.game);
  last("autosaved", f.port.boxes.empty());
  return said;
}

// Another user's folder anywhere on the way lets them turn the path elsewhere, so every folder
// on it and every link must be root's or the player's: three ways through such folders, each
// refused for saving, loading and autosaving alike, with the file they led to untouched.
TEST(SaveFile, NoOtherUsersFolderOrLinkOnTheWay) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to stand for a second user";
  TempDir dir;
  fs::permissions(dir.path(), fs::perms::all & ~fs::perms::group_write & ~fs::perms::others_write);
  const auto refused = [](const std::string& said, const fs::path& folder, const char* whose) {
    return said.find("フォルダ " + folder.string() + " の持ち主が" + whose) != std::string::npos;
  };

  // The player's own link runs through a stranger's folder, whose link leads back to another
  // file of the player's.
  {
    const fs::path player = nobodysFolder(dir.path(), "player");
    const fs::path keep = nobodysFolder(player, "keep");
    writeOwnedBy(keep / "other.dt", "keep this", kNobody, 0600);
    const fs::path stranger = nobodysFolder(dir.path(), "stranger");
    ASSERT_EQ(chown(stranger.c_str(), kStranger, kStranger), 0);
    linkOwnedBy(keep, stranger / "door", kStranger);
    linkOwnedBy(stranger / "door" / "other.dt", player / "Game.dt", kNobody);
    const std::string said = asAnotherUser([&] {
      Fixture f{"織田", {0.25, 0.0, 0.385}};
      f.game.saveDirectory = player;
      // The autosave folder is the player's own, out of the link's way: it may be written.
      const std::vector<std::string> lines = saveLoadAndAutosave(f);
      return lines[0] + "\n---\n" + lines[1];
    });
    SCOPED_TRACE(said);
    EXPECT_EQ(said.rfind("セーブできませんでした。", 0), 0u);
    EXPECT_NE(said.find("---\nロードできませんでした。"), std::string::npos);
    EXPECT_TRUE(refused(said, stranger, "このユーザーでもrootでもありません"));
    EXPECT_NE(said.find("ほかのユーザーに差し替えられるおそれがあるため、ロードしません"),
              std::string::npos);
    EXPECT_EQ(readBytes(keep / "other.dt"), "keep this");
    EXPECT_EQ(namesIn(keep), std::set<std::string>{"other.dt"});
  }

  // Another user hard-links a symbolic link of root's into their own folder as Game.dt, and
  // root saves there.
  {
    const fs::path store = dir.path() / "root-store";
    fs::create_directory(store);
    writeOwnedBy(store / "Game.dt", "root's game", 0, 0600);
    fs::create_symlink(store / "Game.dt", dir.path() / "root-link");
    const fs::path theirs = nobodysFolder(dir.path(), "theirs");
    ASSERT_EQ(linkat(AT_FDCWD, (dir.path() / "root-link").c_str(), AT_FDCWD,
                     (theirs / "Game.dt").c_str(), 0),
              0);
    Fixture f{"織田", {0.25, 0.0, 0.385}};
    f.game.saveDirectory = theirs;
    for (const std::string& said : saveLoadAndAutosave(f)) {
      EXPECT_TRUE(refused(said, theirs, "このユーザーでもrootでもありません")) << said;
    }
    EXPECT_EQ(readBytes(store / "Game.dt"), "root's game");
    EXPECT_EQ(namesIn(theirs), std::set<std::string>{"Game.dt"});
  }

  // Root plays with another user's HOME, whose save folder is their link to a folder only
  // root may write to.
  {
    const fs::path rootOnly = dir.path() / "root-only";
    fs::create_directory(rootOnly);
    fs::permissions(rootOnly, fs::perms::owner_all);
    writeOwnedBy(rootOnly / "Game.dt", "root's game", 0, 0600);
    const fs::path home = nobodysFolder(dir.path(), "home");
    const fs::path share = nobodysFolder(nobodysFolder(home, ".local"), "share");
    linkOwnedBy(rootOnly, share / "velmora", kNobody);
    Fixture f{"織田", {0.25, 0.0, 0.385}};
    f.game.saveDirectory = share / "velmora";
    f.game.makeSaveDirectory = true;
    for (const std::string& said : saveLoadAndAutosave(f)) {
      EXPECT_TRUE(refused(said, home, "このユーザーでもrootでもありません")) << said;
    }
    EXPECT_EQ(readBytes(rootOnly / "Game.dt"), "root's game");
    EXPECT_EQ(namesIn(rootOnly), std::set<std::string>{"Game.dt"});
  }
}

// A group may write to the save folder only when it is the player's own private group, as a
// umask of 002 leaves it; any other group's members could put a link there.
TEST(SaveFile, AGroupMayWriteOnlyWhenItIsThePlayersOwn) {
  const struct group* own = getgrgid(getegid());
  if (geteuid() != 0 || own == nullptr || std::string(own->gr_name) != "root" ||
      own->gr_mem[0] != nullptr) {
    GTEST_SKIP() << "needs root with a private group root";
  }
  TempDir dir;
  fs::permissions(dir.path(), fs::perms::all & ~fs::perms::group_write & ~fs::perms::others_write);
  for (const gid_t group : {gid_t{0}, gid_t{kNobody}}) {
    const fs::path folder = dir.path() / std::to_string(group);
    fs::create_directory(folder);
    ASSERT_EQ(chown(folder.c_str(), 0, group), 0);
    ASSERT_EQ(chmod(folder.c_str(), 0775), 0);
    Fixture f{"織田", {0.25, 0.0, 0.385}};
    f.game.saveDirectory = folder;
    const bool saved = saveGame(f.game);
    EXPECT_EQ(saved, group == 0) << f.port.boxTexts().back();
    if (!saved) {
      EXPECT_NE(f.port.boxes.back().text.find("フォルダ " + folder.string() + " にグループ " +
                                              getgrgid(group)->gr_name +
                                              " のほかのユーザーも書き込めます"),
                std::string::npos)
          << f.port.boxes.back().text;
      EXPECT_TRUE(namesIn(folder).empty());
    }
  }
}

// The path is resolved once and every step of the save is taken in the folder so reached:
// while the save folder is swapped again and again with a link to a folder anyone may write
// to, each save either writes a whole game into the real folder or is refused, and nothing
// ever lands in the other one.
TEST(SaveFile, SwapsDuringSavesNeverRedirectTheWrite) {
  TempDir dir;
  const fs::path real = dir.path() / "save", open = dir.path() / "open";
  fs::create_directory(real);
  fs::create_directory(open);
  fs::permissions(open, fs::perms::all);
  fs::create_symlink(open, dir.path() / "swap");
  std::atomic<bool> stop{false};
  std::thread swapper([&] {
    while (!stop) {
      renameat2(AT_FDCWD, real.c_str(), AT_FDCWD, (dir.path() / "swap").c_str(), RENAME_EXCHANGE);
    }
  });
  Fixture f{"織田", {0.25, 0.0, 0.385}};
  f.game.saveDirectory = real;
  const std::string game = *encodeSaveFile(f.s).value;
  int saved = 0, refused = 0, other = 0;
  for (int i = 0; i < 20000 && (saved < 50 || refused < 50); ++i) {
    f.port.clear();
    if (saveGame(f.game)) {
      ++saved;
    } else if (f.port.boxes.back().text.find(" にほかのユーザーも書き込めます") !=
               std::string::npos) {
      ++refused;
    } else {
      ++other;  // the swap caught between two names of the walk
    }
  }
  stop = true;
  swapper.join();
  EXPECT_GE(saved, 50);
  EXPECT_GE(refused, 50);
  EXPECT_EQ(other, 0);
  EXPECT_TRUE(namesIn(open).empty());
  const fs::path folder = fs::is_symlink(real) ? dir.path() / "swap" : real;
  EXPECT_EQ(namesIn(folder), std::set<std::string>{"Game.dt"});
  EXPECT_EQ(readBytes(folder / "Game.dt"), game);
}

// A save that cannot even make its folder says so, for Game.dt, with the folder's own error,
// and speaks of an earlier file only when there is one.
TEST(SaveFile, AFailedSaveSaysWhatIsTrue) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to stand for a second user";
  TempDir dir;
  fs::permissions(dir.path(), fs::perms::all & ~fs::perms::group_write & ~fs::perms::others_write);

  const std::string said = asAnotherUser([&] {
    test::Fixture f{"織田", {0.25, 0.0, 0.385}};
    f.game.saveDirectory = dir.path() / "data" / "velmora";
    f.game.makeSaveDirectory = true;
    if (saveGame(f.game)) return std::string("saved");
    return f.port.boxes.empty() ? std::string("no box") : f.port.boxes.back().text;
  });
  EXPECT_EQ(said, "セーブできませんでした。\n" +
                      (dir.path() / "data" / "velmora" / "Game.dt").string() + " を置くフォルダ " +
                      (dir.path() / "data" / "velmora").string() +
                      " を作れません(許可がありません)");
  EXPECT_FALSE(fs::exists(dir.path() / "data"));

  // A folder nobody may not write to, with an earlier save of root's.
  writeBytes(dir.path() / "Game.dt", "an older game");
  const std::string kept = saveAsNobody(dir.path());
  EXPECT_EQ(kept,
            "セーブできませんでした。\n" + (dir.path() / "Game.dt").string() +
                " を作れません(許可がありません)\n前のセーブファイルはそのまま残っています。");
  EXPECT_EQ(readBytes(dir.path() / "Game.dt"), "an older game");
  EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"Game.dt"});
}

TEST_F(SaveTest, ASavedFileHas0644LessTheUmask) {
  const mode_t old = umask(0);
  for (const mode_t mask : {022, 027, 077, 0}) {
    umask(mask);
    EXPECT_TRUE(saveGame(f.game));
    struct stat info {};
    EXPECT_EQ(stat(file().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644 & ~mask) << std::oct << mask;
  }
  umask(old);  // no early return above: the process keeps its own umask
}

// Two copies of the game saving to one file at the same moment, again and again: each save
// succeeds, and the file left is always the whole of one of the two games.
TEST(SaveFile, ConcurrentSavesEachWriteAWholeGame) {
  TempDir dir;
  const fs::path file = dir.path() / "Game.dt";
  Fixture a{"織田", {0.25, 0.0, 0.385}};
  Fixture b{"織田", {0.25, 0.0, 0.385}};
  b.s.year = 2;
  b.s.provinces[5].gold = 777;
  for (int pair = 0; pair < 200; ++pair) {
    std::optional<SaveFileError> errorA, errorB;
    std::thread first([&] { errorA = writeSaveFile(a.s, file); });
    std::thread second([&] { errorB = writeSaveFile(b.s, file); });
    first.join();
    second.join();
    ASSERT_FALSE(errorA) << "pair " << pair << ": " << errorA->describe();
    ASSERT_FALSE(errorB) << "pair " << pair << ": " << errorB->describe();
    SaveOutcome<GameState> left = readSaveFile(file);
    ASSERT_TRUE(left) << "pair " << pair << ": " << left.error.describe();
    ASSERT_TRUE(*left.value == a.s || *left.value == b.s) << "pair " << pair;
  }
  EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"Game.dt"});
}

// Saves killed at random moments, 300 of them: the file left is always a whole game, and no
// temporary file stays. A kill can only leave one in the instant between naming the finished
// file and renaming it over Game.dt; the next save removes such a name once it is a minute
// old (aged here rather than waited for).
TEST(SaveFile, KilledSavesLeaveNoTemporaryFile) {
  TempDir dir;
  const fs::path file = dir.path() / "Game.dt";
  Fixture a{"織田", {0.25, 0.0, 0.385}};
  Fixture b{"織田", {0.25, 0.0, 0.385}};
  b.s.year = 2;
  ASSERT_FALSE(writeSaveFile(a.s, file));
  std::mt19937 random(20);
  std::uniform_int_distribution<int> delay(0, 8000);  // microseconds: a few saves
  constexpr int kKills = 300;
  for (int kill = 0; kill < kKills; ++kill) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int k = 0;; ++k) writeSaveFile(k % 2 == 0 ? b.s : a.s, file);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
  }
  std::set<std::string> left = namesIn(dir.path());
  left.erase("Game.dt");
  std::cout << kKills << " saves killed; names left before the next save: " << left.size() << "\n";
  EXPECT_LE(left.size(), 10u);
  SaveOutcome<GameState> loaded = readSaveFile(file);
  ASSERT_TRUE(loaded) << loaded.error.describe();
  EXPECT_TRUE(*loaded.value == a.s || *loaded.value == b.s);

  const auto twoMinutesAgo = fs::file_time_type::clock::now() - std::chrono::minutes(2);
  for (const auto& name : left) fs::last_write_time(dir.path() / name, twoMinutesAgo);
  ASSERT_FALSE(writeSaveFile(a.s, file));
  EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"Game.dt"});
}

// Whatever the system reports reaches the player in the game's language; a number the game
// has no words for is still named.
TEST(SaveFile, SystemErrorsAreReportedInJapanese) {
  for (int err = 1; err < 134; ++err) {
    const std::string reason = systemErrorReason(err);
    EXPECT_FALSE(reason.empty()) << err;
    EXPECT_TRUE(std::none_of(reason.begin(), reason.end(),
                             [](char c) { return std::isalpha(static_cast<unsigned char>(c)); }))
        << err << ": " << reason;
  }
  EXPECT_NE(systemErrorReason(EDOM).find(std::to_string(EDOM)), std::string::npos);
  EXPECT_NE(systemErrorReason(ELOOP), systemErrorReason(EIO));
}

TEST_F(SaveTest, TheQuitConfirmationWritesTheSameFileAsTheMenu) {
  ASSERT_TRUE(quitGame(f.game));
  EXPECT_TRUE(f.port.terminated);
  EXPECT_EQ(readBytes(file()), joinLines(knownLines()));
}

// Arms and troops at a price far below the market's (a file may hold any price above 0) buy
// more than 32 bits hold: the limit takes them back, the gold is refunded, and the game plays
// on and saves again.
TEST(SaveFormat, PricesFarBelowTheMarketsPlayOnAndSaveAgain) {
  for (int seed = 1; seed <= 5; ++seed) {
    test::RecordingPort port;
    SeededRandom rng(seed);
    Game g(port, rng);
    port.game = &g;
    GameState& s = g.state;
    s.playerHouse = "*";
    s.autoAdvance = true;
    newGame(g);
    s.armsPrice = 0.000000001;
    s.troopsPrice = 0.000000001;
    for (int p = 1; p <= kProvinceCount; ++p) s.provinces[p].gold = 999;
    for (int turns = 0; turns < 4 && !g.ended;) {
      pressOk(g);
      if (s.turnStart) ++turns;
    }
    for (int p = 1; p <= kProvinceCount; ++p) {
      const Province& pr = s.provinces[p];
      EXPECT_TRUE(pr.troops >= 0 && pr.troops <= kLimit) << seed << " " << p << " " << pr.troops;
      EXPECT_TRUE(pr.arms >= 0 && pr.arms <= kLimit) << seed << " " << p << " " << pr.arms;
      EXPECT_TRUE(pr.gold >= 0 && pr.gold <= kQuantityBound) << seed << " " << p << " " << pr.gold;
    }
    SaveOutcome<std::string> bytes = encodeSaveFile(s);
    ASSERT_TRUE(bytes) << "seed " << seed << ": " << bytes.error.describe();
    SaveOutcome<GameState> back = parseSaveFile(*bytes.value);
    ASSERT_TRUE(back) << back.error.describe();
    EXPECT_EQ(*back.value, s);
  }
}

// Every state a real game reaches at the start of a turn can be written and comes back the
// same: the reader's checks refuse nothing the game itself produces. Every third game the
// player is 織田 with every province delegated, so that battles go through the window.
TEST(SaveFormat, EveryTurnStartOfRealGamesRoundTrips) {
  int checked = 0;
  for (int game = 0; game < 12; ++game) {
    test::RecordingPort port;
    SeededRandom rng(500 + game);
    Game g(port, rng);
    port.game = &g;
    GameState& s = g.state;
    s.playerHouse = game % 3 == 2 ? "織田" : "*";
    s.autoAdvance = true;
    newGame(g);
    if (game % 3 == 2) {
      for (int p = 1; p <= kProvinceCount; ++p) s.delegated[p] = true;
    }
    while (!g.ended && s.year <= 60) {
      if (s.turnStart) {
        SaveOutcome<std::string> bytes = encodeSaveFile(s);
        ASSERT_TRUE(bytes) << "game " << game << ": " << bytes.error.describe();
        SaveOutcome<GameState> back = parseSaveFile(*bytes.value);
        ASSERT_TRUE(back) << "game " << game << ": " << back.error.describe();
        ASSERT_EQ(*back.value, s) << "game " << game << " year " << s.year;
        ++checked;
      }
      pressOk(g);
      port.clear();
    }
  }
  EXPECT_GT(checked, 500);
}

}  // namespace
}  // namespace velmora
