#include <gtest/gtest.h>

#include "ai/computer_turn.h"
#include "core/map.h"
#include "engine/fake_port.h"

namespace velmora::test {
namespace {

// u that makes the 1..99 draw give r.
double r99(int r) { return (r - 0.5) / 99; }

// u that makes rollDie give the wanted face.
double face(int die) { return (die - 0.5) / 6; }

struct AiFixture : Fixture {
  AiFixture() : Fixture("*") { port.clear(); }
  Province& pr(int p) { return s.provinces[p]; }
};

TEST(ComputerTurn, PickEvenlySharesTheDrawsAlmostEvenly) {
  AiFixture f;
  const std::vector<std::vector<int>> shares = {{99}, {50, 49}, {33, 33, 33}, {25, 25, 25, 24}};
  for (size_t n = 1; n <= shares.size(); ++n) {
    ProvinceList list;
    for (size_t k = 1; k <= n; ++k) list.add(static_cast<int>(k) + 1);
    std::vector<int> counts(n, 0);
    for (int r = 1; r <= 99; ++r) {
      f.rng.push(r99(r));
      const int picked = pickEvenly(f.game, list);
      ASSERT_GE(picked, 2);
      counts[picked - 2] += 1;
    }
    EXPECT_EQ(counts, shares[n - 1]) << n;
  }
  // Seven entries are 14 wide: a draw of 99 finds none. An empty list still draws.
  ProvinceList seven;
  for (int p = 1; p <= 7; ++p) seven.add(p);
  f.rng.push({r99(98), r99(99), r99(50)});
  EXPECT_EQ(pickEvenly(f.game, seven), 7);
  EXPECT_EQ(pickEvenly(f.game, seven), 0);
  EXPECT_EQ(pickEvenly(f.game, ProvinceList{}), 0);
  EXPECT_EQ(f.rng.remaining(), 0u);
}

TEST(ComputerTurn, AHungryProvinceBuysFoodWithAllButFiveGold) {
  AiFixture f;
  f.s.foodPrice = 1.0;
  Province& p = f.pr(9);  // 越前: one neighbour, 北近江 with 10 troops
  p.troops = 11;
  p.food = 5;
  p.gold = 20;
  playComputerTurn(f.game, 9);
  EXPECT_EQ(p.gold, 5);
  EXPECT_EQ(p.food, 20);
  EXPECT_EQ(f.port.linesOf(2), std::vector<std::string>{"越前で食料が買われました"});
  EXPECT_EQ(f.rng.remaining(), 0u);

  // With 10 troops 5 food is enough.
  AiFixture g;
  g.s.foodPrice = 1.0;
  g.pr(9).troops = 10;
  g.pr(9).food = 5;
  g.pr(9).gold = 20;
  EXPECT_FALSE(buyFoodWhenHungry(g.game, 9));
  // The purchase is refused when more food would come than there is gold.
  g.s.foodPrice = 0.5;
  g.pr(9).troops = 11;
  EXPECT_FALSE(buyFoodWhenHungry(g.game, 9));
  EXPECT_EQ(g.pr(9).gold, 20);
}

TEST(ComputerTurn, AnInteriorProvinceSendsItsSurplusOnward) {
  AiFixture f;
  f.pr(8).lord = "朝倉";  // 越前's only neighbour is now its own
  Province& p = f.pr(9);
  p.troops = 25;
  p.gold = 40;
  p.food = 40;
  p.arms = 10;
  f.pr(8).arms = 15;
  f.rng.push(r99(50));
  playComputerTurn(f.game, 9);
  EXPECT_EQ(p.troops, 15);
  EXPECT_EQ(p.gold, 10);
  EXPECT_EQ(p.food, 10);
  EXPECT_EQ(f.pr(8).troops, 20);
  EXPECT_EQ(f.pr(8).gold, 40);
  EXPECT_EQ(f.pr(8).food, 40);
  EXPECT_EQ(f.pr(8).arms, 12);  // (10 x 15 + 10 x 10) / 20 = 12.5
  EXPECT_EQ(f.port.linesOf(2), std::vector<std::string>{"越前から北近江へ「10」移動"});
  EXPECT_EQ(f.port.linesOf(3), std::vector<std::string>{"金「30」と食料「30」移動"});

  AiFixture g;
  g.pr(8).lord = "朝倉";
  g.pr(9).troops = 15;
  g.pr(9).gold = 5;  // nothing above 10 to send
  g.pr(9).food = 40;
  g.pr(8).food = 999;  // and no room for food
  g.rng.push(r99(1));
  EXPECT_TRUE(moveSurplus(g.game, 9));
  EXPECT_EQ(g.pr(9).troops, 10);
  EXPECT_EQ(g.pr(9).food, 40);
  EXPECT_EQ(g.port.linesOf(3), std::vector<std::string>{"金「0」と食料「0」移動"});

  // Nothing fits and nothing is spare: the pick has taken its draw, and no order is given.
  AiFixture n;
  n.pr(8).lord = "朝倉";
  n.pr(8).troops = 999;
  n.pr(9).troops = 15;
  n.pr(9).gold = 10;
  n.pr(9).food = 10;
  n.rng.push(r99(1));
  EXPECT_FALSE(moveSurplus(n.game, 9));
  EXPECT_EQ(n.rng.remaining(), 0u);
  EXPECT_EQ(n.pr(9).troops, 15);
  EXPECT_TRUE(n.port.lines.empty());

  // A border province never moves; neither does one with 10 troops.
  AiFixture h;
  h.pr(9).troops = 25;
  EXPECT_FALSE(moveSurplus(h.game, 9));
  h.pr(8).lord = "朝倉";
  h.pr(9).troops = 10;
  EXPECT_FALSE(moveSurplus(h.game, 9));
  EXPECT_EQ(h.rng.remaining(), 0u);
}

TEST(ComputerTurn, APoorProvinceSellsItsSpareFood) {
  AiFixture f;
  f.s.foodPrice = 1.5;
  Province& p = f.pr(9);
  p.gold = 5;
  p.troops = 10;
  p.food = 40;
  playComputerTurn(f.game, 9);
  EXPECT_EQ(p.food, 6);       // 34 sold
  EXPECT_EQ(p.gold, 5 + 51);  // 34 x 1.5
  EXPECT_EQ(f.port.linesOf(2), std::vector<std::string>{"越前で食料の換金がされました"});
}

TEST(ComputerTurn, TradingFoodDependsOnThePriceEdges) {
  AiFixture f;
  Province& p = f.pr(9);
  p.troops = 30;
  p.food = 20;
  p.gold = 21;
  f.s.foodPrice = 0.8;
  EXPECT_TRUE(tradeFood(f.game, 9));
  EXPECT_EQ(p.gold, 10);
  EXPECT_EQ(p.food, 20 + 14);  // 11 / 0.8 = 13.75
  p.gold = 21;
  f.s.foodPrice = 0.6 + 0.3;  // as drawn: 0.8999999999999999
  EXPECT_FALSE(tradeFood(f.game, 9));
  f.s.foodPrice = 1.4 + 0.1 - 0.0000001;
  p.food = 30;
  EXPECT_FALSE(tradeFood(f.game, 9));
  f.s.foodPrice = 1.5;
  EXPECT_TRUE(tradeFood(f.game, 9));
  EXPECT_EQ(p.food, 16);  // 30 - (30 - 15 - 1)
  EXPECT_EQ(p.gold, 21 + 21);
}

TEST(ComputerTurn, ABigArmyStrikesWhenANeighbourIsWeak) {
  AiFixture f;
  Province& p = f.pr(1);
  p.troops = 300;
  p.food = 300;
  p.gold = 300;
  f.pr(2).lord = "織田";
  f.pr(2).troops = 250;  // its own house, but weaker: the signal
  f.pr(5).lord = "織田";
  f.pr(5).troops = 900;
  f.pr(6).lord = "織田";
  f.pr(6).troops = 900;
  // No enemy neighbour: the attack draws its chance and its pick and finds nothing.
  f.rng.push({r99(50), r99(50)});
  EXPECT_FALSE(seizeAttackChance(f.game, 1));
  EXPECT_EQ(f.rng.remaining(), 0u);
  EXPECT_EQ(p.troops, 300);

  // With 伊勢 an enemy again, 295 march and 5 stay home.
  f.pr(6).lord = "北畠";
  f.pr(6).troops = 900;
  f.rng.push({r99(50), r99(50)});
  for (int i = 0; i < 200; ++i) f.rng.push(0.5);
  EXPECT_TRUE(seizeAttackChance(f.game, 1));
  EXPECT_EQ(f.game.battle.attackerCommitted, 295);
  EXPECT_EQ(f.game.battle.target, 6);
  EXPECT_TRUE(f.game.battle.battleOver);
  // Whether won or lost, 尾張 ends with its 5 plus any survivors.
  EXPECT_GE(p.troops, 5);
  EXPECT_EQ(f.port.linesOf(2).size(), 3u);
  EXPECT_TRUE(f.port.boxes.empty());
}

TEST(ComputerTurn, AWeakNeighbourIsOneWithFewerThanAFifth) {
  AiFixture f;
  f.pr(9).troops = 51;
  f.pr(9).food = 0;  // the attack itself is refused before any draw
  f.pr(8).troops = 10;
  EXPECT_FALSE(seizeAttackChance(f.game, 9));  // 50 < 51: the signal, but no food
  f.pr(9).troops = 50;
  f.pr(9).food = 100;
  f.pr(9).gold = 100;
  EXPECT_FALSE(seizeAttackChance(f.game, 9));  // 50 < 50 is false: no attack at all
  EXPECT_EQ(f.rng.remaining(), 0u);
}

TEST(ComputerTurn, NothingWorksAfterExactlyTwentyDraws) {
  AiFixture f;
  Province& p = f.pr(7);  // 六角, 普通
  p.troops = 10;
  p.food = 0;  // every attack is refused before its draws
  p.gold = 0;
  for (int i = 0; i < 20; ++i) f.rng.push(r99(30));  // the top of the attack band
  playComputerTurn(f.game, 7);
  EXPECT_EQ(f.port.linesOf(2), std::vector<std::string>{"何もしない"});
  EXPECT_EQ(f.rng.remaining(), 0u);
}

// The bands of each policy, told apart by what the try costs in draws and what it does:
// province 7 can sell food (domestic, sub-draw 1: tradeFood) but can afford no other order.
struct BandFixture : AiFixture {
  explicit BandFixture(const std::string& policy) {
    s.nations[7].policy = policy;
    s.foodPrice = 2.0;
    Province& p = pr(7);
    p.troops = 10;
    p.food = 10;
    p.gold = 0;
  }
  // A first try with main draw r and sub-draw 1; then nineteen refused attacks.
  bool sellsWith(int r) {
    port.clear();
    pr(7).food = 10;
    pr(7).gold = 0;
    rng.push({r99(r), r99(1)});
    for (int i = 0; i < 19; ++i) rng.push(r99(1));
    playComputerTurn(game, 7);
    const bool sold =
        !port.linesOf(2).empty() && port.linesOf(2)[0] == "南近江で食料の換金がされました";
    // Drain what a sale left unused, so that every case starts from an empty script.
    while (rng.remaining() > 0) rng.next();
    return sold;
  }
};

TEST(ComputerTurn, PolicyBandsHaveTheirEdgesAndTheDomesticBandIsOneWider) {
  const struct {
    const char* policy;
    int attackEnd;
    int domesticEnd;
  } policies[] = {{"普通", 30, 66}, {"内政", 20, 71}, {"戦争", 40, 61}};
  for (const auto& c : policies) {
    BandFixture f(c.policy);
    EXPECT_FALSE(f.sellsWith(c.attackEnd)) << c.policy;
    EXPECT_TRUE(f.sellsWith(c.attackEnd + 1)) << c.policy;
    EXPECT_TRUE(f.sellsWith(c.domesticEnd)) << c.policy;
    EXPECT_FALSE(f.sellsWith(c.domesticEnd + 1)) << c.policy;
  }
}

// 南近江 (六角, 普通) with enough gold for every development and build-up order but too little
// food to attack, and no fixed response that applies.
struct SubDrawFixture : AiFixture {
  SubDrawFixture() {
    s.foodPrice = 1.0;  // tradeFood neither buys nor sells
    s.armsPrice = 5.0;
    s.troopsPrice = 5.0;
    Province& p = pr(7);
    p.troops = 50;  // 5 x 10 is not below 50, and 100 gold is not above 2 x 50
    p.food = 40;    // below the troops: every attack is refused before its draws
    p.gold = 100;
  }
};

TEST(ComputerTurn, TheSubDrawPicksTheOrderAtItsEdges) {
  const struct {
    int r;
    int r2;
    const char* line;
  } cases[] = {
      {31, 16, "南近江で町を建設しました"},
      {66, 50, "南近江で町を建設しました"},
      {66, 51, "南近江で開墾されました"},
      {31, 99, "南近江で開墾されました"},
      {67, 1, "南近江で城の普請がありました"},
      {99, 25, "南近江で城の普請がありました"},
      {67, 26, "南近江で武装強化がありました"},
      {99, 50, "南近江で武装強化がありました"},
      {67, 51, "南近江にて兵増強"},
      {99, 99, "南近江にて兵増強"},
  };
  for (const auto& c : cases) {
    SubDrawFixture f;
    f.rng.push({r99(c.r), r99(c.r2)});
    playComputerTurn(f.game, 7);
    ASSERT_FALSE(f.port.linesOf(2).empty()) << c.r << "/" << c.r2;
    EXPECT_EQ(f.port.linesOf(2)[0], c.line) << c.r << "/" << c.r2;
    EXPECT_EQ(f.rng.remaining(), 0u) << c.r << "/" << c.r2;
  }
  // A sub-draw of 15 is tradeFood, which finds no trade at this price: the try is used up and
  // the next main draw follows.
  SubDrawFixture f;
  f.rng.push({r99(31), r99(15), r99(31), r99(16)});
  playComputerTurn(f.game, 7);
  EXPECT_EQ(f.port.linesOf(2), std::vector<std::string>{"南近江で町を建設しました"});
  EXPECT_EQ(f.rng.remaining(), 0u);
}

TEST(ComputerTurn, SubDrawsDoNotCountAsTries) {
  AiFixture f;
  Province& p = f.pr(7);  // 六角, 普通, with nothing to pay for any order
  p.troops = 10;
  p.food = 0;
  p.gold = 0;
  f.s.foodPrice = 2.0;
  f.s.armsPrice = 5.0;
  f.s.troopsPrice = 5.0;
  const int subDraws[] = {1, 15, 16, 50, 51, 99, 25, 26};
  for (int i = 0; i < 20; ++i) {
    f.rng.push({r99(i % 2 == 0 ? 31 : 99), r99(subDraws[i % 8])});
  }
  playComputerTurn(f.game, 7);
  EXPECT_EQ(f.port.linesOf(2), std::vector<std::string>{"何もしない"});
  EXPECT_EQ(f.rng.remaining(), 0u);
  EXPECT_EQ(p.gold, 0);
  EXPECT_EQ(p.food, 0);
}

TEST(ComputerTurn, AnUnknownPolicyOnlyUsesUpItsTries) {
  AiFixture f;
  f.s.nations[7].policy = "";
  f.pr(7).troops = 10;
  f.pr(7).gold = 0;
  for (int i = 0; i < 20; ++i) f.rng.push(r99(99));
  playComputerTurn(f.game, 7);
  EXPECT_EQ(f.port.linesOf(2), std::vector<std::string>{"何もしない"});
  EXPECT_EQ(f.rng.remaining(), 0u);
}

// Every draw of one computer turn that ends in a battle, each distinct: exchanging any two
// steps (the two tactic choices, a die and its damage draw) changes what happens.
TEST(ComputerTurn, AnAttackTakesItsDrawsInOneFixedOrder) {
  AiFixture f;
  Province& p = f.pr(9);  // 越前 (朝倉: 普通, 普通, 通常)
  p.troops = 100;
  p.food = 100;
  p.gold = 100;  // no fixed response applies
  p.arms = 55;
  Province& t = f.pr(8);  // 北近江 (浅井: 普通, 普通, 突撃)
  t.troops = 30;
  t.arms = 0;
  t.castle = 0;
  t.gold = 50;
  t.food = 50;
  t.morale = 0;
  f.rng.push({r99(10),         // main draw: the attack band of 普通
              r99(50),         // percentChance 99
              r99(40),         // pickEvenly: 北近江, the only enemy
              0.1, 0.25, 0.7,  // attacker: t, d = 3 (a fresh draw), 4 射撃
              0.9, 0.65,       // defender: t, d = 7 (the favourite 突撃)
              face(1), 0.99,   // attacker's die and damage: band 8, h = 60, 59
              face(2), 0.0});  // defender's die and damage: band 1, h = 20, 10
  playComputerTurn(f.game, 9);
  EXPECT_EQ(f.rng.remaining(), 0u);
  EXPECT_EQ(f.port.linesOf(2),
            (std::vector<std::string>{"越前が北近江に攻め込んだ", "越前は射撃、北近江は突撃",
                                      "越前の勝ちです"}));
  EXPECT_TRUE(f.port.boxes.empty());
  const BattleState& b = f.game.battle;
  EXPECT_EQ(b.round, 2);
  EXPECT_EQ(b.defenderMorale, 0);  // 50 - 59
  EXPECT_EQ(b.attackerMorale, 75 - 10);
  EXPECT_EQ(b.fieldTroops, 95 - 9);  // 30 % of 30 kills floor(9.9)
  EXPECT_EQ(t.lord, "朝倉");
  EXPECT_EQ(t.troops, 12 + 86);  // 30 less floor(17.2 + 0.9) defenders stay
  EXPECT_EQ(t.arms, 48);         // (55 x 86 + 1 x 12) / 98 = 48.39
  EXPECT_EQ(p.troops, 5);
  EXPECT_EQ(p.gold, 34);  // 100 - 66.5, half to even
  EXPECT_EQ(p.food, 34);
  EXPECT_EQ(t.gold, 29);  // 50 - 21
  EXPECT_EQ(f.s.nations[9].tacticUses[4], 1);
  EXPECT_EQ(f.s.nations[8].tacticUses[2], 1);
}

TEST(ComputerTurn, AFailedComputerAttackLeavesItsSurvivorsAndFiveAtHome) {
  AiFixture f;
  Province& p = f.pr(9);
  p.troops = 40;
  p.food = 100;
  p.gold = 100;
  p.arms = 0;
  Province& t = f.pr(8);
  t.troops = 999;
  t.arms = 999;
  t.castle = 999;
  t.gold = 999;
  t.food = 999;
  f.rng.push({r99(1), r99(1)});  // the chance and the pick (北近江)
  for (int i = 0; i < 200; ++i) f.rng.push(0.0);
  EXPECT_TRUE(attackNeighbour(f.game, 9));
  EXPECT_EQ(f.game.battle.attackerCommitted, 35);
  EXPECT_EQ(f.port.linesOf(2).back(), "越前の負けです");
  EXPECT_EQ(p.troops, f.game.battle.fieldTroops + 5);
  EXPECT_EQ(t.lord, "浅井");
}

}  // namespace
}  // namespace velmora::test
