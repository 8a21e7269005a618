#pragma once

#include <deque>
#include <functional>

namespace velmora {
struct Game;
}  // namespace velmora

namespace velmora::ui {

// Lets one engine handler run at a time. Message boxes and modal windows spin nested event
// loops in which timers and queued input would otherwise start engine work in the middle of
// another handler: timer ticks are then skipped (the timer comes round again), the player's
// own presses wait until the running handler has finished. Nothing runs once the game ended.
class EngineGate {
 public:
  explicit EngineGate(Game& g) : g_(g) {}

  bool busy() const { return depth_ > 0; }

  // A timer tick: runs now, or not at all when another handler is running.
  bool runTick(const std::function<void()>& handler);

  // The player's press, click or key: runs now, or right after the running handler.
  void runPlayer(std::function<void()> handler);

 private:
  void runNow(const std::function<void()>& handler);

  Game& g_;
  int depth_ = 0;
  std::deque<std::function<void()>> waiting_;
};

}  // namespace velmora::ui
