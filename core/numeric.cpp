#include "core/numeric.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace velmora {

namespace {

constexpr double kInt32Min = static_cast<double>(std::numeric_limits<std::int32_t>::min());
constexpr double kInt32Max = static_cast<double>(std::numeric_limits<std::int32_t>::max());

std::int32_t saturate(double whole) {
  if (std::isnan(whole)) return 0;
  if (whole <= kInt32Min) return std::numeric_limits<std::int32_t>::min();
  if (whole >= kInt32Max) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(whole);
}

bool inInt32(double whole) { return whole >= kInt32Min && whole <= kInt32Max; }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The code point of a three-byte UTF-8 sequence at the start of text, or 0.
unsigned threeByteCode(std::string_view text) {
  if (text.size() < 3) return 0;
  const auto b0 = static_cast<unsigned char>(text[0]);
  const auto b1 = static_cast<unsigned char>(text[1]);
  const auto b2 = static_cast<unsigned char>(text[2]);
  if ((b0 & 0xF0u) != 0xE0u || (b1 & 0xC0u) != 0x80u || (b2 & 0xC0u) != 0x80u) return 0;
  return (b0 & 0x0Fu) << 12 | (b1 & 0x3Fu) << 6 | (b2 & 0x3Fu);
}

// The ASCII a full-width character of a number stands for, or 0.
char asciiFor(unsigned code) {
  if (code >= 0xFF10 && code <= 0xFF19) return static_cast<char>('0' + (code - 0xFF10));
  switch (code) {
    case 0xFF0B:  // ＋
      return '+';
    case 0xFF0D:  // －
    case 0x2212:  // − (minus sign)
    case 0x30FC:  // ー, what the minus key types in kana mode
      return '-';
    case 0xFF0E:  // ．
      return '.';
    case 0x3000:  // ideographic space
      return ' ';
    default:
      return 0;
  }
}

// A number typed with a Japanese input method (３０, －５, １２．５) in the ASCII the parser
// reads, so that the player need not switch the input method off. Every other character is
// kept as it is, for the parser to refuse.
std::string asciiNumber(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    if (const char ascii = asciiFor(threeByteCode(text))) {
      out += ascii;
      text.remove_prefix(3);
    } else {
      out += text.front();
      text.remove_prefix(1);
    }
  }
  return out;
}

}  // namespace

// std::nearbyint follows the current rounding mode, which the program never changes from
// round-to-nearest-even.
std::int32_t roundHalfEvenSaturated(double x) { return saturate(std::nearbyint(x)); }

std::int32_t floorIntSaturated(double x) { return saturate(std::floor(x)); }

namespace {

std::int64_t saturate64(double whole) {
  constexpr double kBound = 0x1p62;
  if (std::isnan(whole)) return 0;
  if (whole <= -kBound) return -(std::int64_t{1} << 62);
  if (whole >= kBound) return std::int64_t{1} << 62;
  return static_cast<std::int64_t>(whole);
}

}  // namespace

std::int64_t roundHalfEven64(double x) { return saturate64(std::nearbyint(x)); }
std::int64_t floorInt64(double x) { return saturate64(std::floor(x)); }

double roundToSignificant(double x, int digits) {
  char buf[64];
  auto [end, ec] =
      std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, digits - 1);
  if (ec != std::errc()) return x;
  double rounded = x;
  std::from_chars(buf, end, rounded, std::chars_format::scientific);
  return rounded;
}

std::int32_t roundHalfEvenAtSevenDigitsByText(double x) {
  return roundHalfEven(roundToSignificant(x, 7));
}

std::string formatPrice(double price) {
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, price, std::chars_format::general, 15);
  if (ec != std::errc()) return "0";
  return std::string(buf, end);
}

std::optional<double> parseDecimal(std::string_view typed) {
  const std::string ascii = asciiNumber(typed);
  std::string_view text = ascii;
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // Only digits with at most one point: from_chars alone would also take "inf", "nan",
  // exponents and hexadecimal.
  bool digit = false;
  int points = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (c == '.') {
      ++points;
    } else {
      return std::nullopt;
    }
  }
  if (!digit || points > 1) return std::nullopt;
  double value = 0;
  auto [ptr, ec] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
  return negative ? -value : value;
}

std::optional<std::int32_t> parseAmountHalfEven(std::string_view text) {
  auto value = parseDecimal(text);
  if (!value) return std::nullopt;
  double whole = std::nearbyint(*value);
  if (!inInt32(whole)) return std::nullopt;
  return static_cast<std::int32_t>(whole);
}

std::optional<std::int32_t> parseAmountFloor(std::string_view text) {
  auto value = parseDecimal(text);
  if (!value) return std::nullopt;
  double whole = std::floor(*value);
  if (!inInt32(whole)) return std::nullopt;
  return static_cast<std::int32_t>(whole);
}

}  // namespace velmora
