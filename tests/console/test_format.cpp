// Number texts shared by every program's console output.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "console/console.h"

namespace {

struct RealCase {
  double value;
  int width;
  int decimals;
  const char* text;
};

void PrintTo(const RealCase& c, std::ostream* os) {
  *os << c.value << " w" << c.width << " k" << c.decimals;
}

class FormatRealTest : public testing::TestWithParam<RealCase> {};

TEST_P(FormatRealTest, GivesFixedPointText) {
  const RealCase& c = GetParam();
  EXPECT_EQ(console::FormatReal(c.value, c.width, c.decimals), c.text)
      << c.value << " w=" << c.width << " k=" << c.decimals;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatRealTest,
    testing::Values(
        // Right-aligned, never cut.
        RealCase{-2.0, 3, 2, "-2.00"}, RealCase{0.0, 3, 2, "0.00"}, RealCase{2.0, 6, 2, "  2.00"},
        RealCase{45.16, 3, 3, "45.160"}, RealCase{-27.58, 3, 3, "-27.580"},
        RealCase{123456.5, 2, 1, "123456.5"}, RealCase{7.0, 0, 1, "7.0"},
        // No decimals: rounded to an integer, exact halves to the even neighbour.
        RealCase{2.5, 0, 0, "2"}, RealCase{3.5, 0, 0, "4"}, RealCase{-2.5, 0, 0, "-2"},
        RealCase{-3.5, 4, 0, "  -4"}, RealCase{0.5, 0, 0, "0"}, RealCase{2.4999, 0, 0, "2"},
        RealCase{-0.4, 2, 0, " 0"},
        // Decimals round the binary value: 0.125 is exact (tie to even), 0.135 lies below
        // its decimal text and 2.675 below 2.675.
        RealCase{0.125, 0, 2, "0.12"}, RealCase{0.375, 0, 2, "0.38"}, RealCase{0.135, 0, 2, "0.14"},
        RealCase{2.675, 0, 2, "2.67"}, RealCase{1.005, 0, 2, "1.00"},
        // A zero of either sign prints without a sign.
        RealCase{-0.0, 3, 2, "0.00"}, RealCase{-0.0, 1, 0, "0"},
        // Values without a fixed-point form get a short text, still right-aligned.
        RealCase{std::numeric_limits<double>::quiet_NaN(), 5, 2, "  NaN"},
        RealCase{std::numeric_limits<double>::infinity(), 3, 2, "Inf"},
        RealCase{-std::numeric_limits<double>::infinity(), 6, 0, "  -Inf"},
        // Nonsense widths and decimals are bounded, not trusted.
        RealCase{1.5, -4, -1, "2"}));

TEST(FormatReal, HugeValueGivesEveryDigit) {
  std::string text = console::FormatReal(1e308, 3, 2);
  ASSERT_EQ(text.size(), 309u + 3u);
  EXPECT_EQ(text.substr(0, 5), "10000");
  EXPECT_EQ(text.substr(text.size() - 3), ".00");
  EXPECT_EQ(console::FormatReal(-1e308, 0, 0).size(), 310u);
}

TEST(FormatReal, HugeWidthIsBounded) {
  EXPECT_LE(console::FormatReal(1.0, 1 << 30, 2).size(), 4096u);
}

TEST(FormatInt, RightAlignsWithoutCutting) {
  EXPECT_EQ(console::FormatInt(5, 3), "  5");
  EXPECT_EQ(console::FormatInt(-12, 2), "-12");
  EXPECT_EQ(console::FormatInt(12345, 2), "12345");
  EXPECT_EQ(console::FormatInt(0, 0), "0");
  EXPECT_EQ(console::FormatInt(std::numeric_limits<long long>::min(), 0), "-9223372036854775808");
}

}  // namespace
