#include "core/settings.h"
#include "core/game_state.h"

namespace velmora {

double holdTimeOf(int speedIndex) {
  return speedIndex >= 0 && speedIndex <= 2 ? kHoldTimes[speedIndex] : kHoldTimes[3];
}

SettingsChoice openSettings(GameState& s) {
  s.autoAdvance = true;
  s.firstStart = false;
  SettingsChoice shown;
  shown.speedIndex = s.settingSpeedIndex;
  shown.enterAdvance = s.settingEnterAdvance != 0;
  shown.houseName = s.settingHouseName;
  return shown;
}

void setEnterAdvance(GameState& s, bool checked) { s.enterAdvance = checked; }

SettingsChoice defaultSettings() { return SettingsChoice{}; }

std::string confirmSettings(GameState& s, const SettingsChoice& choice) {
  const std::string house = choice.houseName.empty() ? "*" : choice.houseName;
  s.playerHouse = house;
  s.messageWait = holdTimeOf(choice.speedIndex);
  s.autoAdvance = !choice.enterAdvance;
  // An index outside the four options is stored as the slowest one, the speed it gave.
  s.settingSpeedIndex = choice.speedIndex >= 0 && choice.speedIndex <= 3 ? choice.speedIndex : 3;
  s.settingHouseName = house;
  s.settingEnterAdvance = choice.enterAdvance ? 1 : 0;
  return house;
}

}  // namespace velmora
