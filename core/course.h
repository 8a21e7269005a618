#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/state_terms.h"

namespace velmora {

struct Game;
struct GameState;

// How many provinces each house holds as one season begins.
struct SeasonStanding {
  std::int32_t year = 0;
  std::int32_t season = 0;
  std::array<std::int32_t, kNationCount + 1> provinces{};  // by house number; [0] unused
};

// The course of the game since it was started or loaded, one standing per season start. It
// is for the player to look back on and is not saved: a loaded game starts a new one.
using Course = std::vector<SeasonStanding>;

// The standing of the houses in s as it is now.
SeasonStanding standingOf(const GameState& s);

// How a house fared, for the standings at the end of a game.
struct HouseRecord {
  std::int32_t provinces = 0;  // held now
  std::int32_t most = 0;       // the most it held at a season start since the course began
  std::int32_t mostYear = 0;   // when it first held that many
  std::int32_t mostSeason = 0;
  std::int32_t wins = 0;  // its battles won and lost, as the house's record keeps them
  std::int32_t losses = 0;
};

// Every house's record by house number ([0] unused): what it holds in s, its best in `course`
// (or now, when the course holds no season) and its battles.
std::array<HouseRecord, kNationCount + 1> houseRecords(const GameState& s, const Course& course);

// A season begins (a new game, a loaded one, or the next season): its standing joins the
// course and the screen hears of it, so that its record can carry a heading.
void recordSeasonStart(Game& g);

}  // namespace velmora
