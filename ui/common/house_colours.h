#pragma once

#include <QColor>

namespace velmora::ui {

// The colours of the ten houses (1 to 10), one table for the map and the chart. House n's
// fill is the map colour of province n, its home; its line is that colour deepened so that a
// line reads on white, with the two greens (三河, 越前) and the two yellows (尾張, 伊勢) of the
// map pulled apart in lightness.
QColor houseFill(int house);
QColor houseColour(int house);  // the line's

}  // namespace velmora::ui
