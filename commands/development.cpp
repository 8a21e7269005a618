#include "commands/development.h"

#include <algorithm>

#include "core/messages.h"
#include "core/numeric.h"
#include "core/order_input.h"

namespace velmora {

namespace {

constexpr std::int32_t kLeastGold = 10;
constexpr std::int32_t kGreatestInvestment = 100;
constexpr double kUnitPrice = 10;

// Points gained for the gold actually spent; the castle gains half of it.
std::int32_t gainFor(std::int32_t spend) {
  if (spend >= 10 && spend <= 19) return 100 / 20;
  if (spend >= 20 && spend <= 39) return 100 / 16;
  if (spend >= 40 && spend <= 59) return 100 / 12;
  if (spend >= 60 && spend <= 79) return 100 / 10;
  if (spend >= 80 && spend <= 99) return 100 / 8;
  return 100 / 5;
}

// What the computer invests: half its gold in tens, between 10 and 100.
std::int32_t computerAmount(std::int32_t gold) {
  if (gold <= 20) return 10;
  return std::min(floorInt(gold / 2.0 / 10) * 10, kGreatestInvestment);
}

const char* reportFor(std::int32_t Province::*field) {
  if (field == &Province::town) return "で町を建設しました";
  if (field == &Province::castle) return "で城の普請がありました";
  return "で開墾されました";
}

bool developAndRaiseMorale(Game& g, int p, const OrderInput& in, std::int32_t Province::*field,
                           bool halve, bool raisesMorale) {
  Province& pr = g.state.provinces[p];
  if (!checkInvestment(g, p, pr.gold, pr.*field, kLimit)) return false;
  if (!invest(g, p, in, field, kLimit, halve)) return false;
  // Morale has no limit of its own here; the province check reports it when it passes 999.
  if (raisesMorale) pr.morale = capAtBound(std::int64_t{pr.morale} + 1);
  return true;
}

}  // namespace

bool RaisePower(Game& g, int p, const OrderInput& in) {
  return developAndRaiseMorale(g, p, in, &Province::power, false, true);
}

bool BuildTown(Game& g, int p, const OrderInput& in) {
  return developAndRaiseMorale(g, p, in, &Province::town, false, true);
}

bool BuildCastle(Game& g, int p, const OrderInput& in) {
  return developAndRaiseMorale(g, p, in, &Province::castle, true, false);
}

bool checkInvestment(Game& g, int p, std::int32_t gold, std::int32_t field, std::int32_t limit) {
  // Only a province the player commands is told why; the computer simply picks another order.
  const bool tell = !isComputerPlayed(g.state, p);
  if (field < limit) {
    if (gold >= kLeastGold) return true;
    if (tell) showBox(g, "金が足りません");
    return false;
  }
  if (tell) showBox(g, "これ以上増やせません");
  return false;
}

bool checkPayment(Game& g, int p, std::int32_t amount, double unitPrice) {
  const std::int32_t gold = g.state.provinces[p].gold;
  if (gold < amount) {
    showBox(g, "金" + std::to_string(gold) + "しか持っていません");
    return false;
  }
  // Zero and negative amounts end here too.
  if (amount < unitPrice) {
    showBox(g, "金が足りません");
    return false;
  }
  return true;
}

std::int32_t limitSpend(Game& g, std::int32_t field, std::int32_t amount, std::int32_t limit) {
  if (roundHalfEven(field + amount / kUnitPrice) <= limit) return amount;
  const std::int32_t spend = (limit - field) * static_cast<std::int32_t>(kUnitPrice);
  showBox(g, "最大値を越します、金" + std::to_string(spend) + "だけでよいです。" + "金" +
                 std::to_string(amount - spend) + "は返金します。");
  return spend;
}

std::optional<std::int32_t> typedAmount(Game& g, const OrderInput& in) {
  auto amount = parseAmountHalfEven(in.amount);
  if (!amount) showBox(g, "整数を入力してください");
  return amount;
}

bool invest(Game& g, int p, const OrderInput& in, std::int32_t Province::*field, std::int32_t limit,
            bool halve) {
  Province& pr = g.state.provinces[p];
  std::int32_t amount = 0;
  if (isComputerPlayed(g.state, p)) {
    amount = computerAmount(pr.gold);
  } else {
    auto typed = typedAmount(g, in);
    if (!typed) return false;
    amount = *typed;
    if (amount > kGreatestInvestment) {
      showBox(g, "投資は" + std::to_string(kGreatestInvestment) + "までです");
      return false;
    }
    if (!checkPayment(g, p, amount, kUnitPrice)) return false;
  }

  const std::int32_t spend = limitSpend(g, pr.*field, amount, limit);
  std::int32_t gain = gainFor(spend);
  if (halve) gain /= 2;

  pr.*field = std::min(pr.*field + gain, limit);
  pr.gold -= spend;
  clampNonNegative(pr.food);
  clampNonNegative(pr.gold);

  showLine2(g, pr.name, reportFor(field));
  return true;
}

}  // namespace velmora
