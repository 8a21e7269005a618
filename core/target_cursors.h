#pragma once

namespace velmora {

struct Game;

// The two cursors of the target panel; only the keyboard moves them, and nothing of them is
// saved.
struct TargetCursors {
  int amount = 0;  // the amount box the next Up or Down acts on
  int target = 0;  // the list item last selected by Left or Right
};

// Each step returns what the press acts on and then moves its cursor; the first press of an
// order (the game's flag, shared by both) starts from the beginning.
// Down (+1) / Up (-1): the amount box 0..2 to focus.
int amountCursorStep(Game& g, TargetCursors& cursors, int direction);
// Right (+1) / Left (-1) over a list of count targets: the item to select (-1 when empty).
int targetCursorStep(Game& g, TargetCursors& cursors, int direction, int count);

}  // namespace velmora
