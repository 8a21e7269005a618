#pragma once

#include <array>
#include <string>

namespace velmora {

struct GameState;

// What the settings dialog shows and the player can change there.
struct SettingsChoice {
  int speedIndex = 2;  // 0..3; anything else counts as the slowest speed
  bool enterAdvance = false;
  std::string houseName = "織田";
};

// The hold times of the four message speeds, fastest first. A saved game holds one of these.
inline constexpr std::array<double, 4> kHoldTimes{0.1, 0.2, 0.5, 1.0};

// The hold time of a message line for a speed option; 1.0 s when no fast option is chosen.
double holdTimeOf(int speedIndex);

// The dialog opens: the turn may advance by itself again, and the values to show.
SettingsChoice openSettings(GameState& s);

// The message-advance box changed its state.
void setEnterAdvance(GameState& s, bool checked);

// What "初期設定に戻す" puts back into the dialog (nothing is stored until OK).
SettingsChoice defaultSettings();

// OK: stores the choice. Returns the house name as the box shows it afterwards ("*" when the
// box was empty).
std::string confirmSettings(GameState& s, const SettingsChoice& choice);

}  // namespace velmora
