#include <gtest/gtest.h>

#include "core/game_state.h"
#include "ui/windows/nation_lines.h"

namespace {

using velmora::Nation;

Nation house(const std::string& name, const std::string& policy, const std::string& temperament,
             const std::string& tactic, int wins, int losses, std::array<int, 5> uses) {
  Nation n;
  n.name = name;
  n.policy = policy;
  n.temperament = temperament;
  n.favoriteTactic = tactic;
  n.wins = wins;
  n.losses = losses;
  for (int t = 1; t <= 5; ++t) n.tacticUses[t] = uses[t - 1];
  return n;
}

TEST(NationLines, HeadingLine) {
  EXPECT_EQ(velmora::ui::nationHeadingLine(),
            "国名\t                            "
            "政治  戦争  戦闘      勝     負     通     突      包      射      防");
}

TEST(NationLines, HouseLineByteForByte) {
  const Nation oda = house("織田", "戦争", "猛進", "射撃", 5, 12, {0, 3, 0, 1, 1000});
  const std::string expected = "織田" + std::string(24, ' ') + "\t" +
                               "戦争\xE3\x80\x80猛進\xE3\x80\x80射撃"  // ideographic spaces
                               "     005    012    000    003    000    001    1000    ";
  EXPECT_EQ(velmora::ui::nationLine(oda), expected);
}

// The padding counts characters, not bytes: a two-character name in UTF-8 is six bytes.
TEST(NationLines, NamePaddingCountsCharacters) {
  auto blanksBeforeTab = [](const std::string& line, std::size_t nameBytes) {
    const std::size_t tab = line.find('\t');
    return line.substr(nameBytes, tab - nameBytes);
  };
  const std::string three =
      velmora::ui::nationLine(house("長宗我", "普通", "普通", "通常", 0, 0, {}));
  EXPECT_EQ(blanksBeforeTab(three, 9), std::string(22, ' '));
  const std::string ascii = velmora::ui::nationLine(house("Oda", "普通", "普通", "通常", 0, 0, {}));
  EXPECT_EQ(blanksBeforeTab(ascii, 3), std::string(22, ' '));
  std::string longName;
  for (int i = 0; i < 16; ++i) longName += "国";
  // Longer than a name may be: no blanks at all rather than a failure.
  const std::string tooLong =
      velmora::ui::nationLine(house(longName, "普通", "普通", "通常", 0, 0, {}));
  EXPECT_EQ(tooLong.substr(0, longName.size() + 1), longName + "\t");
}

TEST(NationLines, ThreeDigitPattern) {
  using velmora::ui::threeDigits;
  EXPECT_EQ(threeDigits(std::int64_t{0}), "000");
  EXPECT_EQ(threeDigits(std::int64_t{7}), "007");
  EXPECT_EQ(threeDigits(std::int64_t{12}), "012");
  EXPECT_EQ(threeDigits(std::int64_t{999}), "999");
  EXPECT_EQ(threeDigits(std::int64_t{1000}), "1000");
  EXPECT_EQ(threeDigits(std::int64_t{-5}), "-005");
  // Texts: a number is padded, anything else stays as it is.
  EXPECT_EQ(threeDigits(std::string("12")), "012");
  EXPECT_EQ(threeDigits(std::string("+4")), "004");
  EXPECT_EQ(threeDigits(std::string("戦争")), "戦争");
  EXPECT_EQ(threeDigits(std::string("")), "");
  EXPECT_EQ(threeDigits(std::string("12a")), "12a");
}

TEST(NationLines, CharacterCount) {
  EXPECT_EQ(velmora::ui::characterCount(""), 0u);
  EXPECT_EQ(velmora::ui::characterCount("織田"), 2u);
  EXPECT_EQ(velmora::ui::characterCount("a織b"), 3u);
}

}  // namespace

// Every word of the heading is drawn centred over the figures of its column in a house line,
// found here by laying the house line out cell by cell.
TEST(NationLines, HeadingWordsStandOverTheirColumns) {
  using velmora::ui::kNationTabStopCells;
  const std::string line =
      velmora::ui::nationLine(house("織田", "戦争", "猛進", "射撃", 5, 12, {0, 3, 0, 1, 7}));
  std::vector<std::pair<int, int>> fields;  // start cell and width of every field
  int cell = 0;
  int fieldStart = -1;
  for (std::size_t i = 0; i < line.size();) {
    const unsigned char c = static_cast<unsigned char>(line[i]);
    const bool ideographicSpace = line.compare(i, 3, "\u3000") == 0;
    const bool gap = c == ' ' || c == '\t' || ideographicSpace;
    if (gap && fieldStart >= 0) {
      fields.push_back({fieldStart, cell - fieldStart});
      fieldStart = -1;
    }
    if (!gap && fieldStart < 0) fieldStart = cell;
    if (c == '\t') {
      cell = (cell / kNationTabStopCells + 1) * kNationTabStopCells;
      i += 1;
    } else if (c < 0x80) {
      cell += 1;
      i += 1;
    } else {
      cell += 2;
      i += 3;  // every full-width character here is three bytes long
    }
  }
  if (fieldStart >= 0) fields.push_back({fieldStart, cell - fieldStart});

  const auto words = velmora::ui::nationHeadingPlacement();
  ASSERT_EQ(words.size(), 11u);
  ASSERT_EQ(fields.size(), 11u);  // the name and ten figures
  const char* expected[11] = {"国名", "政治", "戦争", "戦闘", "勝", "負",
                              "通",   "突",   "包",   "射",   "防"};
  for (std::size_t k = 0; k < words.size(); ++k) {
    EXPECT_EQ(words[k].text, expected[k]);
    if (k == 0) {
      EXPECT_EQ(words[k].cell, 0.0);
      continue;
    }
    const double wordCentre = words[k].cell + velmora::ui::cellCount(words[k].text) / 2.0;
    const double fieldCentre = fields[k].first + fields[k].second / 2.0;
    EXPECT_DOUBLE_EQ(wordCentre, fieldCentre) << expected[k];
  }
}
