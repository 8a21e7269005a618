#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/state_terms.h"

namespace velmora {

struct Province {
  std::int32_t number = 0;
  std::string name;
  std::string lord;
  std::int32_t power = 0;
  std::int32_t town = 0;
  std::int32_t castle = 0;
  std::int32_t food = 0;
  std::int32_t gold = 0;
  std::int32_t troops = 0;
  std::int32_t arms = 0;
  std::int32_t morale = 0;

  bool operator==(const Province&) const = default;
};

struct Nation {
  std::int32_t number = 0;
  std::string name;
  std::string policy;          // "普通", "内政" or "戦争"
  std::string temperament;     // "普通", "猛進" or "慎重"
  std::string favoriteTactic;  // one of the tactic names
  std::int32_t wins = 0;
  std::int32_t losses = 0;
  std::array<std::int32_t, kTacticCount + 1> tacticUses{};  // 1..5

  bool operator==(const Nation&) const = default;
};

struct GameState {
  // Calendar
  std::int32_t year = 1;
  std::array<std::string, 5> seasonNames{};  // 1..4
  std::int32_t season = 1;
  std::int32_t turnCount = 0;
  bool turnStart = true;

  // Market
  double foodPrice = 0;
  double armsPrice = 0;
  double troopsPrice = 0;

  // Tables
  ByNumber<Province> provinces{};
  ByNumber<Nation> nations{};

  // Players
  std::string playerHouse = "*";
  ByNumber<bool> delegated{};

  // Turn
  ByNumber<std::int32_t> playOrder{};
  std::int32_t orderPosition = 1;  // not saved; 11 means the turn is over
  std::int32_t currentProvince = 1;
  CommandKind selectedCommand = CommandKind::None;
  ByNumber<std::int32_t> candidates{};
  std::int32_t candidateCount = 0;

  // Settings, as the settings dialog leaves them at program start
  bool firstStart = true;
  std::string settingHouseName = "織田";
  std::int32_t settingSpeedIndex = 2;
  std::int32_t settingEnterAdvance = 0;
  double messageWait = 0.5;
  bool autoAdvance = false;
  bool enterAdvance = false;

  // Turn-cycle flags
  bool autoAdvanceReady = true;
  bool orderCompleted = false;
  bool orderJustStarted = false;

  std::string title = "Velmora";

  bool operator==(const GameState&) const = default;
};

void setProvince(GameState& s, int number, const std::string& name, const std::string& lord,
                 std::int32_t power, std::int32_t town, std::int32_t castle, std::int32_t food,
                 std::int32_t gold, std::int32_t troops, std::int32_t arms, std::int32_t morale);

void setNation(GameState& s, int number, const std::string& name, const std::string& policy,
               const std::string& temperament, const std::string& favoriteTactic);

// The same name, byte for byte. Names are a few bytes long and the houses are looked up by
// name in every computer turn: a loop that usually stops at the first or second byte beats a
// call into the library.
inline bool sameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

bool isPlayerProvince(const GameState& s, int p);
bool isComputerPlayed(const GameState& s, int p);

// The house whose name is the lord of province p, or 0 when no house has that name.
int houseOf(const GameState& s, int p);

// "N年目の季" — the caption of the main window.
std::string turnCaption(const GameState& s);

}  // namespace velmora
