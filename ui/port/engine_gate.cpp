#include "ui/port/engine_gate.h"
#include "core/game_view.h"

namespace velmora::ui {

bool EngineGate::runTick(const std::function<void()>& handler) {
  if (busy() || gameEnded(g_)) return false;
  runNow(handler);
  return true;
}

void EngineGate::runPlayer(std::function<void()> handler) {
  if (gameEnded(g_)) return;
  if (busy()) {
    waiting_.push_back(std::move(handler));
    return;
  }
  runNow(handler);
}

void EngineGate::runNow(const std::function<void()>& handler) {
  ++depth_;
  handler();
  --depth_;
  // Presses that came in while the handler ran, in the order they came.
  while (depth_ == 0 && !waiting_.empty() && !gameEnded(g_)) {
    std::function<void()> next = std::move(waiting_.front());
    waiting_.pop_front();
    ++depth_;
    next();
    --depth_;
  }
  if (gameEnded(g_)) waiting_.clear();
}

}  // namespace velmora::ui
