#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {
struct Nation;
}  // namespace velmora

namespace velmora::ui {

// The lines of the nation information window. Columns line up only through blanks and one tab
// stop, so every piece is kept exactly.

// The column heading above the house list.
std::string nationHeadingLine();

// One house: name, character and battle record.
std::string nationLine(const Nation& nation);

// A value in the pattern "000": at least three digits (7 -> 007, 1000 -> 1000, -5 -> -005).
std::string threeDigits(std::int64_t value);

// A text in the pattern "000": a whole number is padded like a value, any other text is left
// as it is.
std::string threeDigits(const std::string& text);

// The list's tab stops, in cells (a blank or a digit is one cell, a full-width character two).
constexpr int kNationTabStopCells = 7;

// A word of the heading and the cell it is drawn from. The heading's own blanks leave its last
// words up to four cells right of their figures; drawn from these cells every word stands
// centred over its column of the house lines.
struct HeadingWord {
  std::string text;
  double cell;
};
std::vector<HeadingWord> nationHeadingPlacement();

// Width of a text in cells.
int cellCount(const std::string& utf8);

// Number of characters of a UTF-8 text.
std::size_t characterCount(const std::string& utf8);

}  // namespace velmora::ui
