#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/panels.h"
#include "core/random.h"
#include "core/scenario.h"
#include "engine/fake_port.h"
#include "game/save_game.h"
#include "game/turn_cycle.h"

namespace velmora::test {
namespace {

// A game watched by the recording port but played with a seeded generator, so that the
// computer houses may draw whatever they need.
struct ComputerGame {
  RecordingPort port;
  SeededRandom rng{12345};
  Game game{port, rng};
  GameState& s = game.state;

  ComputerGame() {
    s.playerHouse = "*";
    s.autoAdvance = true;
    newGame(game);
    port.clear();
  }
  void runTimer() {
    while (port.autoPressTimer && !game.ended && s.autoAdvanceReady && s.autoAdvance) {
      autoPressTick(game);
    }
  }
  // The province headings written on line 1 ("3 遠江 今川").
  std::vector<int> playedProvinces() const {
    std::vector<int> played;
    for (const auto& line : port.linesOf(1)) {
      size_t digits = line.find_first_not_of("0123456789");
      if (digits == 0 || digits == std::string::npos || line[digits] != ' ') continue;
      played.push_back(std::stoi(line.substr(0, digits)));
    }
    return played;
  }
};

// Enough numbers for one computer province's turn, whatever it decides: 0.99 is a draw of 99,
// which starts no attack under any policy.
void pushComputerTurnDraws(ScriptedRandom& rng) {
  for (int i = 0; i < 100; ++i) rng.push(0.99);
}

TEST(TurnCycle, OnePressPlaysAllTenComputerProvincesAndStopsAtTurnEnd) {
  ComputerGame g;
  pressOk(g.game);
  g.runTimer();
  std::vector<int> played = g.playedProvinces();
  ASSERT_EQ(played.size(), 10u);
  EXPECT_EQ(std::set<int>(played.begin(), played.end()).size(), 10u);
  EXPECT_EQ(g.s.orderPosition, 11);
  EXPECT_FALSE(g.port.autoPressTimer);
  EXPECT_TRUE(g.port.okLabelVisible);
  EXPECT_FALSE(g.s.turnStart);
  EXPECT_EQ(g.s.season, 1);

  // The next press only ends the turn: no province plays.
  g.port.clear();
  pressOk(g.game);
  g.runTimer();
  EXPECT_TRUE(g.playedProvinces().empty());
  EXPECT_EQ(g.s.season, 2);
  EXPECT_TRUE(g.s.turnStart);
  EXPECT_EQ(g.s.orderPosition, 1);
  EXPECT_EQ(g.s.turnCount, 0);
  EXPECT_EQ(g.port.caption, "1年目の夏");
  EXPECT_EQ(g.port.linesOf(1), std::vector<std::string>{"1年目の夏です"});
}

TEST(TurnCycle, WithoutAutomaticAdvanceEveryPositionNeedsItsOwnPress) {
  ComputerGame g;
  g.s.autoAdvance = false;
  for (int press = 1; press <= 10; ++press) {
    pressOk(g.game);
    g.runTimer();
    EXPECT_EQ(g.playedProvinces().size(), static_cast<size_t>(press));
    EXPECT_EQ(g.s.orderPosition, press + 1);
  }
}

TEST(TurnCycle, HundredsOfTurnsKeepTheCalendarAndTheLimits) {
  ComputerGame g;
  for (int turn = 0; turn < 400 && !g.game.ended; ++turn) {
    const int year = g.s.year, season = g.s.season;
    pressOk(g.game);
    g.runTimer();
    ASSERT_EQ(g.s.orderPosition, 11);
    pressOk(g.game);
    if (g.game.ended) break;
    EXPECT_EQ(g.s.season, season == 4 ? 1 : season + 1);
    EXPECT_EQ(g.s.year, season == 4 ? year + 1 : year);
    EXPECT_TRUE(g.s.turnStart);
    for (int p = 1; p <= 10; ++p) {
      const Province& pr = g.s.provinces[p];
      for (std::int32_t v : {pr.power, pr.town, pr.castle, pr.food, pr.gold, pr.arms}) {
        EXPECT_GE(v, 0);
      }
    }
  }
  EXPECT_GE(g.s.year, 2);
}

TEST(TurnCycle, WinterTurnsIntoSpringOfTheNextYear) {
  Fixture f("*");
  f.s.season = 4;
  f.s.orderPosition = 11;
  f.port.clear();
  pressOk(f.game);
  EXPECT_EQ(f.s.year, 2);
  EXPECT_EQ(f.s.season, 1);
  EXPECT_EQ(f.port.caption, "2年目の春");
  EXPECT_EQ(f.port.linesOf(1), std::vector<std::string>{"2年目の春です"});
  EXPECT_EQ(f.rng.remaining(), 0u);  // no harvest prices, no event outside autumn
}

TEST(TurnCycle, AutumnBringsHarvestPricesAndTheEventDraw) {
  Fixture f("*");
  f.s.season = 2;
  f.s.orderPosition = 11;
  f.port.clear();
  f.rng.push({0.5, 0.5, 0.5});  // prices
  f.rng.push(0.95);             // no event
  pressOk(f.game);
  EXPECT_EQ(f.s.season, 3);
  EXPECT_EQ(f.s.provinces[1].gold, 30);  // 50 * 20 / 50 + 10
  EXPECT_EQ(f.s.provinces[10].gold, 60);
  EXPECT_EQ(f.s.provinces[1].food, 30);
  EXPECT_EQ(f.port.food, "1.4");
  EXPECT_EQ(f.port.linesOf(1), std::vector<std::string>{"1年目の秋です"});
  EXPECT_EQ(f.rng.remaining(), 0u);
}

// The panels show the harvest at once, before the event window; the redraw shows no limit box.
TEST(TurnCycle, ThePanelsShowTheHarvestWithoutALimitBox) {
  Fixture f("*");
  f.s.season = 2;
  f.s.orderPosition = 11;
  f.s.provinces[2].troops = 1200;
  f.port.clear();
  f.rng.push({0.5, 0.5, 0.5});  // prices
  f.rng.push(0.95);             // no event
  pressOk(f.game);
  ASSERT_EQ(f.port.redraws.size(), 10u);
  EXPECT_EQ(f.port.redraws[0].first.gold, 30);
  EXPECT_EQ(f.port.redraws[0].first.food, 30);
  EXPECT_EQ(f.port.redraws[9].first.gold, 60);
  EXPECT_TRUE(f.port.boxes.empty());
}

// Records where the event window opened among the message lines.
struct TimelinePort : RecordingPort {
  std::vector<size_t> linesBeforeEvent;
  void showEventWindow(const std::vector<std::string>& list,
                       const std::function<void()>& onOk) override {
    linesBeforeEvent.push_back(lines.size());
    RecordingPort::showEventWindow(list, onOk);
  }
};

TEST(TurnCycle, AutumnHarvestsBeforeTheEventAndTestsUnificationLast) {
  TimelinePort port;
  ScriptedRandom rng({0.0, 0.0, 0.0});  // the opening prices
  Game game(port, rng);
  GameState& s = game.state;
  s.playerHouse = "*";
  newGame(game);
  for (int p = 1; p <= 10; ++p) s.provinces[p].lord = "武田";
  s.season = 2;
  s.orderPosition = 11;
  port.clear();
  rng.push({0.5, 0.5, 0.5});  // autumn prices
  rng.push({0.0, 0.2});       // an event: 開墾技術の向上
  rng.push({0.4, 0.0});       // 尾張 struck: power + 6
  for (int i = 0; i < 9; ++i) rng.push(0.0);
  pressOk(game);
  // The food harvest used the power before the event raised it: 50 * 20 / 50 + 10.
  EXPECT_EQ(s.provinces[1].food, 30);
  EXPECT_EQ(s.provinces[1].power, 26);
  ASSERT_EQ(port.events.size(), 1u);
  EXPECT_EQ(port.events[0], (std::vector<std::string>{"「開墾技術の向上」です",
                                                      "尾張で開墾技術の向上「6」増えました"}));
  EXPECT_EQ(port.linesBeforeEvent, std::vector<size_t>{0});
  EXPECT_EQ(port.linesOf(1), (std::vector<std::string>{"1年目の秋です", "武田が統一しました"}));
  EXPECT_EQ(port.boxTexts().back(), "終了です");
  EXPECT_TRUE(game.ended);
  EXPECT_EQ(rng.remaining(), 0u);
}

TEST(TurnCycle, HarvestRoundsHalfToEvenAndHoldsAtTheLimit) {
  GameState s;
  Province& a = s.provinces[1];
  a.morale = 25;
  a.town = 1;  // + 0.5
  a.gold = 12;
  a.power = 1;
  a.food = 13;
  Province& b = s.provinces[2];
  b.morale = 100;
  b.town = 20;  // + 40
  b.gold = 999;
  b.power = 20;
  b.food = 990;
  harvest(s);
  EXPECT_EQ(a.gold, 12);  // 12.5
  EXPECT_EQ(a.food, 14);  // 13.5
  EXPECT_EQ(b.gold, 999);
  EXPECT_EQ(b.food, 999);
}

TEST(TurnCycle, UnificationIsTestedOnlyWhenASeasonBegins) {
  Fixture f("*");
  for (int p = 1; p <= 10; ++p) f.s.provinces[p].lord = "武田";
  f.s.autoAdvance = false;
  f.port.clear();
  for (int i = 0; i < 27; ++i) f.rng.push(0.1);  // the order of play
  pushComputerTurnDraws(f.rng);
  pressOk(f.game);  // a position: no test here
  EXPECT_FALSE(f.game.ended);

  f.s.orderPosition = 11;
  pressOk(f.game);
  EXPECT_TRUE(f.game.ended);
  EXPECT_TRUE(f.port.terminated);
  EXPECT_EQ(f.port.linesOf(1).back(), "武田が統一しました");
  ASSERT_FALSE(f.port.boxes.empty());
  EXPECT_EQ(f.port.boxes.back().text, "終了です");
  EXPECT_EQ(f.port.boxes.back().caption, "Velmora");
  // The chart of the whole game comes between the line and the box, ending with the winner's
  // ten provinces at the season that began.
  ASSERT_EQ(f.port.courses.size(), 1u);
  EXPECT_EQ(f.port.courses[0].boxesBefore, f.port.boxes.size() - 1);
  EXPECT_EQ(f.port.courses[0].linesBefore, f.port.lines.size());
  const SeasonStanding& last = f.port.courses[0].course.back();
  EXPECT_EQ(last.provinces[4], 10);
  EXPECT_EQ(last.season, f.s.season);

  // Nothing of the game runs after the end.
  const auto lines = f.port.lines.size();
  pressOk(f.game);
  autoPressTick(f.game);
  EXPECT_EQ(f.port.lines.size(), lines);
}

TEST(TurnCycle, ThePlayersProvinceWaitsForItsOrder) {
  Fixture f("織田");
  f.s.autoAdvance = true;
  for (int i = 0; i < 27; ++i) f.rng.push(0.1);  // order 1, 2, ..., 10
  pushComputerTurnDraws(f.rng);                  // 三河 plays after 尾張
  f.port.clear();
  pressOk(f.game);
  EXPECT_EQ(f.port.linesOf(1), (std::vector<std::string>{"1 尾張 織田", "あなたの番です 尾張"}));
  EXPECT_TRUE(f.port.delegationMenuEnabled);
  EXPECT_EQ(f.port.panel, Panel::Order);
  EXPECT_EQ(f.port.labels[static_cast<int>(PanelLabel::Pic2)], "尾張");
  EXPECT_EQ(f.s.currentProvince, 1);
  EXPECT_TRUE(f.s.orderJustStarted);
  EXPECT_FALSE(f.s.autoAdvanceReady);
  f.runTimer();
  EXPECT_EQ(f.s.orderPosition, 2);  // the timer cannot press for the player

  completeOrder(f.game);
  EXPECT_TRUE(f.s.orderCompleted);
  EXPECT_EQ(f.port.panel, Panel::Message);
  EXPECT_FALSE(f.port.delegationMenuEnabled);
  pressOk(f.game);  // the player's own press lets the turn run again
  EXPECT_TRUE(f.s.autoAdvanceReady);
  EXPECT_FALSE(f.s.orderCompleted);
  EXPECT_EQ(f.s.orderPosition, 3);
}

TEST(TurnCycle, EnterTypedAheadIsIgnoredUntilTheLockTimerTicks) {
  Fixture f("*");
  for (int i = 0; i < 27; ++i) f.rng.push(0.1);
  pushComputerTurnDraws(f.rng);
  keyOnMessagePanel(f.game, true);
  EXPECT_EQ(f.s.orderPosition, 2);
  EXPECT_EQ(f.game.okLock, 1);
  EXPECT_TRUE(f.port.lockTimer);

  keyOnMessagePanel(f.game, true);  // a queued repeat
  EXPECT_EQ(f.s.orderPosition, 2);

  lockTimerTick(f.game);
  EXPECT_EQ(f.game.okLock, 0);
  EXPECT_FALSE(f.port.lockTimer);
  keyOnMessagePanel(f.game, false);  // any other key only arms the lock timer
  EXPECT_EQ(f.s.orderPosition, 2);
  EXPECT_TRUE(f.port.lockTimer);
}

TEST(TurnCycle, APressAtTurnEndEndsTheTurnEvenUnderTheEnterLock) {
  Fixture f("*");
  f.s.orderPosition = 11;
  f.game.okLock = 1;
  pressOk(f.game);
  EXPECT_EQ(f.s.season, 2);
  EXPECT_EQ(f.s.orderPosition, 1);
  EXPECT_TRUE(f.s.turnStart);

  // The lock still holds at the start of the new turn: the press is ignored, draws no order
  // of play and plays nobody, yet the turn has begun and saving is no longer allowed.
  f.port.clear();
  pressOk(f.game);
  EXPECT_FALSE(f.s.turnStart);
  EXPECT_EQ(f.s.orderPosition, 1);
  EXPECT_TRUE(f.port.lines.empty());
  EXPECT_EQ(f.rng.drawn(), 3);  // the opening prices only
  EXPECT_FALSE(saveGame(f.game));
  EXPECT_EQ(f.port.boxTexts(), std::vector<std::string>{"セーブはターンのはじめしかできません"});
}

TEST(TurnCycle, ThePromptAfterAPressFollowsEnterAdvanceAndAlwaysShowsAtTurnEnd) {
  ComputerGame g;
  g.s.autoAdvance = false;
  g.s.enterAdvance = false;
  pressOk(g.game);
  EXPECT_FALSE(g.port.okLabelVisible);
  EXPECT_TRUE(g.port.autoPressTimer);
  g.s.enterAdvance = true;
  pressOk(g.game);
  EXPECT_TRUE(g.port.okLabelVisible);
  g.s.enterAdvance = false;
  while (g.s.orderPosition <= 10) {
    pressOk(g.game);
    if (g.s.orderPosition <= 10) {
      EXPECT_FALSE(g.port.okLabelVisible) << g.s.orderPosition;
    }
  }
  EXPECT_TRUE(g.port.okLabelVisible);
  EXPECT_FALSE(g.port.autoPressTimer);
}

// In auto mode a press that leaves the timer unable to press (after the player was attacked,
// or has given an order) shows the prompt, so that the waiting turn does not look frozen.
TEST(TurnCycle, ThePromptShowsWhenOnlyThePlayerCanPress) {
  ComputerGame g;
  g.s.enterAdvance = false;
  for (bool ready : {false, true}) {
    g.s.autoAdvanceReady = ready;  // false as a computer attack on the player leaves it
    pressOk(g.game);
    EXPECT_EQ(g.port.okLabelVisible, !ready) << ready;
  }
}

TEST(TurnCycle, EveryLineIsHeldForTheChosenTime) {
  ComputerGame g;
  for (double wait : {0.5, 0.1, 1.0}) {
    g.s.messageWait = wait;
    g.port.clear();
    pressOk(g.game);
    g.runTimer();
    if (g.s.orderPosition > 10) pressOk(g.game);
    ASSERT_FALSE(g.port.holds.empty());
    for (double hold : g.port.holds) EXPECT_EQ(hold, wait);
  }
}

TEST(TurnCycle, ShuffleSwapsWithPositionOneAfterSevenDigitRounding) {
  Fixture f("*");
  // First pass: k = 10 and k = 9 swap; third pass: k = 2 swaps.
  f.rng.push({0.7, 0.5000001});
  for (int i = 0; i < 7; ++i) f.rng.push(0.50000004);  // 0.5000000: even, no swap
  for (int i = 0; i < 9; ++i) f.rng.push(0.49999996);  // 0.5000000: no swap
  for (int i = 0; i < 8; ++i) f.rng.push(0.0);
  f.rng.push(0.99999996);  // 1.000000: swap
  shuffleOrder(f.game);
  const ByNumber<std::int32_t> expected{0, 2, 9, 3, 4, 5, 6, 7, 8, 10, 1};
  EXPECT_EQ(f.s.playOrder, expected);
  EXPECT_EQ(f.rng.remaining(), 0u);
}

TEST(TurnCycle, QuitAtTurnStartOffersTheSaveFirst) {
  Fixture f("*");
  f.port.answer(BoxResult::Cancel);  // no save
  f.port.answer(BoxResult::Cancel);  // do not quit
  EXPECT_FALSE(quitGame(f.game));
  EXPECT_FALSE(f.game.ended);
  ASSERT_EQ(f.port.boxes.size(), 2u);
  EXPECT_EQ(f.port.boxes[0].text, "セーブして終了しますか?");
  EXPECT_EQ(f.port.boxes[0].defaultButton, BoxResult::Ok);
  EXPECT_EQ(f.port.boxes[1].text, "終了します。よろしいですか?");
  EXPECT_EQ(f.port.boxes[1].caption, f.s.title);

  f.port.answer(BoxResult::Cancel);
  f.port.answer(BoxResult::Ok);
  EXPECT_TRUE(quitGame(f.game));
  EXPECT_TRUE(f.game.ended);
  EXPECT_TRUE(f.port.terminated);
}

TEST(TurnCycle, QuitBeforeAnyGameOffersNoSave) {
  RecordingPort port;
  ScriptedRandom rng;
  Game game(port, rng);
  port.answer(BoxResult::Ok);
  EXPECT_TRUE(quitGame(game));
  EXPECT_EQ(port.boxTexts(), std::vector<std::string>{"終了します。よろしいですか?"});
  EXPECT_TRUE(port.terminated);
}

TEST(TurnCycle, QuitDuringATurnNeverSaves) {
  Fixture f("*");
  f.s.turnStart = false;
  f.port.answer(BoxResult::Ok);  // asks to save
  EXPECT_FALSE(quitGame(f.game));
  ASSERT_EQ(f.port.boxes.size(), 2u);
  EXPECT_EQ(f.port.boxes[0].defaultButton, BoxResult::Cancel);
  EXPECT_EQ(f.port.boxes[1].text, "セーブはターンのはじめしかできません");
  EXPECT_EQ(f.port.boxes[1].buttons, BoxButtons::Ok);
  EXPECT_FALSE(f.game.ended);

  f.port.clear();
  f.port.answer(BoxResult::Cancel);
  f.port.answer(BoxResult::Ok);
  EXPECT_TRUE(quitGame(f.game));
  EXPECT_EQ(f.port.boxTexts(),
            (std::vector<std::string>{"セーブして終了しますか?", "終了します。よろしいですか?"}));
}

}  // namespace
}  // namespace velmora::test
