#include "ui/main/scroll_math.h"

#include "core/numeric.h"

namespace velmora::ui {

ScrollRange scrollRangeFor(int windowTwips, int mapTwips) {
  ScrollRange r;
  r.maximum = static_cast<std::int16_t>(roundHalfEven(windowTwips - mapTwips));
  r.largeChange = static_cast<std::int16_t>(roundHalfEven(windowTwips));
  r.smallChange = static_cast<std::int16_t>(roundHalfEven(windowTwips * 0.05));
  return r;
}

std::int16_t scrollValueToShow(int panelPosTwips, const ScrollRange& range) {
  const std::int32_t x = roundHalfEven(3000 - panelPosTwips);
  if (range.maximum > 0) return x > 0 ? 0 : range.maximum;  // the window is the larger
  if (x <= range.maximum) return range.maximum;
  if (x >= 0) return 0;
  return static_cast<std::int16_t>(x);
}

}  // namespace velmora::ui
