#pragma once

#include <cstdint>
#include <optional>

namespace velmora {

struct Game;
struct Province;

// 国力増大, 町増築, 城普請: true when carried out, false when refused (nothing changed).
bool RaisePower(Game& g, int p);
bool BuildTown(Game& g, int p);
bool BuildCastle(Game& g, int p);

// The amount the player typed into the amount box, rounded half to even; nothing (after its
// box) when it is no number. Shared by every order that takes one amount.
std::optional<std::int32_t> typedAmount(Game& g);

// The money checks the development and build-up orders share.
bool checkInvestment(Game& g, int p, std::int32_t gold, std::int32_t field, std::int32_t limit);
bool checkPayment(Game& g, int p, std::int32_t amount, double unitPrice);

// The gold to spend so that the field does not pass the limit (shows the refund box).
std::int32_t limitSpend(Game& g, std::int32_t field, std::int32_t amount, std::int32_t limit);

// Steps 2 to 8 of an investment into the given field of province p.
bool invest(Game& g, int p, std::int32_t Province::*field, std::int32_t limit, bool halve);

}  // namespace velmora
