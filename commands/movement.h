#pragma once

#include <cstdint>

#include "core/game.h"

namespace velmora {

// The part of amount that fits under the limit.
std::int32_t capAmount(std::int32_t current, std::int32_t amount, std::int32_t limit);

// Moves amount from one field to another.
void transfer(std::int32_t& from, std::int32_t& to, std::int32_t amount);

// Fills the target panel for a move from p; false (after its box) when there is nowhere to go.
bool prepareMove(Game& g, int p);

// Carries out the move typed into the target panel; false when refused.
bool Move(Game& g, int p);

}  // namespace velmora
