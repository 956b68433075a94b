// The chart of 1 January 1980, 12.00 local time, zone -2, at -26.06 / 44.26, in full.
#include <gtest/gtest.h>

#include "astrocore/chart.h"
#include "astrocore/chart_time.h"
#include "astrocore/helpers.h"
#include "astrocore/houses.h"

namespace astrocore {
namespace {

const ChartInput kInput{1, 1, 1980, 12.00, -2, -26.06, 44.26};

class Chart1980 : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { chart_ = ComputeChart(kInput); }
  static ChartRecord chart_;
};
ChartRecord Chart1980::chart_;

TEST_F(Chart1980, BodyLongitudesAndMotions) {
  struct {
    int body;
    double longitude;
    std::string_view motion;
  } const expected[] = {
      {kSun, 280.149, kMotionDirect},      {kMoon, 88.627, kMotionDirect},
      {kMercury, 268.608, kMotionDirect},  {kVenus, 311.923, kMotionDirect},
      {kMars, 164.049, kMotionDirect},     {kJupiter, 160.068, kMotionRetrograde},
      {kSaturn, 177.390, kMotionDirect},   {kUranus, 234.741, kMotionDirect},
      {kNeptune, 260.457, kMotionDirect},  {kPluto, 201.540, kMotionDirect},
      {kAscendant, 11.927, kMotionDirect}, {kMidheaven, 275.810, kMotionDirect},
      {kVertex, 184.782, kMotionDirect},
  };
  for (const auto& e : expected) {
    EXPECT_NEAR(chart_.bodyLongitude[e.body], e.longitude, 0.0005) << BodyName[e.body];
    EXPECT_EQ(chart_.bodyMotion[e.body], e.motion) << BodyName[e.body];
  }
  // Node and Part of Fortune are stored rounded to four decimals.
  EXPECT_DOUBLE_EQ(chart_.bodyLongitude[kLunarNode], 151.8755);
  EXPECT_DOUBLE_EQ(chart_.bodyLongitude[kPartOfFortune], 180.4049);
  EXPECT_EQ(chart_.bodyMotion[kLunarNode], kMotionDirect);
  EXPECT_EQ(chart_.bodyMotion[kPartOfFortune], kMotionDirect);
  EXPECT_DOUBLE_EQ(chart_.siderealTime, 18.2519);
}

TEST_F(Chart1980, HouseCusps) {
  const double expected[kHouseCount + 1] = {0,       11.927,  51.187,  75.620,  95.810,
                                            117.009, 145.265, 191.927, 231.187, 255.620,
                                            275.810, 297.009, 325.265};
  for (int h = 1; h <= kHouseCount; ++h) {
    EXPECT_NEAR(chart_.houseCusp[h], expected[h], 0.0005) << "cusp " << h;
  }
  EXPECT_EQ(chart_.houseCusp[1], chart_.bodyLongitude[kAscendant]);
  EXPECT_EQ(chart_.houseCusp[10], chart_.bodyLongitude[kMidheaven]);
}

TEST_F(Chart1980, HousesOfTheBodies) {
  const int expected[kBodyCount + 1] = {0, 10, 3, 9, 11, 6, 6, 6, 8, 9, 7, 1, 10, 6, 6, 6};
  for (int body = 1; body <= kBodyCount; ++body) {
    EXPECT_EQ(chart_.bodyHouse[body], expected[body]) << BodyName[body];
  }
}

TEST_F(Chart1980, CuspIterationsComputeTheNextValueFourFiveFiveAndThreeTimes) {
  const ChartTime time = ComputeChartTime(kInput);
  const double tanLatitude = Tan(Radians(DotMinutesToDecimal(kInput.placeLatitude)));
  EXPECT_EQ(IterateCusp(11, time.ramc, tanLatitude).rounds, 4);
  EXPECT_EQ(IterateCusp(12, time.ramc, tanLatitude).rounds, 5);
  EXPECT_EQ(IterateCusp(2, time.ramc, tanLatitude).rounds, 5);
  EXPECT_EQ(IterateCusp(3, time.ramc, tanLatitude).rounds, 3);
}

TEST_F(Chart1980, AspectGridHoldsThirtyThreeEntriesOnePerPair) {
  int entries = 0;
  for (int j = 1; j <= kBodyCount; ++j) {
    EXPECT_EQ(chart_.aspectGrid[j][j], 0);
    for (int k = 1; k <= kBodyCount; ++k) {
      if (chart_.aspectGrid[j][k] != 0) ++entries;
      if (j < k && chart_.aspectGrid[j][k] != 0) {
        EXPECT_EQ(chart_.aspectGrid[k][j], 0) << j << "," << k;
      }
    }
  }
  EXPECT_EQ(entries, 33);
  struct {
    int j, k, aspect;
  } const named[] = {{kSun, kMoon, 13},        {kSun, kMercury, 1},        {kVenus, kAscendant, 5},
                     {kNeptune, kMercury, 1},  {kAscendant, kJupiter, 12}, {kMercury, kNeptune, 0},
                     {kJupiter, kAscendant, 0}};
  for (const auto& n : named) {
    EXPECT_EQ(chart_.aspectGrid[n.j][n.k], n.aspect) << n.j << "," << n.k;
  }
}

}  // namespace
}  // namespace astrocore
