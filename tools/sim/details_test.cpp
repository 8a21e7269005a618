// The details over whole games: every figure they give agrees with the state, and together
// they account for every change of every province.
#include <gtest/gtest.h>

#include <sstream>

#include "core/game.h"
#include "core/quiet_port.h"
#include "core/random.h"
#include "game/turn_cycle.h"
#include "simulation.h"

namespace velmora::sim {
namespace {

bool sameValues(const Province& a, const Province& b) {
  return a.troops == b.troops && a.arms == b.arms && a.gold == b.gold && a.food == b.food &&
         a.power == b.power && a.town == b.town && a.castle == b.castle && a.morale == b.morale &&
         a.lord == b.lord;
}

// Checks each detail as it comes against the running game, and keeps the provinces as the
// details alone describe them.
class CheckingPort : public QuietPort {
 public:
  bool watched() const override { return false; }  // details do not need the lines
  bool keepsDetails() const override { return true; }
  void addDetail(const std::string& text) override { check(text); }
  BoxResult messageBox(const MessageBoxRequest&) override { return BoxResult::Ok; }

  Game* game = nullptr;
  ByNumber<Province> told{};
  std::vector<std::string> faults;
  long checked = 0;
  long conquests = 0;
  long falls = 0;

 private:
  int provinceNamed(const std::string& name) const {
    for (int p = 1; p <= kProvinceCount; ++p) {
      if (game->state.provinces[p].name == name) return p;
    }
    return 0;
  }

  void fault(const std::string& text, const std::string& why) {
    faults.push_back(why + ": " + text);
  }

  void check(const std::string& text) {
    const std::string mark = "・";
    if (text.rfind(mark, 0) != 0) return fault(text, "no mark");
    std::istringstream in(text.substr(mark.size()));
    std::string subject;
    in >> subject;
    const GameState& s = game->state;
    if (subject == "相場" || subject == "移動") return;
    if (subject == "合戦") return checkBattle(text);
    const std::string fell = "家は滅亡した";
    if (subject.size() > fell.size() &&
        subject.compare(subject.size() - fell.size(), fell.size(), fell) == 0) {
      const std::string house = subject.substr(0, subject.size() - fell.size());
      for (int p = 1; p <= kProvinceCount; ++p) {
        if (s.provinces[p].lord == house) return fault(text, "the house still holds a province");
      }
      ++falls;
      return;
    }
    const int p = provinceNamed(subject);
    if (p == 0) return fault(text, "no such province");
    Province& mine = told[p];
    const Province& now = s.provinces[p];
    std::string field;
    while (in >> field) {
      if (field == "変化なし") {
        if (!sameValues(mine, now)) fault(text, "changed after all");
        continue;
      }
      if (field == "収穫") {
        std::string gold, food;
        in >> gold >> food;
        mine.gold += std::stoi(gold.substr(std::string("金").size()));
        mine.food += std::stoi(food.substr(std::string("食料").size()));
        if (mine.gold != now.gold || mine.food != now.food) fault(text, "harvest");
        ++checked;
        continue;
      }
      std::string change;
      in >> change;
      const std::string arrow = "→";
      const auto at = change.find(arrow);
      if (at == std::string::npos) return fault(text, "no arrow");
      const std::string before = change.substr(0, at), after = change.substr(at + arrow.size());
      ++checked;
      if (field == "領主") {
        if (before != mine.lord || after != now.lord) fault(text, "lord");
        mine.lord = after;
        continue;
      }
      std::int32_t Province::*value = field == "兵"     ? &Province::troops
                                      : field == "武装" ? &Province::arms
                                      : field == "金"   ? &Province::gold
                                      : field == "食料" ? &Province::food
                                      : field == "国力" ? &Province::power
                                      : field == "町"   ? &Province::town
                                      : field == "城"   ? &Province::castle
                                      : field == "民度" ? &Province::morale
                                                        : nullptr;
      if (value == nullptr) return fault(text, "field " + field);
      if (std::stoi(before) != mine.*value || std::stoi(after) != now.*value) fault(text, field);
      mine.*value = std::stoi(after);
    }
  }

  // The outcome it names is the one the provinces show.
  void checkBattle(const std::string& text) {
    const std::string won = "の勝ち、", taken = "を占領";
    const auto at = text.find(won);
    if (at == std::string::npos) {
      if (text.find("の負け") == std::string::npos) fault(text, "no outcome");
      return;
    }
    const std::string target =
        text.substr(at + won.size(), text.size() - at - won.size() - taken.size());
    const std::string tail = text.substr(0, at);
    const std::string attacker = tail.substr(tail.rfind(' ') + 1);
    const int a = provinceNamed(attacker), t = provinceNamed(target);
    if (a == 0 || t == 0) return fault(text, "names");
    if (game->state.provinces[a].lord != game->state.provinces[t].lord) fault(text, "not taken");
    ++conquests;
  }
};

TEST(DetailsOverWholeGames, EveryFigureAgreesWithTheStateAndNoChangeGoesUntold) {
  long checked = 0, conquests = 0, falls = 0;
  for (int i = 0; i < 200; ++i) {
    CheckingPort port;
    SeededRandom rng(gameSeed(1, i));
    Game game(port, rng);
    port.game = &game;
    game.keepCourse = false;
    startComputerGame(game);
    port.told = game.state.provinces;
    while (!game.ended && game.state.year <= 60) {
      pressOk(game);
      for (int p = 1; p <= kProvinceCount; ++p) {
        const Province& a = port.told[p];
        const Province& b = game.state.provinces[p];
        if (!sameValues(a, b)) {
          port.faults.push_back("game " + std::to_string(i) + ": " + b.name + " changed untold");
          port.told[p] = b;
        }
      }
      if (port.faults.size() > 5) break;
    }
    ASSERT_TRUE(port.faults.empty()) << "game " << i << ": " << port.faults.front();
    checked += port.checked;
    conquests += port.conquests;
    falls += port.falls;
  }
  // Whole games: many figures, battles won and houses fallen were all looked at.
  EXPECT_GT(checked, 100000);
  EXPECT_GT(conquests, 1000);
  EXPECT_GT(falls, 1000);
}

// --details prints into the log, after the line each detail explains; alone it is refused.
TEST(DetailsOverWholeGames, TheSimulatorPrintsThemOnlyWithTheLog) {
  Options options;
  std::string error;
  EXPECT_FALSE(parseOptions({"--details"}, options, error));
  EXPECT_NE(error.find("--log"), std::string::npos);
  ASSERT_TRUE(parseOptions({"--log", "--details", "--turns", "1"}, options, error)) << error;
  std::ostringstream out, err;
  ASSERT_EQ(runSimulation(options, out, err), 0) << err.str();
  const std::string log = out.str();
  const auto raise = log.find("にて兵増強\n");
  ASSERT_NE(raise, std::string::npos);
  const std::string next = "detail: ・";
  EXPECT_EQ(log.compare(log.find('\n', raise) + 1, next.size(), next), 0);
}

}  // namespace
}  // namespace velmora::sim
