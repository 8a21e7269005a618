#include "core/province_check.h"

#include <array>
#include <cstdint>

#include "core/board_port.h"
#include "core/message_port.h"
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

// The usual case, tested at once: every value inside its limits, so no box is due. The eight
// values lie side by side in the record, so the compiler compares them four at a time.
[[gnu::always_inline]] inline bool withinLimits(const Province& pr) {
  const std::array<std::int32_t, 8> values{pr.power, pr.town,   pr.castle, pr.food,
                                           pr.gold,  pr.troops, pr.arms,   pr.morale};
  int over = 0;
  for (const std::int32_t v : values) over |= v > kLimit;
  return over == 0 && (pr.food | pr.gold) >= 0;  // gold and food must not be negative either
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
  if (watched) g.ui.board.redrawProvince(pr, isPlayerProvince(g.state, p));
}

}  // namespace

void checkProvince(Game& g, int p) { check(g, p, g.ui.messages.watched()); }

// Every press checks all ten: the screen is asked once whether anyone watches it.
void checkAllProvinces(Game& g) {
  const bool watched = g.ui.messages.watched();
  for (int p = 1; p <= kProvinceCount; ++p) check(g, p, watched);
}

void redrawAllProvinces(Game& g) {
  if (!g.ui.messages.watched()) return;
  for (int p = 1; p <= kProvinceCount; ++p) {
    g.ui.board.redrawProvince(g.state.provinces[p], isPlayerProvince(g.state, p));
  }
}

}  // namespace velmora
