#include "core/province_check.h"

#include <cstdint>

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

// The usual case, tested at once: every value inside its limits, so no box is due. Gold and
// food must also not be negative: as unsigned numbers, negative values lie above the limit.
[[gnu::always_inline]] inline bool withinLimits(const Province& pr) {
  return pr.troops <= kLimit && pr.power <= kLimit && pr.town <= kLimit && pr.castle <= kLimit &&
         pr.arms <= kLimit && pr.morale <= kLimit &&
         static_cast<std::uint32_t>(pr.food) <= kLimit &&
         static_cast<std::uint32_t>(pr.gold) <= kLimit;
}

// Kept out of line: the check of every press seldom gets here.
[[gnu::cold]] void reportLimits(Game& g, const Province& pr) {
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

// Inlined into the loop of every press, where it is ten comparisons when nobody watches.
[[gnu::always_inline]] inline void check(Game& g, int p, bool watched) {
  const Province& pr = g.state.provinces[p];
  if (!withinLimits(pr)) reportLimits(g, pr);
  if (watched) g.ui.redrawProvince(pr, isPlayerProvince(g.state, p));
}

}  // namespace

void checkProvince(Game& g, int p) { check(g, p, g.ui.watched()); }

// Every press checks all ten: the screen is asked once whether anyone watches it.
void checkAllProvinces(Game& g) {
  const bool watched = g.ui.watched();
  for (int p = 1; p <= kProvinceCount; ++p) check(g, p, watched);
}

void redrawAllProvinces(Game& g) {
  if (!g.ui.watched()) return;
  for (int p = 1; p <= kProvinceCount; ++p) {
    g.ui.redrawProvince(g.state.provinces[p], isPlayerProvince(g.state, p));
  }
}

}  // namespace velmora
