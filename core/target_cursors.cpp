#include "core/target_cursors.h"

#include "core/game.h"

namespace velmora {

namespace {

// A cursor wraps round: below the first place to the last, past the last to the first.
int wrapped(int value, int count) {
  if (value < 0) return count - 1;
  if (value > count - 1) return 0;
  return value;
}

}  // namespace

int amountCursorStep(Game& g, TargetCursors& cursors, int direction) {
  if (g.state.orderJustStarted) cursors.amount = 0;
  const int focused = cursors.amount;
  cursors.amount = wrapped(cursors.amount + direction, 3);
  g.state.orderJustStarted = false;
  return focused;
}

int targetCursorStep(Game& g, TargetCursors& cursors, int direction, int count) {
  if (g.state.orderJustStarted) cursors.target = 0;
  g.state.orderJustStarted = false;
  if (count < 1) return -1;
  // A cursor left from an earlier, longer list is held to this one's bounds.
  cursors.target = wrapped(cursors.target + direction, count);
  return cursors.target;
}

}  // namespace velmora
