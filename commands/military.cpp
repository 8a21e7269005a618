#include "commands/military.h"

#include <algorithm>
#include <optional>

#include "commands/development.h"
#include "core/messages.h"
#include "core/numeric.h"

namespace velmora {

namespace {

// Whatever passes the limit is given back at the price paid, less the 0.9 of the charge.
// Only the player's house hears about it (a delegated province included).
// The sum is taken in 64 bits: a price far below the market's buys more than 32 bits hold.
// The refund, at most the gold spent, holds the gold at its bound all the same.
std::int32_t refundAboveLimit(Game& g, int p, std::int64_t value, double price) {
  Province& pr = g.state.provinces[p];
  if (value <= kLimit) return static_cast<std::int32_t>(value);
  if (isPlayerProvince(g.state, p)) {
    showBox(g, "兵を" + std::to_string(kLimit) + "におさめます。(あとは返金)");
  }
  const std::int64_t excess = value - kLimit;
  pr.gold = capAtBound(roundHalfEven(static_cast<double>(excess) * price - 0.9 + pr.gold));
  return kLimit;
}

}  // namespace

bool RaiseArms(Game& g, int p, const OrderInput& in) {
  Province& pr = g.state.provinces[p];
  const double price = g.state.armsPrice;
  if (!checkInvestment(g, p, pr.gold, pr.arms, kLimit)) return false;
  if (floorInt(0.9 * price) > pr.gold) return false;

  std::int32_t spend = 0;
  if (isComputerPlayed(g.state, p)) {
    if (2 * price >= pr.gold) {
      spend = chargeOf(price);
    } else {
      spend = chargeOf(floorInt(pr.gold / 2.0 / price) * price);
    }
  } else {
    auto amount = typedAmount(g, in);
    if (!amount || !checkPayment(g, p, *amount, price)) return false;
    spend = *amount;
  }

  const std::int64_t arms = pr.arms + roundHalfEven64(spend / price);
  pr.gold -= spend;
  pr.arms = refundAboveLimit(g, p, arms, price);
  clampNonNegative(pr.gold);
  showLine2(g, pr.name, "で武装強化がありました");
  return true;
}

bool RaiseTroops(Game& g, int p, const OrderInput& in) {
  Province& pr = g.state.provinces[p];
  const double price = g.state.troopsPrice;
  if (pr.troops >= kLimit) {
    if (!isComputerPlayed(g.state, p)) showBox(g, "これ以上増やせません");
    return false;
  }
  if (chargeOf(price) > pr.gold) return false;

  // Said before the amount is settled, so the line stays even when the amount is refused.
  showLine2(g, pr.name, "にて兵増強");

  std::int64_t recruits = 0;
  if (isComputerPlayed(g.state, p)) {
    recruits = floorInt64(pr.gold / 2.0 / price);
  } else {
    auto amount = typedAmount(g, in);
    if (!amount || !checkPayment(g, p, *amount, price)) return false;
    recruits = floorInt64(*amount / price);
  }

  const std::int64_t troops = pr.troops + recruits;
  pr.gold -= chargeOf(static_cast<double>(recruits) * price);
  pr.troops = refundAboveLimit(g, p, troops, price);
  // New soldiers come unarmed: the arms value is an average over all soldiers. More recruits
  // than the troops kept (gold far above the limit, most of them refunded) leave none of the
  // old soldiers, rather than a negative armament.
  if (pr.arms > 0 && pr.troops > 0) {
    const std::int64_t veterans = pr.troops - std::min<std::int64_t>(recruits, pr.troops);
    pr.arms = roundHalfEven(static_cast<double>(veterans) / pr.troops * pr.arms);
  } else {
    pr.arms = 0;
  }
  clampNonNegative(pr.gold);
  return true;
}

}  // namespace velmora
