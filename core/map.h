#pragma once

#include <array>
#include <string>

#include "core/state_terms.h"

namespace velmora {

struct GameState;

// The fixed map: true when province b borders province a.
bool areAdjacent(int a, int b);

// Up to ten province numbers, without allocating.
struct ProvinceList {
  std::array<int, kProvinceCount> items{};
  int count = 0;
  void add(int p) { items[count++] = p; }
};

// The neighbours of a province in number order.
const ProvinceList& neighboursOf(int p);

// The province of this name, 0 when there is none (or the name is empty): targets and
// delegations are picked from lists of names.
int provinceNamed(const GameState& s, const std::string& name);

}  // namespace velmora
