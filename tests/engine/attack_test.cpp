#include <gtest/gtest.h>

#include <algorithm>

#include "ai/computer_turn.h"
#include "combat/attack.h"
#include "engine/fake_port.h"
#include "game/orders.h"

namespace velmora::test {
namespace {

// The player (織田) attacks from 尾張.
struct AttackFixture : Fixture {
  AttackFixture() {
    Province& a = s.provinces[1];
    a.troops = 30;
    a.food = 10;
    a.gold = 50;
    port.clear();
  }
  void type(const std::string& troops, const std::string& food, const std::string& gold) {
    port.targetAmounts[0] = troops;
    port.targetAmounts[1] = food;
    port.targetAmounts[2] = gold;
  }
};

TEST(Attack, PreparationListsEnemyNeighboursAndProposesTheSmallestStock) {
  AttackFixture f;
  EXPECT_TRUE(prepareAttack(f.game, 1));
  EXPECT_EQ(f.port.targets, (std::vector<std::string>{"三河", "美濃", "伊勢"}));
  EXPECT_EQ(f.s.candidateCount, 3);
  EXPECT_EQ(f.s.candidates[2], 5);
  EXPECT_EQ(f.port.targetSelected, 0);
  for (const auto& text : f.port.targetAmounts) EXPECT_EQ(text, "10");
  EXPECT_TRUE(f.port.boxes.empty());
}

TEST(Attack, PreparationRefusesWithoutTargetsOrTroops) {
  AttackFixture f;
  for (int p : {2, 5, 6}) f.s.provinces[p].lord = "織田";
  EXPECT_FALSE(prepareAttack(f.game, 1));
  EXPECT_EQ(f.port.boxTexts(), std::vector<std::string>{"戦闘可能都市がありません"});
  EXPECT_EQ(f.port.targetAmounts[0], "10");  // proposed all the same

  AttackFixture g;
  g.s.provinces[1].troops = 0;
  EXPECT_FALSE(prepareAttack(g.game, 1));
  EXPECT_EQ(g.port.boxTexts(), std::vector<std::string>{"兵力が0です"});
}

TEST(Attack, DeclarationRefusesBadAmountsAndChangesNothing) {
  const struct {
    const char* troops;
    const char* food;
    const char* gold;
    const char* box;
  } cases[] = {
      {"abc", "10", "10", "整数を入力してください"},
      {"10", "", "10", "整数を入力してください"},
      {"0", "10", "10", "足りません"},
      {"31", "40", "40", "足りません"},
      {"-5", "10", "10", "兵力数は1以上の数字を入力してください"},
      {"-0.5", "10", "10", "兵力数は1以上の数字を入力してください"},
      {"20", "10", "20", "食料が足りません"},
      {"10", "11", "10", "食料が足りません"},
      {"10", "10", "9", "金が足りません"},
      {"10", "10", "51", "金が足りません"},
  };
  for (const auto& c : cases) {
    AttackFixture f;
    ASSERT_TRUE(prepareAttack(f.game, 1));
    const GameState before = f.s;
    f.type(c.troops, c.food, c.gold);
    EXPECT_FALSE(declareAttack(f.game, 1, f.entered()))
        << c.troops << " " << c.food << " " << c.gold;
    EXPECT_EQ(f.port.boxTexts(), std::vector<std::string>{c.box});
    EXPECT_EQ(f.s, before);
    EXPECT_EQ(f.port.battleWindowsOpened, 0);
  }
}

TEST(Attack, CancelLeavesEverythingAsItWas) {
  AttackFixture f;
  ASSERT_TRUE(prepareAttack(f.game, 1));
  const GameState before = f.s;
  f.type("10", "10", "10");
  f.port.answer(BoxResult::Cancel);
  EXPECT_FALSE(declareAttack(f.game, 1, f.entered()));
  EXPECT_EQ(f.port.boxTexts(), std::vector<std::string>{"三河へ攻める"});
  EXPECT_EQ(f.s, before);
}

TEST(Attack, AConfirmedAttackIsFoughtInTheWindowAndSettled) {
  AttackFixture f;
  ASSERT_TRUE(prepareAttack(f.game, 1));
  f.port.selectTarget(1);  // 美濃
  f.s.provinces[5].troops = 0;
  f.type("10.9", "10", "10");
  f.port.tacticButtons = {7, 1};  // a wrong key first, then 突撃
  for (int i = 0; i < 100; ++i) f.rng.push(0.5);
  EXPECT_TRUE(declareAttack(f.game, 1, f.entered()));
  EXPECT_EQ(f.game.battle.defenderStartTroops, 1);  // an empty province gets one troop
  EXPECT_EQ(f.game.battle.attackerCommitted, 10);
  EXPECT_EQ(f.game.battle.attackerTactic, 2);
  EXPECT_TRUE(f.game.battle.battleOver);
  EXPECT_EQ(f.port.battleWindowsOpened, 1);
  EXPECT_EQ(f.port.battleWindowsClosed, 1);
  EXPECT_GT(f.port.battleRefreshes, 0);
  EXPECT_EQ(f.port.tacticsTried, (std::vector<int>{7, 1}));
  // The player's attack: the confirmation, the wrong key, then the result as a box only.
  const auto boxes = f.port.boxTexts();
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[0], "美濃へ攻める");
  EXPECT_EQ(boxes[1], "エラー");
  EXPECT_TRUE(boxes[2] == "尾張の勝ちです" || boxes[2] == "尾張の負けです") << boxes[2];
  EXPECT_TRUE(f.port.linesOf(2).empty());
  // The rest stayed at home; the sent ones are lost or moved into 美濃.
  EXPECT_EQ(f.s.provinces[1].troops, 20);
}

// The settlement checks the attacker and completes the order; the limit box comes once.
TEST(Attack, AfterThePlayersAttackEachLimitBoxIsShownOnce) {
  AttackFixture f;
  f.s.currentProvince = 1;
  f.s.provinces[1].morale = 1200;
  ASSERT_TRUE(prepareAttack(f.game, 1));
  f.s.selectedCommand = CommandKind::Attack;
  f.type("10", "10", "10");
  for (int i = 0; i < 100; ++i) f.rng.push(0.5);
  f.port.clear();
  confirmOrder(f.game, f.entered());
  const auto boxes = f.port.boxTexts();
  EXPECT_EQ(std::count(boxes.begin(), boxes.end(), "MAXエラー民度 1199:999"), 1);
  EXPECT_TRUE(f.s.orderCompleted);
  EXPECT_EQ(f.port.panel, Panel::Message);
}

TEST(Attack, AComputerAttackOnThePlayerOpensTheWindowAndStopsTheTurn) {
  Fixture f;
  // 美濃 (斉藤) against 尾張 (織田), the player's only enemy-facing choice for it is by draw.
  Province& a = f.s.provinces[5];
  a.troops = 60;
  a.food = 100;
  a.gold = 100;
  for (int p : {4, 7, 8}) f.s.provinces[p].lord = "斉藤";
  f.s.provinces[10].lord = "織田";  // a province left: the house does not fall
  f.port.tacticButtons = {0};
  for (int i = 0; i < 100; ++i) f.rng.push(0.5);
  f.port.clear();
  EXPECT_TRUE(attackNeighbour(f.game, 5));
  EXPECT_FALSE(f.s.autoAdvanceReady);
  EXPECT_EQ(f.game.battle.target, 1);
  EXPECT_EQ(f.game.battle.attackerCommitted, 55);
  EXPECT_EQ(f.game.battle.defenderTactic, 1);
  EXPECT_EQ(f.port.battleWindowsOpened, 1);
  EXPECT_TRUE(f.game.battle.battleOver);
  const auto lines = f.port.linesOf(2);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "美濃が尾張に攻め込んだ");
  EXPECT_EQ(lines[1].rfind("美濃は", 0), 0u);
  EXPECT_NE(lines[1].find("、尾張は通常"), std::string::npos);
  // The defending player sees the result on the line and in a box.
  EXPECT_EQ(f.port.boxTexts(), std::vector<std::string>{lines[2]});
}

}  // namespace
}  // namespace velmora::test
