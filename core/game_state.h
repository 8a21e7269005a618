#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/province.h"
#include "core/state_terms.h"

namespace velmora {

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
// name many times in every computer turn: a house name of two characters (six bytes) is two
// overlapping four-byte words, which beats a byte loop and a call into the library.
inline bool sameName(std::string_view a, std::string_view b) {
  const std::size_t n = a.size();
  if (n != b.size()) return false;
  if (n >= 4 && n <= 8) {
    auto word = [](const char* at) {
      std::uint32_t w;
      std::memcpy(&w, at, sizeof w);
      return w;
    };
    return word(a.data()) == word(b.data()) && word(a.data() + n - 4) == word(b.data() + n - 4);
  }
  for (std::size_t i = 0; i < n; ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

bool isPlayerProvince(const GameState& s, int p);
bool isComputerPlayed(const GameState& s, int p);
// The number of the house the player plays, or 0 when playerHouse names no house.
int playerHouseNumber(const GameState& s);

// The house whose name is the lord of province p, or 0 when no house has that name. House
// names are distinct (a save file with two alike is refused), so the house found last time
// for this province is the answer whenever its name still matches.
int findHouseOf(const GameState& s, int p);
inline int houseOf(const GameState& s, int p) {
  const Province& pr = s.provinces[p];
  const int guess = pr.lordHouse.house;
  if (guess != 0 && sameName(s.nations[guess].name, pr.lord)) return guess;
  return findHouseOf(s, p);
}

// "N年目の季" — the caption of the main window.
std::string turnCaption(const GameState& s);

}  // namespace velmora
