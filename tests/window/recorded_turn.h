#pragma once

// One whole turn of the player's orders written down as data: what the player chose and typed
// for each of the house's provinces as its turn came. The engine plays it directly and the
// window test gives it by clicks and keys; both read it from here.

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/order_input.h"
#include "core/state_terms.h"

namespace velmora::replay {

// A recorded order is what the engine is given: the OrderInput itself, and whether the game
// refuses it (and sends the player back to the order panel).
struct RecordedOrder {
  OrderInput input;
  bool refused = false;
};

// The player's house holds province 1 and these; every other province keeps a garrison too
// small to march, so that no battle (and no battle window) comes into the turn.
inline constexpr std::array<int, 4> kAlliedProvinces{2, 4, 5, 6};
inline constexpr std::int32_t kGarrison = 5;
// The player's provinces start with this much food, gold and troops.
inline constexpr std::int32_t kStock = 100;

inline constexpr std::uint64_t kSeed = 20240607;

// The three ways an order is entered: an amount typed into txtPic5, a line chosen in lstPic6
// with three amounts typed into txtPic6(0..2), or nothing at all.
inline RecordedOrder typed(int province, CommandKind order, std::string amount,
                           bool refused = false) {
  RecordedOrder o;
  o.input.province = province;
  o.input.order = order;
  o.input.amount = std::move(amount);
  o.refused = refused;
  return o;
}

inline RecordedOrder moved(int province, std::string target, std::array<std::string, 3> amounts,
                           bool refused = false) {
  RecordedOrder o;
  o.input.province = province;
  o.input.order = CommandKind::Move;
  o.input.target = std::move(target);
  o.input.targetAmounts = std::move(amounts);
  o.refused = refused;
  return o;
}

inline RecordedOrder nothing(int province) { return typed(province, CommandKind::DoNothing, ""); }

// Each province's orders in the order they are given; a refused one is followed by the one
// given instead.
inline const std::vector<RecordedOrder>& recordedTurn() {
  static const std::vector<RecordedOrder> orders{
      moved(1, "伊勢", {"999", "0", "0"}, true),  // more troops than it has
      moved(1, "伊勢", {"25", "30.7", "12"}),
      typed(2, CommandKind::BuildTown, "7x", true),  // not a number
      typed(2, CommandKind::RaisePower, "30"),
      typed(4, CommandKind::BuyFood, "45"),
      typed(5, CommandKind::SellFood, "40.5"),
      nothing(6),
  };
  return orders;
}

// Hands out the recorded orders of a province one after the other.
class ScriptCursor {
 public:
  const RecordedOrder* next(int province) {
    const auto& orders = recordedTurn();
    for (size_t i = 0; i < orders.size(); ++i) {
      if (!used_[i] && orders[i].input.province == province) {
        used_[i] = true;
        return &orders[i];
      }
    }
    return nullptr;
  }
  bool allUsed() const {
    for (bool u : used_) {
      if (!u) return false;
    }
    return true;
  }

 private:
  std::vector<bool> used_ = std::vector<bool>(recordedTurn().size(), false);
};

}  // namespace velmora::replay
