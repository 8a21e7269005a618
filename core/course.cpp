#include "core/course.h"

#include "core/game.h"
#include "core/ui_port.h"

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

void recordSeasonStart(Game& g) {
  if (g.keepCourse) g.course.push_back(standingOf(g.state));
  g.ui.seasonBegins();
}

}  // namespace velmora
