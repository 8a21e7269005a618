#pragma once

#include <cstdint>

namespace velmora {

struct Game;
struct OrderInput;
struct Province;

// The part of amount that fits under the limit.
std::int32_t capAmount(std::int32_t current, std::int32_t amount, std::int32_t limit);

// Moves amount from one field to another.
void transfer(std::int32_t& from, std::int32_t& to, std::int32_t amount);

// After a move, the destination's arms become the mean over its soldiers, old and arrived;
// with no soldiers it takes the sender's arms. Arms below 1 count as 1 in both provinces: for
// the player's move when both have soldiers, for the computer's whenever the sender has any.
enum class ArmsFloor { WhenBothHaveTroops, WhenSenderHasTroops };
void mixArms(Province& from, Province& to, std::int32_t movedTroops, ArmsFloor floor);

// Fills the target panel for a move from p; false (after its box) when there is nowhere to go.
bool prepareMove(Game& g, int p);

// Carries out the move the player gave on the target panel (in.target, in.targetAmounts);
// false when refused.
bool Move(Game& g, int p, const OrderInput& in);

}  // namespace velmora
