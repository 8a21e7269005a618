#pragma once

#include <cstdint>

namespace velmora {

struct Game;
struct OrderInput;

// Fills the target panel with the provinces province a can attack; false after its box.
bool prepareAttack(Game& g, int a);

// Checks the target and amounts the player gave (in.target, in.targetAmounts), asks for
// confirmation and fights the battle; false when refused.
bool declareAttack(Game& g, int a, const OrderInput& in);

// What every attack does once declared, the player's and the computer's: province a sends
// `sent` troops against t, which are taken from its garrison into the field.
void commitAttack(Game& g, int a, int t, std::int32_t sent);

}  // namespace velmora
