#include "core/game_state.h"

namespace velmora {

void setProvince(GameState& s, int number, const std::string& name, const std::string& lord,
                 std::int32_t power, std::int32_t town, std::int32_t castle, std::int32_t food,
                 std::int32_t gold, std::int32_t troops, std::int32_t arms, std::int32_t morale) {
  Province& p = s.provinces[number];
  p.number = number;
  p.name = name;
  p.lord = lord;
  p.power = power;
  p.town = town;
  p.castle = castle;
  p.food = food;
  p.gold = gold;
  p.troops = troops;
  p.arms = arms;
  p.morale = morale;
}

void setNation(GameState& s, int number, const std::string& name, const std::string& policy,
               const std::string& temperament, const std::string& favoriteTactic) {
  Nation& n = s.nations[number];
  n.number = number;
  n.name = name;
  n.policy = policy;
  n.temperament = temperament;
  n.favoriteTactic = favoriteTactic;
  n.wins = 0;
  n.losses = 0;
  n.tacticUses.fill(0);
}

bool isPlayerProvince(const GameState& s, int p) {
  return sameName(s.provinces[p].lord, s.playerHouse);
}

int playerHouseNumber(const GameState& s) {
  for (int n = 1; n <= kNationCount; ++n) {
    if (sameName(s.nations[n].name, s.playerHouse)) return n;
  }
  return 0;
}

bool isComputerPlayed(const GameState& s, int p) {
  return !isPlayerProvince(s, p) || s.delegated[p];
}

int findHouseOf(const GameState& s, int p) {
  const Province& pr = s.provinces[p];
  for (int n = 1; n <= kNationCount; ++n) {
    if (sameName(s.nations[n].name, pr.lord)) return pr.lordHouse.house = n;
  }
  return pr.lordHouse.house = 0;
}

std::string turnCaption(const GameState& s) {
  return std::to_string(s.year) + "年目の" + s.seasonNames[s.season];
}

}  // namespace velmora
