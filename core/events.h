#pragma once

#include <string>
#include <vector>

namespace velmora {

struct Game;

enum class EventKind {
  GoodHarvest = 1,
  PoorHarvest = 2,
  LandClearing = 3,
  TownProsperity = 4,
  CastleBuilding = 5,
  Volunteers = 6,
  NewWeapons = 7,
  Typhoon = 8,
};

// The name of an event kind as the event window shows it.
const char* eventName(EventKind kind);

// The autumn draw: perhaps an event, shown in the modal event window. Returns when the
// window has been closed, or at once when there is no event.
void rollEvent(Game& g);

// Strikes each province with chance 6 in 10 and returns one list line per struck province.
std::vector<std::string> applyEvent(Game& g, EventKind kind);

}  // namespace velmora
