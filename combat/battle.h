#pragma once

#include <cstdint>
#include <string>

namespace velmora {

struct Game;

// The tactic table as the battle window shows it: column 0 killPercent, 1..5 the bonus
// against the enemy's tactic 1..5, 6 supplyPercent.
inline constexpr int kSupplyColumn = 6;
std::int32_t tacticTableValue(const Game& g, int tactic, int column);

// Starts the battle whose attacker, target, troops and computer tactics are set.
void startBattle(Game& g);

// Sets every battle figure below 1 (both morales, the field troops, the target's troops) to 0
// and redraws the battle window's figures.
void clampAndRefresh(Game& g);

// The force-ratio band 1..8 of own strength against enemy strength.
int forceBand(std::int32_t own, std::int32_t enemy);

// One round; when decided, records, reports and settles the battle.
void resolveRound(Game& g);

// A battle is decided within this many rounds: after the last one the attack has failed.
inline constexpr int kMaxRounds = 4;

// Plays a started battle's rounds to its end without a window, as a battle between two
// computer houses is fought; true when it ended (it always does within kMaxRounds).
bool playRoundsToTheEnd(Game& g);

std::int32_t moraleDamage(Game& g, std::int32_t own, std::int32_t enemy, int die, int ownTactic,
                          int enemyTactic, std::int32_t bonus);
std::int32_t favoriteBonus(const std::string& favourite, int tactic);

}  // namespace velmora
