#include "core/events.h"

#include <array>
#include <cstddef>

#include "core/details.h"
#include "core/game.h"
#include "core/message_port.h"
#include "core/numeric.h"
#include "core/province_check.h"
#include "core/random.h"
#include "core/window_port.h"

namespace velmora {

namespace {

std::int32_t largeAmount(Game& g) { return drawInt(g.rng, 15, 6); }
std::int32_t smallAmount(Game& g) { return drawInt(g.rng, 10, 1); }

std::string bracketed(std::int32_t amount) { return "「" + std::to_string(amount) + "」"; }

// Adds a drawn amount to a field, held at the 999 limit; returns the drawn amount.
std::int32_t raise(Game& g, std::int32_t& field) {
  std::int32_t a = largeAmount(g);
  field = capAtLimit(field + a);
  return a;
}

// Takes a drawn small amount off a field, never below 0; returns the drawn amount.
std::int32_t typhoonLoss(Game& g, std::int32_t& field) {
  std::int32_t a = smallAmount(g);
  field -= a;
  if (field < 0) field = 0;
  return a;
}

}  // namespace

const char* eventName(EventKind kind) {
  switch (kind) {
    case EventKind::GoodHarvest:
      return "豊作";
    case EventKind::PoorHarvest:
      return "凶作";
    case EventKind::LandClearing:
      return "開墾技術の向上";
    case EventKind::TownProsperity:
      return "町の繁栄";
    case EventKind::CastleBuilding:
      return "築城技術の進歩";
    case EventKind::Volunteers:
      return "義兵の参加";
    case EventKind::NewWeapons:
      return "新兵器の開発";
    case EventKind::Typhoon:
      return "大型台風";
  }
  return "";
}

void rollEvent(Game& g) {
  if (drawInt(g.rng, 10, 1) > 8) return;
  std::int32_t e = drawInt(g.rng, 10, 1);
  if (e > 8) return;
  auto kind = static_cast<EventKind>(e);
  std::vector<std::string> lines;
  if (g.ui.messages.watched()) lines.push_back(std::string("「") + eventName(kind) + "」です");
  // The window gives the amounts drawn; the details what they came to within the bounds.
  const ProvinceChanges changes(g);
  for (auto& line : applyEvent(g, kind)) lines.push_back(std::move(line));
  g.ui.windows.showEventWindow(lines, [&g] { checkAllProvinces(g); });
  changes.report(g);
}

std::vector<std::string> applyEvent(Game& g, EventKind kind) {
  const bool loss = kind == EventKind::PoorHarvest || kind == EventKind::Typhoon;
  const char* verb = loss ? "減りました" : "増えました";
  // The lines are written only for a screen someone watches; the draws are the same.
  const bool describe = g.ui.messages.watched();
  std::vector<std::string> lines;
  for (int i = 1; i <= kProvinceCount; ++i) {
    if (drawInt(g.rng, 10, 1) <= 4) continue;
    Province& p = g.state.provinces[i];
    std::array<std::int32_t, 3> amounts{};
    std::size_t count = 1;
    switch (kind) {
      case EventKind::GoodHarvest:
        amounts[0] = raise(g, p.food);
        break;
      case EventKind::PoorHarvest:
        amounts[0] = largeAmount(g);
        p.food -= amounts[0];
        if (p.food < 5) p.food = 5;
        break;
      case EventKind::LandClearing:
        amounts[0] = raise(g, p.power);
        break;
      case EventKind::TownProsperity:
        amounts[0] = raise(g, p.town);
        break;
      case EventKind::CastleBuilding:
        amounts[0] = raise(g, p.castle);
        break;
      case EventKind::Volunteers:
        amounts[0] = raise(g, p.troops);
        break;
      case EventKind::NewWeapons:
        amounts[0] = raise(g, p.arms);
        break;
      case EventKind::Typhoon:
        // Drawn in this order: power, town, castle.
        amounts = {typhoonLoss(g, p.power), typhoonLoss(g, p.town), typhoonLoss(g, p.castle)};
        count = 3;
        break;
    }
    if (!describe) continue;
    std::string detail = kind == EventKind::Typhoon ? "国力、町、城の値が" : "";
    for (std::size_t k = 0; k < count; ++k) detail += bracketed(amounts[k]);
    lines.push_back(p.name + "で" + eventName(kind) + detail + verb);
  }
  return lines;
}

}  // namespace velmora
