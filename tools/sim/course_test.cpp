// The course the simulator writes (--course) against the game's own log of the same seed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "core/game.h"
#include "core/quiet_port.h"
#include "core/random.h"
#include "core/scenario.h"
#include "simulation.h"

namespace velmora::sim {
namespace {

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  std::string part;
  while (std::getline(in, part, separator)) parts.push_back(part);
  return parts;
}

TEST(CourseTest, EachRowIsTheStandingTheLogShowsAtPlay) {
  const auto file = std::filesystem::temp_directory_path() /
                    ("velmora-course-test-" + std::to_string(::getpid()) + ".csv");
  const std::regex atPlay("^1: (\\d+) (\\S+) (\\S+)$");
  const std::regex seasonLine("^1: (\\d+年目の.*です|1年目、春です)$");
  int seasonsCompared = 0;
  for (std::uint64_t seed : {1, 2, 3}) {
    Options options;
    options.seed = seed;
    options.log = true;
    options.courseFile = file.string();
    std::ostringstream log, err;
    ASSERT_EQ(runSimulation(options, log, err), 0) << err.str();

    std::ifstream csv(file, std::ios::binary);
    std::string header;
    std::getline(csv, header);
    const std::vector<std::string> columns = split(header, ',');
    ASSERT_EQ(columns.size(), 12u) << header;
    EXPECT_EQ(columns[0], "year");
    EXPECT_EQ(columns[1], "season");
    EXPECT_EQ(columns[2], "織田");
    EXPECT_EQ(columns[11], "足利");
    std::vector<std::vector<int>> rows;
    for (std::string line; std::getline(csv, line);) {
      ASSERT_EQ(line.find('\r'), std::string::npos);
      std::vector<int> row;
      for (const auto& cell : split(line, ',')) row.push_back(std::stoi(cell));
      ASSERT_EQ(row.size(), 12u) << line;
      int sum = 0;
      for (size_t i = 2; i < row.size(); ++i) sum += row[i];
      EXPECT_EQ(sum, 10) << line;
      rows.push_back(row);
    }
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front()[0], 1);
    EXPECT_EQ(rows.front()[1], 1);

    // Walk the log season by season: the lords of the ten "at play" lines of a season in
    // which no attack was won must count up to that season's row.
    size_t season = 0;
    std::map<std::string, int> lords;
    bool won = false;
    auto compare = [&] {
      if (won || lords.empty()) return;
      ASSERT_LT(season, rows.size());
      for (size_t house = 1; house <= 10; ++house) {
        EXPECT_EQ(lords[columns[house + 1]], rows[season][house + 1])
            << "seed " << seed << ", row " << season << ", " << columns[house + 1];
      }
      ++seasonsCompared;
    };
    std::istringstream lines(log.str());
    bool first = true;
    for (std::string line; std::getline(lines, line);) {
      std::smatch m;
      if (std::regex_match(line, seasonLine)) {
        compare();
        if (!first) ++season;
        first = false;
        lords.clear();
        won = false;
      } else if (std::regex_match(line, m, atPlay)) {
        lords[m[3]] += 1;
      } else if (line.ends_with("の勝ちです")) {
        won = true;
      }
    }
    compare();
    // The last row is the season the game ended in.
    EXPECT_EQ(season + 1, rows.size()) << "seed " << seed;
  }
  EXPECT_GT(seasonsCompared, 30);
  std::filesystem::remove(file);
}

// The fields of one CSV record as RFC 4180 reads them: quoted fields may hold commas, and a
// doubled quote inside them is one quote.
std::vector<std::string> readRecord(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
      fields.back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

TEST(CourseTest, HouseNamesWithACommaOrAQuoteKeepTheirColumns) {
  QuietPort port;
  SeededRandom rng(1);
  Game g(port, rng);
  newGame(g);
  g.state.nations[7].name = "六角,分家";
  g.state.nations[8].name = "浅\"井";
  std::ostringstream csv;
  writeCourse(g, csv);
  std::istringstream lines(csv.str());
  std::string header, row;
  std::getline(lines, header);
  std::getline(lines, row);
  const std::vector<std::string> names = readRecord(header);
  ASSERT_EQ(names.size(), 12u) << header;
  EXPECT_EQ(names[8], "六角,分家");
  EXPECT_EQ(names[9], "浅\"井");
  EXPECT_EQ(names[11], "足利");
  EXPECT_EQ(readRecord(row).size(), 12u);
}

TEST(CourseTest, OnlyOneGameHasACourse) {
  Options options;
  std::string error;
  EXPECT_FALSE(parseOptions({"--games", "2", "--course", "x.csv"}, options, error));
  EXPECT_NE(error.find("--games 1"), std::string::npos) << error;

  // A course that cannot be written stops the run before a game is played.
  Options unwritable;
  unwritable.courseFile = "/nonexistent/folder/course.csv";
  std::ostringstream out, err;
  EXPECT_EQ(runSimulation(unwritable, out, err), 1);
  EXPECT_EQ(out.str(), "");
  EXPECT_NE(err.str().find("cannot write"), std::string::npos);
}

}  // namespace
}  // namespace velmora::sim
