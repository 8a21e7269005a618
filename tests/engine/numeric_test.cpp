#include <gtest/gtest.h>

#include "core/numeric.h"

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

}  // namespace
}  // namespace velmora
