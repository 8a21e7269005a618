#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/order_input.h"
#include "core/quiet_port.h"
#include "core/random.h"

namespace velmora::test {

// Numbers handed out in the order a test lists them; running out is a test error.
class ScriptedRandom : public RandomSource {
 public:
  ScriptedRandom() = default;
  explicit ScriptedRandom(std::vector<double> values) : values_(values.begin(), values.end()) {}
  void push(double v) { values_.push_back(v); }
  void push(std::initializer_list<double> vs) { values_.insert(values_.end(), vs); }
  double next() override;
  size_t remaining() const { return values_.size(); }
  int drawn() const { return drawn_; }

 private:
  std::deque<double> values_;
  int drawn_ = 0;
};

// Records everything the game shows and answers boxes as the test scripts them (OK when
// nothing is scripted).
class RecordingPort : public QuietPort {
 public:
  struct Line {
    int number;
    std::string text;
    bool operator==(const Line&) const = default;
  };

  bool watched() const override { return watchedScreen; }
  void showLine1(const std::string& text, double hold) override;
  void showLine2(const std::string& text, double hold) override;
  void showLine3(const std::string& text, double hold) override;
  BoxResult messageBox(const MessageBoxRequest& request) override;
  void setCaption(const std::string& caption) override { this->caption = caption; }
  void redrawProvince(const Province& province, bool highlighted) override;
  void showPrices(const std::string& food, const std::string& arms,
                  const std::string& troops) override;
  void setOkLabelVisible(bool visible) override { okLabelVisible = visible; }
  void setDelegationMenuEnabled(bool enabled) override { delegationMenuEnabled = enabled; }
  void showPanel(Panel panel) override { this->panel = panel; }
  void setPanelLabel(PanelLabel label, const std::string& text) override;
  void setAmountText(const std::string& text) override { amount = text; }
  void setTargetList(const std::vector<std::string>& names) override;
  void selectTarget(int index) override { targetSelected = index; }
  void setTargetAmountText(int box, const std::string& text) override { targetAmounts[box] = text; }
  void setDelegationList(const std::vector<std::string>& names) override;
  void selectDelegation(int index) override { delegationSelected = index; }
  void removeDelegationLine(int index) override;
  void showEventWindow(const std::vector<std::string>& lines,
                       const std::function<void()>& onOk) override;
  // Plays the battle as the window would: starts it, offers the scripted tactic buttons until
  // one is accepted (防御 when the script runs out) and presses OK until it is settled.
  void openBattleWindow() override;
  void refreshBattle() override { battleRefreshes += battleWindowOpen ? 1 : 0; }
  void closeBattleWindow() override;
  void bringMainWindowToFront() override { mainWindowFronted += 1; }
  void addToHistory(const std::string& text) override { historyOnly.push_back(text); }
  bool keepsDetails() const override { return keepDetails; }
  void addDetail(const std::string& text) override { details.push_back(text); }
  void showCourse(const Course& course) override {
    courses.push_back({course, boxes.size(), lines.size()});
  }

  // What OK on an entry panel or the delegation panel hands the game, read from the panels
  // as the window reads its controls.
  OrderInput orderInput(const GameState& s) const;
  DelegationChoice delegationChoice() const;

  // Answers for the next boxes, in order.
  void answer(BoxResult r) { answers.push_back(r); }

  // Box texts only, in order.
  std::vector<std::string> boxTexts() const;
  // Texts of the lines written to line n, in order.
  std::vector<std::string> linesOf(int n) const;
  void clear();

  bool watchedScreen = true;
  std::vector<Line> lines;
  std::vector<MessageBoxRequest> boxes;
  std::deque<BoxResult> answers;
  std::vector<double> holds;
  std::string caption;
  std::vector<std::pair<Province, bool>> redraws;
  std::string food, arms, troops;
  bool okLabelVisible = false;
  bool delegationMenuEnabled = false;
  Panel panel = Panel::Message;
  std::string labels[5];
  std::string amount;
  std::vector<std::string> targets;
  int targetSelected = -1;
  std::string targetAmounts[3];
  std::vector<std::string> delegationLines;
  int delegationSelected = -1;
  std::vector<std::vector<std::string>> events;
  std::vector<std::string> historyOnly;  // texts given to the record alone
  bool keepDetails = true;  // the desktop's history keeps them: every test plays with them on
  std::vector<std::string> details;
  // Each chart of the course shown, with the numbers of boxes and lines shown before it.
  struct CourseShown {
    Course course;
    size_t boxesBefore = 0;
    size_t linesBefore = 0;
  };
  std::vector<CourseShown> courses;

  // The battle window: the game it plays, the tactic buttons to press in order, and what
  // happened in it.
  Game* game = nullptr;
  std::deque<int> tacticButtons;
  std::vector<int> tacticsTried;
  int battleWindowsOpened = 0;
  int battleWindowsClosed = 0;
  int battleRefreshes = 0;
  int mainWindowFronted = 0;
  bool battleWindowOpen = false;
};

// Holds a game with the opening scenario, its recording port and a scripted random source.
struct Fixture {
  RecordingPort port;
  ScriptedRandom rng;
  Game game{port, rng};
  GameState& s = game.state;

  // A new game with the given player house; the three price draws come from `prices`.
  explicit Fixture(const std::string& playerHouse = "織田",
                   std::vector<double> prices = {0.0, 0.0, 0.0});
  // What OK hands the game for the pending order, as the panels stand.
  OrderInput entered() const { return port.orderInput(s); }
  // Ticks the auto-press timer until the turn cycle switches it off or waits.
  void runTimer();
};

}  // namespace velmora::test
