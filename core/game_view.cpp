#include "core/game_view.h"

#include "core/game.h"

namespace velmora {

bool gameEnded(const Game& g) { return g.ended; }

Panel shownPanel(const Game& g) { return g.currentPanel; }

int currentProvince(const Game& g) { return g.state.currentProvince; }

CommandKind pendingOrder(const Game& g) { return g.state.selectedCommand; }

bool atTurnStart(const Game& g) { return g.state.turnStart; }

std::string houseName(const Game& g, int house) { return g.state.nations[house].name; }

int playerHouse(const Game& g) { return playerHouseNumber(g.state); }

int holderOf(const Game& g, int p) { return houseOf(g.state, p); }

std::string seasonCaption(const Game& g) { return turnCaption(g.state); }

const std::vector<SeasonStanding>& courseOf(const Game& g) { return g.course; }

}  // namespace velmora
