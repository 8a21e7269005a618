#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The game's shared numeric rules. Every rounding, charge and limit goes through here so that
// the orders, the battles and the computer players cannot drift apart.
namespace velmora {

// Upper limit of every province quantity.
inline constexpr std::int32_t kLimit = 999;

// The roundings below are taken many times in every turn, so the usual case, a value well
// inside the 32-bit range, is decided inline; the rest (saturation, NaN) out of line.
std::int32_t roundHalfEvenSaturated(double x);
std::int32_t floorIntSaturated(double x);

// Round half to even, as storing a fractional result into an integer does (12.5 -> 12,
// 13.5 -> 14). Results outside the 32-bit range saturate.
inline std::int32_t roundHalfEven(double x) {
  if (!(x > -2147483648.0 && x < 2147483647.0)) return roundHalfEvenSaturated(x);
  // Adding and taking back 2^52 leaves the nearest whole number, ties to even, in the
  // rounding mode the program never changes.
  const double shift = x < 0 ? -0x1p52 : 0x1p52;
  return static_cast<std::int32_t>((x + shift) - shift);
}

// Whole part towards minus infinity (-0.5 -> -1). Saturates like roundHalfEven.
inline std::int32_t floorInt(double x) {
  if (!(x >= -2147483648.0 && x < 2147483648.0)) return floorIntSaturated(x);
  const auto whole = static_cast<std::int32_t>(x);  // towards zero
  return whole > x ? whole - 1 : whole;
}

// The same two roundings into 64 bits, for a count that a price far below the market's makes
// larger than 32 bits before the limit takes it back (999 gold at a price of 1e-9 buys about
// 10^12). They saturate at ±2^62, so that a province value added to them cannot overflow.
std::int64_t roundHalfEven64(double x);
std::int64_t floorInt64(double x);

// A cost c is charged as the whole part of c + 0.9 (4.2 -> 5, 4.05 -> 4).
inline std::int32_t chargeOf(double cost) { return floorInt(cost + 0.9); }

// Holds a value at the 999 limit.
inline std::int32_t capAtLimit(std::int32_t v) { return v > kLimit ? kLimit : v; }

// The most a province quantity may hold at all: a save file may carry values above the 999
// limit (the province check reports them), and play must keep them saveable, so whatever
// play raises without a 999 cap of its own stops here.
inline constexpr std::int32_t kQuantityBound = 9999;

inline std::int32_t capAtBound(std::int64_t v) {
  return static_cast<std::int32_t>(v > kQuantityBound ? kQuantityBound : v);
}

// Counters the game only ever adds to (the year, battles won and lost, tactic uses) stop at a
// billion: far beyond any game, and the most a save file takes, so that a game loaded at the
// bound plays on and saves again without a counter overflowing or leaving the file's range.
inline constexpr std::int32_t kCounterMax = 1'000'000'000;

inline void countUp(std::int32_t& counter) {
  if (counter < kCounterMax) counter += 1;
}

// Gold and food never stay below 0 after an order.
inline void clampNonNegative(std::int32_t& v) {
  if (v < 0) v = 0;
}

// x rounded to the given number of significant decimal digits (0.49999996 to 7 digits gives
// 0.5).
double roundToSignificant(double x, int digits);

// Below 1 the 7-digit rounding of x exceeds 0.5, and so rounds to 1, exactly when x exceeds
// 0.50000005; no double equals that number, so there is no tie. kAboveSevenDigitHalf is the
// least double above it (0.50000005 written as a double rounds up to it).
inline constexpr double kAboveSevenDigitHalf = 0x1.000001ad7f29bp-1;

// roundHalfEven(roundToSignificant(x, 7)), decided by a comparison for 0 <= x < 1, the range
// of a draw, so that the shuffle of every turn need not write its draws out as text.
std::int32_t roundHalfEvenAtSevenDigitsByText(double x);
inline std::int32_t roundHalfEvenAtSevenDigits(double x) {
  if (x >= 0 && x < 1) return x >= kAboveSevenDigitHalf ? 1 : 0;
  return roundHalfEvenAtSevenDigitsByText(x);
}

// A price as the market board shows it: at most 15 significant digits, no trailing zeros and
// no trailing point (0.8999999999999999 -> "0.9", 7.0 -> "7"), whatever the locale.
std::string formatPrice(double price);

// Reads a decimal number as typed: blanks around it, a sign and a fraction are allowed, and
// the full-width forms an input method types (３０, －５, １２．５) count as their ASCII ones.
// Empty text, letters, exponents, infinities and anything else give nothing.
std::optional<double> parseDecimal(std::string_view text);

// Typed amount, rounded half to even to a 32-bit integer; nothing when the text is not a
// number or the value lies outside the 32-bit range.
std::optional<std::int32_t> parseAmountHalfEven(std::string_view text);

// Typed amount, floored to a 32-bit integer (12.7 -> 12, -3.5 -> -4); nothing when the text
// is not a number or the value lies outside the 32-bit range.
std::optional<std::int32_t> parseAmountFloor(std::string_view text);

}  // namespace velmora
