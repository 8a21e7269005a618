#pragma once

#include <functional>
#include <string>
#include <vector>

namespace velmora {

struct SeasonStanding;

// The game's own windows, and the end of the program.
class WindowPort {
 public:
  virtual ~WindowPort() = default;

  // Battle window: opened modally, its loading starts the battle and the settlement closes
  // it; openBattleWindow returns after that.
  virtual void openBattleWindow() = 0;
  virtual void refreshBattle() = 0;  // the figures, when the window is open
  virtual void closeBattleWindow() = 0;

  // Event window: lists the lines modally; its OK runs onOk and then closes the window.
  virtual void showEventWindow(const std::vector<std::string>& lines,
                               const std::function<void()>& onOk) = 0;

  // At unification, the course of the whole game as a modal chart, which returns when closed.
  virtual void showCourse(const std::vector<SeasonStanding>& course) = 0;

  // Ends the program; nothing of the game runs after it.
  virtual void terminate() = 0;
};

}  // namespace velmora
