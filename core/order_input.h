#pragma once

#include <array>
#include <string>

#include "core/state_terms.h"

namespace velmora {

// What the player gave an order with, as it stood on its entry panel when OK was pressed: the
// window builds it from its controls, a test or a recording writes it down. The texts are
// kept exactly as typed; the order procedures convert and check them themselves.
struct OrderInput {
  CommandKind order = CommandKind::None;     // the pending order it was typed for
  int province = 0;                          // and the province
  std::string amount;                        // txtPic5
  std::string target;                        // the selected line of lstPic6; empty when none
  std::array<std::string, 3> targetAmounts;  // txtPic6(0..2): troops, food, gold
};

// A computer-played province types nothing: its order chooses its own amounts.
inline const OrderInput kNothingTyped{};

// OK on the delegation panel: the selected line of lstPic7 (-1 when none), its text and the
// number of lines the list holds.
struct DelegationChoice {
  int line = -1;
  std::string lineText;
  int lineCount = 0;
};

}  // namespace velmora
