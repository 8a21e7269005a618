#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "core/numeric.h"
#include "core/random.h"

namespace velmora {
namespace {

TEST(Numeric, RoundHalfEvenAndFloor) {
  EXPECT_EQ(roundHalfEven(12.5), 12);
  EXPECT_EQ(roundHalfEven(13.5), 14);
  EXPECT_EQ(roundHalfEven(-0.5), 0);
  EXPECT_EQ(roundHalfEven(67.5), 68);
  EXPECT_EQ(roundHalfEven(39.0625), 39);
  EXPECT_EQ(floorInt(12.7), 12);
  EXPECT_EQ(floorInt(-0.5), -1);
  EXPECT_EQ(floorInt(-3.5), -4);
  EXPECT_EQ(roundHalfEven(1e12), 2147483647);
  EXPECT_EQ(floorInt(-1e12), -2147483647 - 1);
}

// The inline roundings must give what the library's do: on ties of either sign, near the
// ends of the 32-bit range, beyond it and on values that are no number.
TEST(Numeric, InlineRoundingsAreTheLibrarys) {
  std::vector<double> xs = {-0.0,
                            0.5,
                            -0.5,
                            2.5,
                            -2.5,
                            2147483646.5,
                            2147483647.0,
                            2147483647.5,
                            2147483648.0,
                            -2147483647.5,
                            -2147483648.0,
                            -2147483648.5,
                            0x1p52 + 1.0,
                            -0x1p53,
                            std::nan(""),
                            HUGE_VAL,
                            -HUGE_VAL,
                            0x1p-1074,
                            0.49999999999999994};
  std::mt19937_64 gen(3);
  std::uniform_real_distribution<double> wide(-3e9, 3e9);
  for (int k = 0; k < 100'000; ++k) {
    const double x = wide(gen);
    xs.insert(xs.end(), {x, std::floor(x) + 0.5, x / 1e6, std::floor(x / 1e6) + 0.5});
  }
  int mismatches = 0;
  for (double x : xs) {
    mismatches += roundHalfEven(x) != roundHalfEvenSaturated(x);
    mismatches += floorInt(x) != floorIntSaturated(x);
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(Numeric, ChargeRoundsUpUnlessTheFractionIsBelowOneTenth) {
  EXPECT_EQ(chargeOf(4.2), 5);
  EXPECT_EQ(chargeOf(4.05), 4);
  EXPECT_EQ(chargeOf(98.0), 98);
  EXPECT_EQ(chargeOf(11.1), 12);
}

TEST(Numeric, PricesHaveNoTrailingZerosAndFifteenDigits) {
  EXPECT_EQ(formatPrice(0.6 + 0.3), "0.9");
  EXPECT_EQ(formatPrice(7.0), "7");
  EXPECT_EQ(formatPrice(10.0), "10");
  EXPECT_EQ(formatPrice(3.5), "3.5");
  EXPECT_EQ(formatPrice(0.4), "0.4");
  EXPECT_EQ(formatPrice(2.3000000000000003), "2.3");
  EXPECT_EQ(formatPrice(1.0 / 3), "0.333333333333333");
}

TEST(Numeric, SignificantDigitRounding) {
  EXPECT_EQ(roundToSignificant(0.49999996, 7), 0.5);
  EXPECT_EQ(roundToSignificant(0.4999999, 7), 0.4999999);
  EXPECT_EQ(roundToSignificant(0.99999996, 7), 1.0);
  EXPECT_EQ(roundToSignificant(0.0, 7), 0.0);
}

// The comparison that decides the shuffle's coin must agree with rounding by text: on every
// double within a million steps of the threshold, on a million draws of the game's generator,
// and outside the range of a draw.
TEST(Numeric, SevenDigitCoinAgreesWithTextRounding) {
  auto byText = [](double x) { return roundHalfEven(roundToSignificant(x, 7)); };
  int mismatches = 0;
  int ones = 0;
  double up = 0.50000005;
  double down = std::nextafter(up, 0.0);
  for (int step = 0; step < 1'000'000; ++step) {
    mismatches += roundHalfEvenAtSevenDigits(up) != byText(up);
    mismatches += roundHalfEvenAtSevenDigits(down) != byText(down);
    ones += byText(up) - byText(down);
    up = std::nextafter(up, 1.0);
    down = std::nextafter(down, 0.0);
  }
  EXPECT_EQ(ones, 1'000'000);  // the threshold lies between the two walks
  SeededRandom rng(7);
  for (int draw = 0; draw < 1'000'000; ++draw) {
    const double r = rng.next();
    mismatches += roundHalfEvenAtSevenDigits(r) != byText(r);
  }
  for (double x : {0.0, -0.0, 0x1p-1074, 0.1, 0.49999996, 0.5, 0.9999999, 0.99999995,
                   std::nextafter(1.0, 0.0), 1.0, 1.4999999, 1.50000005, -0.4, 2.5, 1e300}) {
    EXPECT_EQ(roundHalfEvenAtSevenDigits(x), byText(x)) << x;
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(Numeric, TypedAmountsAreReadAsDecimals) {
  EXPECT_EQ(parseAmountHalfEven("12.5"), 12);
  EXPECT_EQ(parseAmountHalfEven(" 13.5 "), 14);
  EXPECT_EQ(parseAmountHalfEven("0.5"), 0);
  EXPECT_EQ(parseAmountHalfEven("-7"), -7);
  EXPECT_EQ(parseAmountHalfEven("+30"), 30);
  EXPECT_EQ(parseAmountHalfEven(".5"), 0);
  EXPECT_EQ(parseAmountFloor("12.7"), 12);
  EXPECT_EQ(parseAmountFloor("-0.5"), -1);
  EXPECT_EQ(parseAmountFloor("2147483647"), 2147483647);
  for (const char* bad : {"", " ", "abc", "1e3", "inf", "nan", "0x10", "1.2.3", "--1", "+", ".",
                          "12a", "2147483648", "-2147483649"}) {
    EXPECT_FALSE(parseAmountHalfEven(bad).has_value()) << bad;
    EXPECT_FALSE(parseAmountFloor(bad).has_value()) << bad;
  }
}

// What a Japanese input method types reads as its ASCII form in every amount box.
TEST(Numeric, FullWidthDigitsSignAndPointAreReadAsAscii) {
  EXPECT_EQ(parseAmountHalfEven("３０"), 30);
  EXPECT_EQ(parseAmountHalfEven("－５"), -5);
  EXPECT_EQ(parseAmountHalfEven("１２．５"), 12);
  EXPECT_EQ(parseAmountHalfEven("ー５"), -5);  // the minus key in kana mode
  EXPECT_EQ(parseAmountFloor("１２．５"), 12);
  EXPECT_EQ(parseAmountFloor("\u3000－０．５\u3000"), -1);  // ideographic spaces around
  EXPECT_EQ(parseAmountHalfEven("1３.５"), 14);             // mixed with ASCII
  for (const char* bad : {"３ａ", "３，０", "－", "\u3000", "\xEF\xBC"}) {
    EXPECT_FALSE(parseAmountHalfEven(bad).has_value()) << bad;
  }
}

// The generator hands out its numbers a block at a time: the draws must stay those of the
// engine one by one, across blocks and after a new seed.
TEST(Random, SeededDrawsAreTheEnginesInOrder) {
  SeededRandom rng(42);
  std::mt19937_64 engine(42);
  int mismatches = 0;
  for (int i = 0; i < 1000; ++i) {
    if (i == 500) {
      rng.reseed(9);
      engine.seed(9);
    }
    mismatches += rng.next() != static_cast<double>(engine() >> 11) * 0x1.0p-53;
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace velmora
