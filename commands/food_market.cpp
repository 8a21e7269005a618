#include "commands/food_market.h"

#include <cstdint>
#include <optional>

#include "commands/development.h"
#include "core/messages.h"
#include "core/numeric.h"

namespace velmora {

bool SellFood(Game& g, int p, const OrderInput& in) {
  Province& pr = g.state.provinces[p];
  const double price = g.state.foodPrice;
  auto typed = typedAmount(g, in);
  if (!typed) return false;
  const std::int32_t amount = *typed;
  // A negative sale would buy food through the back door and could leave gold below 0.
  if (amount < 0) {
    showBox(g, "0以上の数字を入力してください");
    return false;
  }

  std::int32_t proceeds = roundHalfEven(amount * price);
  if (pr.food < amount) {
    showBox(g, "食料" + std::to_string(pr.food) + "しか持っていません");
    return false;
  }
  if (pr.gold >= kLimit) {
    showBox(g, "これ以上金を増やせません");
    return false;
  }
  if (std::int64_t{pr.gold} + proceeds > kLimit) {
    proceeds = kLimit - pr.gold;
    showBox(g, "一部返金します");
  }
  // Only the food the capped proceeds pay for leaves the province.
  pr.food = roundHalfEven(pr.food - proceeds / price);
  clampNonNegative(pr.food);
  pr.gold += proceeds;
  showLine2(g, pr.name, "で食料を換金されました");
  return true;
}

bool BuyFood(Game& g, int p, const OrderInput& in) {
  Province& pr = g.state.provinces[p];
  const double price = g.state.foodPrice;
  auto typed = typedAmount(g, in);
  if (!typed) return false;
  const std::int32_t amount = *typed;

  std::int32_t bought = roundHalfEven(amount / price);
  if (pr.gold < amount) {
    showBox(g, "金" + std::to_string(pr.gold) + "しか持っていません");
    return false;
  }
  if (pr.food >= kLimit) {
    showBox(g, "これ以上食料を増やせません");
    return false;
  }
  // A negative purchase would sell food through the back door and could leave food below 0;
  // like every other order that spends gold, it is told there is not enough, where a purse
  // too small for one unit is.
  if (pr.gold < price || amount < 0) {
    showBox(g, "金が足りません");
    return false;
  }
  if (std::int64_t{pr.food} + bought > kLimit) {
    bought = kLimit - pr.food;
    showBox(g, "一部返品します");
  }
  // Only the food actually taken is paid for.
  pr.gold = roundHalfEven(pr.gold - bought * price);
  clampNonNegative(pr.gold);
  pr.food += bought;
  showLine2(g, pr.name, "で食料を買われました");
  return true;
}

}  // namespace velmora
