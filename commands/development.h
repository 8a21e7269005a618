#pragma once

#include <cstdint>
#include <optional>

namespace velmora {

struct Game;
struct OrderInput;
struct Province;

// 国力増大, 町増築, 城普請: true when carried out, false when refused (nothing changed).
// The player's amount is read from `in`; a computer-played province chooses its own.
bool RaisePower(Game& g, int p, const OrderInput& in);
bool BuildTown(Game& g, int p, const OrderInput& in);
bool BuildCastle(Game& g, int p, const OrderInput& in);

// The amount the player typed into the amount box (in.amount), rounded half to even; nothing (after
// its box) when it is no number. Shared by every order that takes one amount.
std::optional<std::int32_t> typedAmount(Game& g, const OrderInput& in);

// The money checks the development and build-up orders share.
bool checkInvestment(Game& g, int p, std::int32_t gold, std::int32_t field, std::int32_t limit);
bool checkPayment(Game& g, int p, std::int32_t amount, double unitPrice);

// The gold to spend so that the field does not pass the limit (shows the refund box).
std::int32_t limitSpend(Game& g, std::int32_t field, std::int32_t amount, std::int32_t limit);

// Steps 2 to 8 of an investment into the given field of province p.
bool invest(Game& g, int p, const OrderInput& in, std::int32_t Province::*field, std::int32_t limit,
            bool halve);

}  // namespace velmora
