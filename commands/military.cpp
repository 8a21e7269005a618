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
void refundAboveLimit(Game& g, int p, std::int32_t& value, double price) {
  Province& pr = g.state.provinces[p];
  if (value <= kLimit) return;
  if (isPlayerProvince(g.state, p)) {
    showBox(g, "兵を" + std::to_string(kLimit) + "におさめます。(あとは返金)");
  }
  const std::int32_t excess = value - kLimit;
  value = kLimit;
  pr.gold = roundHalfEven(excess * price - 0.9 + pr.gold);
}

}  // namespace

bool RaiseArms(Game& g, int p) {
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
    auto amount = typedAmount(g);
    if (!amount || !checkPayment(g, p, *amount, price)) return false;
    spend = *amount;
  }

  pr.arms += roundHalfEven(spend / price);
  pr.gold -= spend;
  refundAboveLimit(g, p, pr.arms, price);
  clampNonNegative(pr.gold);
  showLine2(g, pr.name, "で武装強化がありました");
  return true;
}

bool RaiseTroops(Game& g, int p) {
  Province& pr = g.state.provinces[p];
  const double price = g.state.troopsPrice;
  if (pr.troops >= kLimit) {
    if (!isComputerPlayed(g.state, p)) showBox(g, "これ以上増やせません");
    return false;
  }
  if (chargeOf(price) > pr.gold) return false;

  // Said before the amount is settled, so the line stays even when the amount is refused.
  showLine2(g, pr.name, "にて兵増強");

  std::int32_t recruits = 0;
  if (isComputerPlayed(g.state, p)) {
    recruits = floorInt(pr.gold / 2.0 / price);
  } else {
    auto amount = typedAmount(g);
    if (!amount || !checkPayment(g, p, *amount, price)) return false;
    recruits = floorInt(*amount / price);
  }

  pr.troops += recruits;
  pr.gold -= chargeOf(recruits * price);
  refundAboveLimit(g, p, pr.troops, price);
  // New soldiers come unarmed: the arms value is an average over all soldiers. More recruits
  // than the troops kept (gold far above the limit, most of them refunded) leave none of the
  // old soldiers, rather than a negative armament.
  if (pr.arms > 0 && pr.troops > 0) {
    const std::int32_t veterans = pr.troops - std::min(recruits, pr.troops);
    pr.arms = roundHalfEven(static_cast<double>(veterans) / pr.troops * pr.arms);
  } else {
    pr.arms = 0;
  }
  clampNonNegative(pr.gold);
  return true;
}

}  // namespace velmora
