#include "core/course.h"

#include "core/game.h"
#include "core/game_state.h"
#include "core/record_port.h"

namespace velmora {

SeasonStanding standingOf(const GameState& s) {
  SeasonStanding standing;
  standing.year = s.year;
  standing.season = s.season;
  int house = 0;
  for (int p = 1; p <= kProvinceCount; ++p) {
    // Neighbouring numbers mostly share a lord once the land is divided among few houses; one
    // comparison then stands for the search of every house by name.
    if (p == 1 || !sameName(s.provinces[p].lord, s.provinces[p - 1].lord)) house = houseOf(s, p);
    if (house > 0) standing.provinces[house] += 1;
  }
  return standing;
}

std::array<HouseRecord, kNationCount + 1> houseRecords(const GameState& s, const Course& course) {
  std::array<HouseRecord, kNationCount + 1> records{};
  const SeasonStanding now = standingOf(s);
  for (int n = 1; n <= kNationCount; ++n) {
    HouseRecord& r = records[n];
    r.provinces = now.provinces[n];
    r.wins = s.nations[n].wins;
    r.losses = s.nations[n].losses;
    r.most = -1;
    for (const SeasonStanding& season : course.empty() ? Course{now} : course) {
      if (season.provinces[n] <= r.most) continue;  // the first season of the best counts
      r.most = season.provinces[n];
      r.mostYear = season.year;
      r.mostSeason = season.season;
    }
  }
  return records;
}

void recordSeasonStart(Game& g) {
  if (g.keepCourse) g.course.push_back(standingOf(g.state));
  g.ui.record.seasonBegins();
}

}  // namespace velmora
