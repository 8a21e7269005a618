#include "core/details.h"

#include "core/numeric.h"

namespace velmora {

namespace {

struct Field {
  const char* name;
  std::int32_t Province::*value;
};

// In the order a player reads an order's effect: the army first, then the stores, then the
// land.
constexpr Field kFields[] = {
    {"兵", &Province::troops}, {"武装", &Province::arms},   {"金", &Province::gold},
    {"食料", &Province::food}, {"国力", &Province::power},  {"町", &Province::town},
    {"城", &Province::castle}, {"民度", &Province::morale},
};

std::string changes(const Province& before, const Province& after) {
  std::string text;
  for (const Field& f : kFields) {
    if (before.*f.value == after.*f.value) continue;
    text += std::string(" ") + f.name + " " + std::to_string(before.*f.value) + "→" +
            std::to_string(after.*f.value);
  }
  if (before.lord != after.lord) text += " 領主 " + before.lord + "→" + after.lord;
  return text;
}

std::string gain(std::int32_t before, std::int32_t after) {
  const std::int64_t d = std::int64_t{after} - before;
  return (d < 0 ? "" : "+") + std::to_string(d);
}

}  // namespace

ProvinceChanges::ProvinceChanges(const Game& g) {
  if (keepsDetails(g)) before_ = g.state.provinces;
}

void ProvinceChanges::report(Game& g, int subject) const {
  if (!before_ || !keepsDetails(g)) return;
  bool any = false;
  for (int p = 1; p <= kProvinceCount; ++p) {
    const std::string text = changes((*before_)[p], g.state.provinces[p]);
    if (text.empty()) continue;
    any = true;
    addDetail(g, g.state.provinces[p].name, text);
  }
  if (!any && subject >= 1 && subject <= kProvinceCount) {
    addDetail(g, g.state.provinces[subject].name, " 変化なし");
  }
}

void ProvinceChanges::reportHarvest(Game& g) const {
  if (!before_ || !keepsDetails(g)) return;
  for (int p = 1; p <= kProvinceCount; ++p) {
    const Province& now = g.state.provinces[p];
    addDetail(g, now.name, " 収穫 金", gain((*before_)[p].gold, now.gold), " 食料",
              gain((*before_)[p].food, now.food));
  }
}

void reportMove(Game& g, int from, int to, std::int32_t troops, std::int32_t food,
                std::int32_t gold) {
  if (!keepsDetails(g)) return;
  addDetail(g, "移動 ", g.state.provinces[from].name, "→", g.state.provinces[to].name, " 兵 ",
            troops, " 食料 ", food, " 金 ", gold);
}

void reportPrices(Game& g) {
  if (!keepsDetails(g)) return;
  addDetail(g, "相場 食料 ", formatPrice(g.state.foodPrice), " 武器 ",
            formatPrice(g.state.armsPrice), " 兵 ", formatPrice(g.state.troopsPrice));
}

}  // namespace velmora
