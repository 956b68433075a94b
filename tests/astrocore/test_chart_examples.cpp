// Charts for other dates and places, one table row per figure.
#include <gtest/gtest.h>

#include "astrocore/chart.h"

namespace astrocore {
namespace {

struct Figure {
  const char* what;
  ChartInput input;
  int body;         // a body number, or 100 + h for cusp h
  double expected;  // degrees
  double tolerance;
};

double Value(const ChartRecord& chart, int index) {
  return index > 100 ? chart.houseCusp[index - 100] : chart.bodyLongitude[index];
}

const ChartInput k1985Bucharest{15, 6, 1985, 14.30, -2, -26.06, 44.26};
const ChartInput k1985South{15, 6, 1985, 14.30, -10, -151.12, -33.52};
const ChartInput k1905{5, 5, 1905, 3.00, -2, -26.06, 44.26};
const ChartInput k1850{12, 3, 1850, 6.15, -2, -26.06, 44.26};

const Figure kFigures[] = {
    {"1985 Sun", k1985Bucharest, kSun, 84.352, 0.0005},
    {"1985 Moon", k1985Bucharest, kMoon, 50.882, 0.0005},
    {"1985 south ASC", k1985South, kAscendant, 226.180, 0.0005},
    {"1985 south MC", k1985South, kMidheaven, 119.934, 0.0005},
    {"1985 south Vertex", k1985South, kVertex, 21.209, 0.0005},
    {"1985 south cusp 2", k1985South, 102, 254.22, 0.005},
    {"1985 south cusp 3", k1985South, 103, 277.07, 0.005},
    {"1985 south cusp 11", k1985South, 111, 147.05, 0.005},
    {"1985 south cusp 12", k1985South, 112, 182.85, 0.005},
    {"1905 Sun", k1905, kSun, 43.871, 0.0005},
    {"1905 Moon", k1905, kMoon, 48.113, 0.0005},
    {"1850 Moon", k1850, kMoon, 330.653, 0.0005},
    {"1850 MC", k1850, kMidheaven, 260.175, 0.0005},
    {"1850 ASC", k1850, kAscendant, 340.053, 0.0005},
};

TEST(ChartExamples, PositionsMatchTheWorkedFigures) {
  for (const Figure& f : kFigures) {
    EXPECT_NEAR(Value(ComputeChart(f.input), f.body), f.expected, f.tolerance) << f.what;
  }
}

TEST(ChartExamples, SouthernCuspsGoRoundTheCircleInOrder) {
  const ChartRecord chart = ComputeChart(k1985South);
  double total = 0;
  for (int h = 1; h <= 12; ++h) {
    double step = chart.houseCusp[h % 12 + 1] - chart.houseCusp[h];
    if (step <= 0) step += 360;
    EXPECT_GT(step, 0);
    EXPECT_LE(step, 180);
    total += step;
  }
  EXPECT_NEAR(total, 360, 1e-9);
  EXPECT_EQ(chart.bodyHouse[kAscendant], 1);
  EXPECT_EQ(chart.bodyHouse[kMidheaven], 10);
}

TEST(ChartExamples, MotionFollowsTheCircularOrbitRuleNotTheTrueMotion) {
  // Mars on 1 April 1980 moves backwards that day, yet the rule calls it direct.
  const ChartRecord today = ComputeChart({1, 4, 1980, 12.00, -2, -26.06, 44.26});
  const ChartRecord tomorrow = ComputeChart({2, 4, 1980, 12.00, -2, -26.06, 44.26});
  EXPECT_LT(tomorrow.bodyLongitude[kMars], today.bodyLongitude[kMars]);
  EXPECT_EQ(today.bodyMotion[kMars], kMotionDirect);
}

TEST(ChartExamples, SunMoonAndPointsAreAlwaysDirect) {
  const ChartRecord chart = ComputeChart(k1985South);
  for (int body : {kSun, kMoon, kAscendant, kMidheaven, kVertex, kLunarNode, kPartOfFortune}) {
    EXPECT_EQ(chart.bodyMotion[body], kMotionDirect) << BodyName[body];
  }
}

}  // namespace
}  // namespace astrocore
