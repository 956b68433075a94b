#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astrocore/helpers.h"

namespace astrocore {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Case {
  double in;
  double out;
};

TEST(DotMinutesToDecimal, TurnsDotNotationIntoDecimalUnits) {
  const Case cases[] = {
      {14.305, 14 + 30.5 / 60},     // 14 h 30 min 30 s
      {-27.58, -(27 + 58.0 / 60)},  // 27 degrees 58 minutes east
      {12.00, 12},
      {0, 0},
      {-0.30, -0.5},
      {44.26, 44 + 26.0 / 60},
  };
  for (const Case& c : cases) EXPECT_NEAR(DotMinutesToDecimal(c.in), c.out, 1e-12) << c.in;
  EXPECT_NEAR(DotMinutesToDecimal(-27.58), -27.9667, 0.00005);
}

TEST(Trunc, TakesTheWholePartTowardZeroEvenForHugeValues) {
  const Case cases[] = {{-2.7, -2}, {2.7, 2}, {-0.5, 0}, {1e300, 1e300}, {-1e20 - 0.0, -1e20}};
  for (const Case& c : cases) EXPECT_EQ(Trunc(c.in), c.out) << c.in;
  EXPECT_TRUE(std::isnan(Trunc(kNaN)));
}

TEST(ReduceDegrees, GivesAValueInTheHalfOpenCircle) {
  const Case cases[] = {
      {0, 0},
      {360, 0},
      {720, 0},
      {-360, 0},
      {-1288.1245, 151.8755},
      {725.5, 5.5},
      {-0.25, 359.75},
      {1e300, std::fmod(1e300, 360.0)},
      {kNaN, 0},
      {kInf, 0},
      {-kInf, 0},
  };
  for (const Case& c : cases) EXPECT_NEAR(ReduceDegrees(c.in), c.out, 1e-9) << c.in;
  // A tiny negative value would round to 360 itself after adding a turn.
  const double r = ReduceDegrees(-1e-20);
  EXPECT_GE(r, 0);
  EXPECT_LT(r, 360);
  EXPECT_FALSE(std::signbit(ReduceDegrees(-0.0)));
}

TEST(ArcCos, FollowsTheArctangentFormWithItsSpecialCases) {
  const Case cases[] = {
      {0, kPi / 2},
      {-1, kPi},
      {1, 0},
      {0.5, kPi / 3},
      {-0.5, 2 * kPi / 3},
      // Outside the domain the argument is clamped instead of giving NaN.
      {1.5, 0},
      {-7, kPi},
      {kNaN, kPi / 2},
  };
  for (const Case& c : cases) EXPECT_NEAR(ArcCos(c.in), c.out, 1e-15) << c.in;
}

TEST(DirectionAngle, CoversTheFullTurnByQuadrant) {
  struct {
    double x, y, degrees;
  } const cases[] = {{1, 1, 45}, {-1, 1, 135}, {-1, -1, 225}, {1, -1, 315}, {1, 0, 0}};
  for (const auto& c : cases) {
    EXPECT_NEAR(Degrees(DirectionAngle(c.x, c.y)), c.degrees, 1e-12) << c.x << "," << c.y;
  }
}

}  // namespace
}  // namespace astrocore
