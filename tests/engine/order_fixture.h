#pragma once

#include <gtest/gtest.h>

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

// Province 1's order refused: exactly these boxes, these reports on line 2 and no other line,
// and not one province value changed.
using Order = bool (*)(Game&, int, const OrderInput&);

inline void expectRefused(OrderFixture& f, Order order, const std::vector<std::string>& boxes,
                          const std::vector<std::string>& reports = {}) {
  const auto before = f.s.provinces;
  f.port.clear();
  EXPECT_FALSE(order(f.game, 1, f.entered()));
  EXPECT_EQ(f.port.boxTexts(), boxes);
  EXPECT_EQ(f.port.linesOf(2), reports);
  EXPECT_EQ(f.port.lines.size(), reports.size());
  EXPECT_EQ(f.s.provinces, before);
}

inline void expectRefused(OrderFixture& f, Order order, const std::string& box) {
  expectRefused(f, order, std::vector<std::string>{box});
}

}  // namespace velmora::test
