#include "core/map.h"
#include "core/game_state.h"

#include <utility>

namespace velmora {

namespace {

// The thirteen borders of the map; the relation is symmetric.
constexpr std::array<std::pair<int, int>, 13> kBorders{{
    {1, 2},
    {1, 5},
    {1, 6},
    {2, 3},
    {2, 4},
    {3, 4},
    {4, 5},
    {5, 7},
    {5, 8},
    {6, 7},
    {7, 8},
    {7, 10},
    {8, 9},
}};

}  // namespace

bool areAdjacent(int a, int b) {
  if (a < 1 || a > kProvinceCount) return false;
  for (const auto& [x, y] : kBorders) {
    if ((x == a && y == b) || (x == b && y == a)) return true;
  }
  return false;
}

// Read once from the map: the computer asks for them several times in every turn.
const ProvinceList& neighboursOf(int p) {
  struct Table {
    std::array<ProvinceList, kProvinceCount + 1> of{};
    Table() {
      for (int a = 1; a <= kProvinceCount; ++a) {
        for (int b = 1; b <= kProvinceCount; ++b) {
          if (areAdjacent(a, b)) of[a].add(b);
        }
      }
    }
  };
  static const Table table;
  return table.of[p];
}

int provinceNamed(const GameState& s, const std::string& name) {
  if (name.empty()) return 0;
  for (int p = 1; p <= kProvinceCount; ++p) {
    if (s.provinces[p].name == name) return p;
  }
  return 0;
}

}  // namespace velmora
