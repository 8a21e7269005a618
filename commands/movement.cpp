#include "commands/movement.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/details.h"
#include "core/map.h"
#include "core/messages.h"
#include "core/numeric.h"
#include "core/order_input.h"
#include "core/panel_port.h"
#include "core/province_check.h"

namespace velmora {

namespace {

constexpr const char* kNothingToMove = "どれかは1以上の数字を入力してください(0ならキャンセルを)";

// The part of an asked amount that fits into the destination; nothing fits into a field that
// is already at the limit.
std::int32_t movable(std::int32_t destination, std::int32_t asked) {
  if (destination >= kLimit) return 0;
  return capAmount(destination, asked, kLimit);
}

}  // namespace

std::int32_t capAmount(std::int32_t current, std::int32_t amount, std::int32_t limit) {
  // Summed wide: a typed amount may be anywhere in the 32-bit range.
  if (std::int64_t{current} + amount <= limit) return amount;
  return limit - current;
}

void transfer(std::int32_t& from, std::int32_t& to, std::int32_t amount) {
  from -= amount;
  to += amount;
}

void mixArms(Province& from, Province& to, std::int32_t movedTroops, ArmsFloor floor) {
  const bool raise =
      floor == ArmsFloor::WhenBothHaveTroops ? from.troops > 0 && to.troops > 0 : from.troops > 0;
  if (raise) {
    if (from.arms < 1) from.arms = 1;
    if (to.arms < 1) to.arms = 1;
    if (to.troops > 0) {
      to.arms = roundHalfEven((static_cast<double>(to.troops - movedTroops) * to.arms +
                               static_cast<double>(movedTroops) * from.arms) /
                              to.troops);
    }
  }
  if (to.troops < 1) to.arms = from.arms;
}

bool prepareMove(Game& g, int p) {
  GameState& s = g.state;
  for (int box = 0; box < 3; ++box) g.ui.panels.setTargetAmountText(box, "0");
  s.candidateCount = 0;
  std::vector<std::string> names;
  for (int j = 1; j <= kProvinceCount; ++j) {
    if (j != p && areAdjacent(p, j) && s.provinces[j].lord == s.provinces[p].lord) {
      s.candidates[++s.candidateCount] = j;
      names.push_back(s.provinces[j].name);
    }
  }
  g.ui.panels.setTargetList(names);
  if (s.candidateCount == 0) {
    showBox(g, "隣に味方の領土がありません");
    return false;
  }
  g.ui.panels.selectTarget(0);
  // The default is to move everything.
  const Province& from = s.provinces[p];
  g.ui.panels.setTargetAmountText(0, std::to_string(from.troops));
  g.ui.panels.setTargetAmountText(1, std::to_string(from.food));
  g.ui.panels.setTargetAmountText(2, std::to_string(from.gold));
  return true;
}

bool Move(Game& g, int p, const OrderInput& in) {
  GameState& s = g.state;
  const int d = provinceNamed(s, in.target);
  if (d == 0) {
    showBox(g, "移動先は?");
    return false;
  }

  std::int32_t asked[3];
  for (int box = 0; box < 3; ++box) {
    auto amount = parseAmountFloor(in.targetAmounts[box]);
    if (!amount) {
      showBox(g, "整数を入力してください");
      return false;
    }
    asked[box] = *amount;
  }

  Province& from = s.provinces[p];
  Province& to = s.provinces[d];
  if (from.troops < asked[0]) {
    showBox(g, "兵が足りません");
    return false;
  }
  const std::int32_t troops = movable(to.troops, asked[0]);
  if (from.food < asked[1]) {
    showBox(g, "食料が足りません");
    return false;
  }
  const std::int32_t food = movable(to.food, asked[1]);
  if (from.gold < asked[2]) {
    showBox(g, "金が足りません");
    return false;
  }
  const std::int32_t gold = movable(to.gold, asked[2]);
  // A negative amount would move goods backwards, from the destination home; it is refused
  // here, after the holdings have been checked, like a move of nothing.
  const bool negative = asked[0] < 0 || asked[1] < 0 || asked[2] < 0;
  if (negative || (troops <= 0 && food <= 0 && gold <= 0)) {
    showBox(g, kNothingToMove);
    return false;
  }

  transfer(from.troops, to.troops, troops);
  transfer(from.food, to.food, food);
  transfer(from.gold, to.gold, gold);
  mixArms(from, to, troops, ArmsFloor::WhenBothHaveTroops);

  checkProvince(g, p);
  checkProvince(g, d);
  showBox(g, from.name + "から" + to.name + "へ " + "\r" + "兵[" + std::to_string(troops) + "]" +
                 "\r" + "食料[" + std::to_string(food) + "]" + "\r" + "金[" + std::to_string(gold) +
                 "]移動しました");
  reportMove(g, p, d, troops, food, gold);
  return true;
}

}  // namespace velmora
