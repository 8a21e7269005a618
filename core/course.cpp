#include "core/course.h"

#include "core/game.h"

namespace velmora {

SeasonStanding standingOf(const GameState& s) {
  SeasonStanding standing;
  standing.year = s.year;
  standing.season = s.season;
  for (int p = 1; p <= kProvinceCount; ++p) {
    const int house = houseOf(s, p);
    if (house > 0) standing.provinces[house] += 1;
  }
  return standing;
}

void recordSeasonStart(Game& g) {
  g.course.push_back(standingOf(g.state));
  g.ui.seasonBegins();
}

}  // namespace velmora
