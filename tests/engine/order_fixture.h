#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "engine/fake_port.h"

namespace velmora {

// Readable failures when provinces are compared.
inline void PrintTo(const Province& p, std::ostream* os) {
  *os << p.number << ":" << p.name << "/" << p.lord << " power " << p.power << " town " << p.town
      << " castle " << p.castle << " food " << p.food << " gold " << p.gold << " troops "
      << p.troops << " arms " << p.arms << " morale " << p.morale;
}

}  // namespace velmora

namespace velmora::test {

// A new game with 織田 as the player's house, 尾張 (1) as the province giving its order and
// the recordings cleared, so that a test sees only what the order did.
struct OrderFixture : Fixture {
  OrderFixture() {
    s.currentProvince = 1;
    port.clear();
  }

  Province& province(int p) { return s.provinces[p]; }

  // Types an amount into the amount box.
  void type(const std::string& text) { port.amount = text; }

  // Types the three amounts of the target panel.
  void typeTargets(const std::string& troops, const std::string& food, const std::string& gold) {
    port.targetAmounts[0] = troops;
    port.targetAmounts[1] = food;
    port.targetAmounts[2] = gold;
  }

  // Gives province p to the player's house.
  void ownByPlayer(int p) { s.provinces[p].lord = s.playerHouse; }
};

}  // namespace velmora::test
