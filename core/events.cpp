#include "core/events.h"

#include "core/numeric.h"
#include "core/province_check.h"

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
  std::vector<std::string> lines{std::string("「") + eventName(kind) + "」です"};
  for (auto& line : applyEvent(g, kind)) lines.push_back(std::move(line));
  g.ui.showEventWindow(lines, [&g] { checkAllProvinces(g); });
}

std::vector<std::string> applyEvent(Game& g, EventKind kind) {
  const bool loss = kind == EventKind::PoorHarvest || kind == EventKind::Typhoon;
  const char* verb = loss ? "減りました" : "増えました";
  std::vector<std::string> lines;
  for (int i = 1; i <= kProvinceCount; ++i) {
    if (drawInt(g.rng, 10, 1) <= 4) continue;
    Province& p = g.state.provinces[i];
    std::string detail;
    switch (kind) {
      case EventKind::GoodHarvest:
        detail = bracketed(raise(g, p.food));
        break;
      case EventKind::PoorHarvest: {
        std::int32_t a = largeAmount(g);
        p.food -= a;
        if (p.food < 5) p.food = 5;
        detail = bracketed(a);
        break;
      }
      case EventKind::LandClearing:
        detail = bracketed(raise(g, p.power));
        break;
      case EventKind::TownProsperity:
        detail = bracketed(raise(g, p.town));
        break;
      case EventKind::CastleBuilding:
        detail = bracketed(raise(g, p.castle));
        break;
      case EventKind::Volunteers:
        detail = bracketed(raise(g, p.troops));
        break;
      case EventKind::NewWeapons:
        detail = bracketed(raise(g, p.arms));
        break;
      case EventKind::Typhoon: {
        detail = "国力、町、城の値が";
        detail += bracketed(typhoonLoss(g, p.power));
        detail += bracketed(typhoonLoss(g, p.town));
        detail += bracketed(typhoonLoss(g, p.castle));
        break;
      }
    }
    lines.push_back(p.name + "で" + eventName(kind) + detail + verb);
  }
  return lines;
}

}  // namespace velmora
