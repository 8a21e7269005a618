#include <gtest/gtest.h>

#include "commands/delegation.h"
#include "commands/development.h"
#include "engine/order_fixture.h"

namespace velmora::test {
namespace {

using Lines = std::vector<std::string>;

std::string modeLabel(const RecordingPort& port) {
  return port.labels[static_cast<int>(PanelLabel::Pic7)];
}

// 織田 holds 尾張, 三河 and 越前; 美濃's flag is set but it belongs to another house.
struct DelegationFixture : OrderFixture {
  DelegationFixture() {
    ownByPlayer(2);
    ownByPlayer(9);
    s.delegated[5] = true;
  }
};

TEST(Delegation, TheLastProvinceCannotBeDelegated) {
  DelegationFixture f;
  openDelegation(f.game);
  EXPECT_EQ(f.port.panel, Panel::Delegation);
  EXPECT_EQ(modeLabel(f.port), "委任");
  EXPECT_EQ(f.port.delegationLines, (Lines{"尾張", "三河", "越前"}));
  EXPECT_EQ(f.port.delegationSelected, 0);

  confirmDelegation(f.game, f.port.delegationChoice());
  EXPECT_TRUE(f.s.delegated[1]);
  EXPECT_EQ(f.port.delegationLines, (Lines{"三河", "越前"}));
  f.port.selectDelegation(1);
  confirmDelegation(f.game, f.port.delegationChoice());
  EXPECT_TRUE(f.s.delegated[9]);
  EXPECT_EQ(f.port.delegationLines, Lines{"三河"});

  f.port.selectDelegation(0);
  confirmDelegation(f.game, f.port.delegationChoice());
  EXPECT_FALSE(f.s.delegated[2]);
  EXPECT_EQ(f.port.delegationLines, Lines{"三河"});
  EXPECT_EQ(f.port.boxTexts(),
            (Lines{"尾張を委任しました", "越前を委任しました", "一都市だけなので委任できません"}));
  EXPECT_EQ(f.port.panel, Panel::Delegation);
}

TEST(Delegation, RecallListsOnlyTheDelegatedProvincesOfThePlayer) {
  DelegationFixture f;
  openRecall(f.game);
  EXPECT_EQ(modeLabel(f.port), "委任解除");
  EXPECT_TRUE(f.port.delegationLines.empty());
  EXPECT_EQ(f.port.delegationSelected, -1);
  confirmDelegation(f.game, f.port.delegationChoice());
  EXPECT_TRUE(f.port.boxes.empty());

  f.s.delegated[2] = true;
  f.s.delegated[9] = true;
  openRecall(f.game);
  EXPECT_EQ(f.port.delegationLines, (Lines{"三河", "越前"}));
  confirmDelegation(f.game, f.port.delegationChoice());
  EXPECT_FALSE(f.s.delegated[2]);
  EXPECT_TRUE(f.s.delegated[5]);
  // The one line left can be recalled: only delegating keeps a last province back.
  f.port.selectDelegation(0);
  confirmDelegation(f.game, f.port.delegationChoice());
  EXPECT_FALSE(f.s.delegated[9]);
  EXPECT_TRUE(f.port.delegationLines.empty());
  EXPECT_EQ(f.port.boxTexts(), (Lines{"三河を委任解除しました", "越前を委任解除しました"}));
}

TEST(Delegation, TheFlagBelongsToTheProvinceAndActsOnceThePlayerHoldsIt) {
  DelegationFixture f;
  // 美濃's flag was set while the player held it; now retaken, it is delegated at once.
  f.ownByPlayer(5);
  openDelegation(f.game);
  EXPECT_EQ(f.port.delegationLines, (Lines{"尾張", "三河", "越前"}));
  openRecall(f.game);
  EXPECT_EQ(f.port.delegationLines, Lines{"美濃"});
  EXPECT_TRUE(isComputerPlayed(f.s, 5));
  f.province(5).gold = 100;
  f.type("abc");  // it chooses its own amount, as a computer-played province does
  EXPECT_TRUE(RaisePower(f.game, 5, f.entered()));
  EXPECT_EQ(f.province(5).gold, 50);  // half of it, in tens

  // Recalled, it is the player's to command again and reads the amount box.
  confirmDelegation(f.game, f.port.delegationChoice());
  EXPECT_FALSE(f.s.delegated[5]);
  EXPECT_FALSE(isComputerPlayed(f.s, 5));
  f.port.clear();
  EXPECT_FALSE(RaisePower(f.game, 5, f.entered()));
  EXPECT_EQ(f.port.boxTexts(), Lines{"整数を入力してください"});
}

TEST(Delegation, NothingSelectedDoesNothing) {
  DelegationFixture f;
  openDelegation(f.game);
  f.port.selectDelegation(-1);
  confirmDelegation(f.game, f.port.delegationChoice());
  EXPECT_TRUE(f.port.boxes.empty());
  EXPECT_FALSE(f.s.delegated[1]);

  // Every province already delegated: an empty list with nothing selected.
  f.s.delegated[1] = f.s.delegated[2] = f.s.delegated[9] = true;
  openDelegation(f.game);
  EXPECT_TRUE(f.port.delegationLines.empty());
  EXPECT_EQ(f.port.delegationSelected, -1);
}

}  // namespace
}  // namespace velmora::test
