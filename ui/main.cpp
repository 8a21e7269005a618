// Stand-in front end: plays the first year in the terminal with every province run by the
// computer, printing the message lines as they come.
#include <iostream>

#include "core/game.h"
#include "core/quiet_port.h"
#include "core/scenario.h"
#include "core/turn_cycle.h"

namespace {

class ConsolePort : public velmora::QuietPort {
 public:
  void showLine1(const std::string& text, double) override { std::cout << text << '\n'; }
  void showLine2(const std::string& text, double) override { std::cout << "  " << text << '\n'; }
  void showLine3(const std::string& text, double) override { std::cout << "  " << text << '\n'; }
  velmora::BoxResult messageBox(const velmora::MessageBoxRequest& box) override {
    std::cout << "[" << box.text << "]\n";
    return velmora::BoxResult::Ok;
  }
  void showEventWindow(const std::vector<std::string>& lines,
                       const std::function<void()>& onOk) override {
    for (const auto& line : lines) std::cout << "  * " << line << '\n';
    onOk();
  }
};

}  // namespace

int main() {
  ConsolePort port;
  velmora::SeededRandom rng(velmora::seedFromTimeOfDay());
  velmora::Game game(port, rng);
  game.state.playerHouse = "*";
  game.state.autoAdvance = true;
  game.state.messageWait = 0;
  velmora::openGame(game);
  for (int turn = 0; turn < 4 && !game.ended; ++turn) {
    velmora::pressOk(game);
    while (port.autoPressTimer && !game.ended) velmora::autoPressTick(game);
    velmora::pressOk(game);
  }
  return 0;
}
