#include "ui/windows/nation_lines.h"
#include "core/game_state.h"

#include <charconv>

namespace velmora::ui {

namespace {

// House names are at most this long; the name column is twice as many blanks wide.
constexpr std::size_t kNameColumn = 14;

}  // namespace

std::string nationHeadingLine() {
  return "国名"
         "\t" +
         std::string(28, ' ') +
         "政治"
         "  "
         "戦争"
         "  "
         "戦闘  "
         "    勝  "
         "   負 "
         "    通  "
         "   突   "
         "   包   "
         "   射   "
         "   防";
}

std::string nationLine(const Nation& nation) {
  const std::size_t length = characterCount(nation.name);
  // A longer name (only possible from an edited save file) simply gets no blanks.
  const std::size_t blanks = length < kNameColumn ? 2 * (kNameColumn - length) : 0;

  std::string line = nation.name;
  line += std::string(blanks, ' ');
  line += '\t';
  line += threeDigits(nation.policy) + "\u3000" + threeDigits(nation.temperament) + "\u3000" +
          threeDigits(nation.favoriteTactic);
  line += "     " + threeDigits(nation.wins) + "    " + threeDigits(nation.losses);
  for (int t = 1; t <= kTacticCount; ++t) line += "    " + threeDigits(nation.tacticUses[t]);
  line += "    ";
  return line;
}

std::vector<HeadingWord> nationHeadingPlacement() {
  // The fields of a house line after its tab: blanks before each and its width in cells
  // (an ideographic space counts as two blanks).
  struct Field {
    int gap;
    int width;
  };
  constexpr Field kFields[10] = {{0, 4}, {2, 4}, {2, 4}, {5, 3}, {4, 3},
                                 {4, 3}, {4, 3}, {4, 3}, {4, 3}, {4, 3}};
  // The name column is 28 cells; the tab after it goes on to the next stop.
  constexpr int kFieldsStart = (2 * kNameColumn / kNationTabStopCells + 1) * kNationTabStopCells;

  std::vector<std::string> words;
  const std::string heading = nationHeadingLine();
  std::size_t i = 0;
  while (i < heading.size()) {
    if (heading[i] == ' ' || heading[i] == '\t') {
      ++i;
      continue;
    }
    const std::size_t end = heading.find_first_of(" \t", i);
    words.push_back(heading.substr(i, end == std::string::npos ? std::string::npos : end - i));
    i = end == std::string::npos ? heading.size() : end;
  }

  std::vector<HeadingWord> placed;
  int fieldStart = kFieldsStart;
  for (std::size_t w = 0; w < words.size(); ++w) {
    if (w == 0) {
      placed.push_back({words[w], 0.0});  // "国名" over the names
      continue;
    }
    if (w > std::size(kFields)) break;
    const Field& f = kFields[w - 1];
    fieldStart += f.gap;
    placed.push_back({words[w], fieldStart + (f.width - cellCount(words[w])) / 2.0});
    fieldStart += f.width;
  }
  return placed;
}

int cellCount(const std::string& utf8) {
  int cells = 0;
  for (unsigned char c : utf8) {
    if (c < 0x80) {
      ++cells;
    } else if ((c & 0xC0) != 0x80) {
      cells += 2;  // the lead byte of a full-width character
    }
  }
  return cells;
}

std::string threeDigits(std::int64_t value) {
  const bool negative = value < 0;
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  std::string digits = std::to_string(magnitude);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  return negative ? "-" + digits : digits;
}

std::string threeDigits(const std::string& text) {
  std::int64_t value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  // from_chars takes "-" but not "+".
  if (last - first >= 2 && first[0] == '+' && first[1] >= '0' && first[1] <= '9') ++first;
  const auto [end, error] = std::from_chars(first, last, value);
  if (text.empty() || error != std::errc() || end != last) return text;
  return threeDigits(value);
}

std::size_t characterCount(const std::string& utf8) {
  std::size_t count = 0;
  for (unsigned char c : utf8) {
    if ((c & 0xC0) != 0x80) ++count;  // continuation bytes belong to the character before
  }
  return count;
}

}  // namespace velmora::ui
