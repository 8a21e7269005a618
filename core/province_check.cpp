#include "core/province_check.h"

#include <algorithm>

#include "core/messages.h"
#include "core/numeric.h"

namespace velmora {

namespace {

void reportAbove(Game& g, const char* label, std::int32_t value) {
  if (value > kLimit) showBox(g, label + std::to_string(value) + ":" + "999");
}

void reportBelow(Game& g, const char* label, std::int32_t value) {
  if (value < 0) showBox(g, label + std::to_string(value) + ":" + "999");
}

// The usual case, tested at once: every value inside its limits, so no box is due.
bool withinLimits(const Province& pr) {
  return std::max({pr.troops, pr.power, pr.town, pr.castle, pr.food, pr.gold, pr.arms,
                   pr.morale}) <= kLimit &&
         pr.gold >= 0 && pr.food >= 0;
}

void reportLimits(Game& g, const Province& pr) {
  reportAbove(g, "MAXエラー兵 ", pr.troops);
  reportAbove(g, "MAXエラー国力 ", pr.power);
  reportAbove(g, "MAXエラー町 ", pr.town);
  reportAbove(g, "MAXエラー城 ", pr.castle);
  reportAbove(g, "MAXエラー食料 ", pr.food);
  reportAbove(g, "MAXエラー金 ", pr.gold);
  reportAbove(g, "MAXエラー武装 ", pr.arms);
  reportAbove(g, "MAXエラー民度 ", pr.morale);
  reportBelow(g, "MINエラー金", pr.gold);
  reportBelow(g, "MINエラー米", pr.food);
}

}  // namespace

void checkProvince(Game& g, int p) {
  const Province& pr = g.state.provinces[p];
  if (!withinLimits(pr)) reportLimits(g, pr);
  if (g.ui.watched()) g.ui.redrawProvince(pr, isPlayerProvince(g.state, p));
}

void checkAllProvinces(Game& g) {
  for (int p = 1; p <= kProvinceCount; ++p) checkProvince(g, p);
}

}  // namespace velmora
