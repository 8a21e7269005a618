#include "core/settings.h"
#include "core/game_state.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(Settings, FirstOkWithoutChangesGivesTheDefaults) {
  GameState s;
  SettingsChoice shown = openSettings(s);
  EXPECT_TRUE(s.autoAdvance);
  EXPECT_FALSE(s.firstStart);
  EXPECT_EQ(shown.speedIndex, 2);
  EXPECT_FALSE(shown.enterAdvance);
  EXPECT_EQ(shown.houseName, "織田");

  EXPECT_EQ(confirmSettings(s, shown), "織田");
  EXPECT_EQ(s.playerHouse, "織田");
  EXPECT_DOUBLE_EQ(s.messageWait, 0.5);
  EXPECT_TRUE(s.autoAdvance);
  EXPECT_FALSE(s.enterAdvance);
  EXPECT_EQ(s.settingEnterAdvance, 0);
}

TEST(Settings, EmptyHouseBecomesStarAndIsShownNextTime) {
  GameState s;
  SettingsChoice c = openSettings(s);
  c.houseName = "";
  EXPECT_EQ(confirmSettings(s, c), "*");
  EXPECT_EQ(s.playerHouse, "*");
  EXPECT_EQ(openSettings(s).houseName, "*");
}

TEST(Settings, CheckedAdvanceBoxStopsTheAutomaticTurn) {
  GameState s;
  SettingsChoice c = openSettings(s);
  c.enterAdvance = true;
  c.speedIndex = 0;
  setEnterAdvance(s, true);
  confirmSettings(s, c);
  EXPECT_FALSE(s.autoAdvance);
  EXPECT_TRUE(s.enterAdvance);
  EXPECT_EQ(s.settingEnterAdvance, 1);
  EXPECT_DOUBLE_EQ(s.messageWait, 0.1);
  EXPECT_EQ(s.settingSpeedIndex, 0);
  // The dialog shows the stored state again, and reopening it lets the turn run by itself.
  SettingsChoice again = openSettings(s);
  EXPECT_TRUE(again.enterAdvance);
  EXPECT_TRUE(s.autoAdvance);
}

TEST(Settings, HoldTimesOfTheSpeedOptions) {
  EXPECT_DOUBLE_EQ(holdTimeOf(0), 0.1);
  EXPECT_DOUBLE_EQ(holdTimeOf(1), 0.2);
  EXPECT_DOUBLE_EQ(holdTimeOf(2), 0.5);
  EXPECT_DOUBLE_EQ(holdTimeOf(3), 1.0);
  GameState s;
  SettingsChoice none = openSettings(s);
  none.speedIndex = -1;  // no option checked
  confirmSettings(s, none);
  EXPECT_DOUBLE_EQ(s.messageWait, 1.0);
  EXPECT_EQ(s.settingSpeedIndex, 3);
}

TEST(Settings, ATrailingSpaceIsKeptAndMatchesNoHouse) {
  GameState s;
  SettingsChoice c = openSettings(s);
  c.houseName = "織田 ";
  confirmSettings(s, c);
  EXPECT_EQ(s.playerHouse, "織田 ");
  EXPECT_EQ(defaultSettings().houseName, "織田");
  EXPECT_EQ(defaultSettings().speedIndex, 2);
}

}  // namespace
}  // namespace velmora
