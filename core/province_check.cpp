#include "core/province_check.h"

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

void redraw(Game& g, int p) {
  g.ui.redrawProvince(g.state.provinces[p], isPlayerProvince(g.state, p));
}

}  // namespace

void checkProvince(Game& g, int p) {
  const Province& pr = g.state.provinces[p];
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
  redraw(g, p);
}

void checkAllProvinces(Game& g) {
  for (int p = 1; p <= kProvinceCount; ++p) checkProvince(g, p);
}

void redrawAllProvinces(Game& g) {
  for (int p = 1; p <= kProvinceCount; ++p) redraw(g, p);
}

}  // namespace velmora
