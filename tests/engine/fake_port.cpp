#include "engine/fake_port.h"

#include <stdexcept>

#include "combat/battle.h"
#include "combat/tactics.h"
#include "core/scenario.h"
#include "core/terms.h"
#include "game/turn_cycle.h"

namespace velmora::test {

namespace {

// The button of 防御, the tactic a defending player can always afford.
constexpr int kDefenceButton = tacticNumber(TacticKind::Defence) - 1;

}  // namespace

double ScriptedRandom::next() {
  if (values_.empty()) throw std::logic_error("the script has no more random numbers");
  double v = values_.front();
  values_.pop_front();
  ++drawn_;
  return v;
}

void RecordingPort::showLine1(const std::string& text, double hold) {
  lines.push_back({1, text});
  holds.push_back(hold);
}

void RecordingPort::showLine2(const std::string& text, double hold) {
  lines.push_back({2, text});
  holds.push_back(hold);
}

void RecordingPort::showLine3(const std::string& text, double hold) {
  lines.push_back({3, text});
  holds.push_back(hold);
}

BoxResult RecordingPort::messageBox(const MessageBoxRequest& request) {
  boxes.push_back(request);
  if (answers.empty()) return BoxResult::Ok;
  BoxResult r = answers.front();
  answers.pop_front();
  return r;
}

void RecordingPort::redrawProvince(const Province& province, bool highlighted) {
  redraws.emplace_back(province, highlighted);
}

void RecordingPort::showPrices(const std::string& f, const std::string& a, const std::string& t) {
  food = f;
  arms = a;
  troops = t;
}

void RecordingPort::setPanelLabel(PanelLabel label, const std::string& text) {
  labels[static_cast<int>(label)] = text;
}

void RecordingPort::setTargetList(const std::vector<std::string>& names) {
  targets = names;
  targetSelected = -1;
}

OrderInput RecordingPort::orderInput(const GameState& s) const {
  OrderInput in;
  in.order = s.selectedCommand;
  in.province = s.currentProvince;
  in.amount = amount;
  if (targetSelected >= 0 && targetSelected < static_cast<int>(targets.size())) {
    in.target = targets[targetSelected];
  }
  for (int box = 0; box < 3; ++box) in.targetAmounts[box] = targetAmounts[box];
  return in;
}

DelegationChoice RecordingPort::delegationChoice() const {
  DelegationChoice choice;
  choice.lineCount = static_cast<int>(delegationLines.size());
  if (delegationSelected >= 0 && delegationSelected < choice.lineCount) {
    choice.line = delegationSelected;
    choice.lineText = delegationLines[delegationSelected];
  }
  return choice;
}

void RecordingPort::setDelegationList(const std::vector<std::string>& names) {
  delegationLines = names;
  delegationSelected = -1;
}

void RecordingPort::removeDelegationLine(int index) {
  delegationLines.erase(delegationLines.begin() + index);
  delegationSelected = -1;
}

void RecordingPort::showEventWindow(const std::vector<std::string>& lines,
                                    const std::function<void()>& onOk) {
  events.push_back(lines);
  onOk();
}

void RecordingPort::openBattleWindow() {
  if (game == nullptr) throw std::logic_error("the battle window needs the port's game");
  battleWindowsOpened += 1;
  battleWindowOpen = true;
  startBattle(*game);
  bool accepted = false;
  while (!accepted) {
    int k = kDefenceButton;
    if (!tacticButtons.empty()) {
      k = tacticButtons.front();
      tacticButtons.pop_front();
    }
    tacticsTried.push_back(k);
    accepted = setPlayerTactic(*game, k);
    if (!accepted && k == kDefenceButton && tacticButtons.empty()) {
      throw std::logic_error("防御 refused: the battle cannot go on");
    }
  }
  // A battle always ends within four rounds; more presses would be a fault of the game.
  if (!playRoundsToTheEnd(*game)) throw std::logic_error("the battle did not end in four rounds");
}

void RecordingPort::closeBattleWindow() {
  if (battleWindowOpen) battleWindowsClosed += 1;
  battleWindowOpen = false;
}

std::vector<std::string> RecordingPort::boxTexts() const {
  std::vector<std::string> out;
  for (const auto& b : boxes) out.push_back(b.text);
  return out;
}

std::vector<std::string> RecordingPort::linesOf(int n) const {
  std::vector<std::string> out;
  for (const auto& l : lines) {
    if (l.number == n) out.push_back(l.text);
  }
  return out;
}

void RecordingPort::clear() {
  lines.clear();
  boxes.clear();
  holds.clear();
  redraws.clear();
  events.clear();
  courses.clear();
  details.clear();
}

Fixture::Fixture(const std::string& playerHouse, std::vector<double> prices) {
  port.game = &game;
  s.playerHouse = playerHouse;
  for (double p : prices) rng.push(p);
  newGame(game);
}

void Fixture::runTimer() {
  while (port.autoPressTimer && !game.ended && s.autoAdvanceReady && s.autoAdvance) {
    autoPressTick(game);
  }
}

}  // namespace velmora::test
