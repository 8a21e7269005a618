#pragma once

#include <cstdint>

namespace velmora::ui {

// One scroll bar of the main window, in twips. Its minimum is 0; its maximum is the window's
// inner size less the map's, negative when the map is the larger, so that the values then run
// from 0 down to the maximum and move the map left or up.
struct ScrollRange {
  std::int16_t maximum = 0;
  std::int16_t largeChange = 0;
  std::int16_t smallChange = 0;
};

// The range for an inner window size and a map size along one axis.
ScrollRange scrollRangeFor(int windowTwips, int mapTwips);

// The value that brings a panel at the given position 3000 twips from the window's edge, as
// far as the range allows.
std::int16_t scrollValueToShow(int panelPosTwips, const ScrollRange& range);

}  // namespace velmora::ui
