// Places and inputs at the edges: the record keeps its guarantees whatever comes in.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "astrocore/chart.h"
#include "astrocore/chart_time.h"
#include "astrocore/helpers.h"
#include "astrocore/houses.h"

namespace astrocore {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

void ExpectSoundRecord(const ChartRecord& chart, const std::string& what) {
  for (int body = 1; body <= kBodyCount; ++body) {
    const double lon = chart.bodyLongitude[body];
    EXPECT_TRUE(lon >= 0 && lon < 360) << what << " body " << body << " " << lon;
    EXPECT_TRUE(chart.bodyHouse[body] >= 1 && chart.bodyHouse[body] <= 12) << what << " " << body;
    EXPECT_TRUE(chart.bodyMotion[body] == kMotionDirect ||
                chart.bodyMotion[body] == kMotionRetrograde)
        << what;
    for (int other = 1; other <= kBodyCount; ++other) {
      const int aspect = chart.aspectGrid[body][other];
      EXPECT_TRUE(aspect >= 0 && aspect <= kAspectCount) << what;
    }
  }
  for (int h = 1; h <= kHouseCount; ++h) {
    const double cusp = chart.houseCusp[h];
    EXPECT_TRUE(cusp >= 0 && cusp < 360) << what << " cusp " << h << " " << cusp;
  }
  EXPECT_TRUE(std::isfinite(chart.siderealTime)) << what;
}

TEST(Edges, PolarAndEquatorialPlacesGiveASoundRecordAtEveryHour) {
  for (double latitude : {0.0, -0.0, 66.33, 66.34, 70.0, -70.0, 80.0, -80.0, 89.59, -89.59, 90.0,
                          -90.0, 0.01, -0.01}) {
    for (int hour = 0; hour < 24; ++hour) {
      const ChartInput input{21, 6, 1990, hour + 0.0, 0, -25.0, latitude};
      ExpectSoundRecord(ComputeChart(input),
                        "latitude " + std::to_string(latitude) + " hour " + std::to_string(hour));
    }
  }
}

TEST(Edges, CuspIterationStopsWithinItsLimitBeyondThePolarCircle) {
  for (double latitude : {70.0, 89.99, -80.0, 66.56}) {
    const double tanLatitude = Tan(Radians(latitude));
    for (int step = 0; step < 360; ++step) {
      const double ramc = Radians(step);
      for (int cusp : {11, 12, 2, 3}) {
        const CuspIteration it = IterateCusp(cusp, ramc, tanLatitude);
        EXPECT_LE(it.rounds, kMaxCuspRounds);
        EXPECT_TRUE(std::isfinite(it.rightAscension)) << latitude << " " << step << " " << cusp;
      }
    }
  }
}

TEST(Edges, EquatorGivesTheVertexItsNorthernLimit) {
  // Approaching the equator from the north the Vertex goes to 180 degrees.
  const ChartRecord atEquator = ComputeChart({1, 1, 1980, 12.00, -2, -26.06, 0});
  const ChartRecord justNorth = ComputeChart({1, 1, 1980, 12.00, -2, -26.06, 0.0001});
  EXPECT_EQ(atEquator.bodyLongitude[kVertex], 180);
  EXPECT_NEAR(justNorth.bodyLongitude[kVertex], 180, 0.01);
  HouseFrame frame = MakeHouseFrame(1.0, 23.44, 0);
  frame.tanLatitude = 1e-320;  // too small to divide by
  EXPECT_EQ(Vertex(frame), 180);
  frame.tanLatitude = -1e-320;  // the southern side's limit
  EXPECT_EQ(Vertex(frame), 0);

  // The cusps stay in order: every semi-arc is a quarter turn there.
  double total = 0;
  for (int h = 1; h <= 12; ++h) {
    double step = atEquator.houseCusp[h % 12 + 1] - atEquator.houseCusp[h];
    if (step <= 0) step += 360;
    EXPECT_GT(step, 0);
    EXPECT_LE(step, 180);
    total += step;
  }
  EXPECT_NEAR(total, 360, 1e-9);
}

TEST(Edges, AbsurdInputsGiveASoundRecord) {
  const double absurd[] = {1e9, -1e6, 1e20, -1e20, 1e308, -1e308, kNaN, kInf, -kInf, 4e-320};
  for (int field = 0; field < 7; ++field) {
    for (double value : absurd) {
      ChartInput input{1, 1, 1980, 12.00, -2, -26.06, 44.26};
      double* fields[] = {&input.day,          &input.month,          &input.year,
                          &input.localTime,    &input.zoneDifference, &input.placeLongitude,
                          &input.placeLatitude};
      *fields[field] = value;
      ExpectSoundRecord(ComputeChart(input),
                        "field " + std::to_string(field) + " = " + std::to_string(value));
    }
  }
}

TEST(Edges, FarYearsStillComputeFinitePositions) {
  const ChartRecord chart = ComputeChart({1, 1, -4000, 12.00, -2, -26.06, 44.26});
  ExpectSoundRecord(chart, "year -4000");
  const ChartRecord future = ComputeChart({1, 1, 1e9, 12.00, -2, -26.06, 44.26});
  ExpectSoundRecord(future, "year 1e9");
}

TEST(Edges, PointsRoundedUpToAFullTurnAreStoredAsZero) {
  // A Moon a hair behind the Sun with the Ascendant at 0 gives a Part of Fortune of 359.99999.
  ChartRecord chart;
  chart.bodyLongitude[kSun] = 100.00001;
  chart.bodyLongitude[kMoon] = 100;
  chart.bodyLongitude[kAscendant] = 0;
  const HouseFrame frame = MakeHouseFrame(1.0, 23.44, 45);
  ChartPoints(frame, 0, chart);
  EXPECT_EQ(chart.bodyLongitude[kPartOfFortune], 0);
  ChartPoints(frame, -0.0001, chart);  // the node a hair below a full turn
  EXPECT_EQ(chart.bodyLongitude[kLunarNode], 0);
}

TEST(Edges, BodyHousesFindAHouseEvenWhenCuspsAreDisordered) {
  ChartRecord chart;
  const double cusps[kHouseCount + 1] = {0, 10, 200, 5, 300, 100, 100, 100, 50, 40, 30, 20, 15};
  for (int h = 1; h <= kHouseCount; ++h) chart.houseCusp[h] = cusps[h];
  for (int body = 1; body <= kBodyCount; ++body) chart.bodyLongitude[body] = 24.0 * body - 1;
  BodyHouses(chart);
  for (int body = 1; body <= kBodyCount; ++body) {
    EXPECT_GE(chart.bodyHouse[body], 1);
    EXPECT_LE(chart.bodyHouse[body], 12);
  }
  // All cusps on one point: every body falls back to a house instead of none.
  chart.houseCusp.fill(42);
  BodyHouses(chart);
  for (int body = 1; body <= kBodyCount; ++body) EXPECT_GE(chart.bodyHouse[body], 1);
}

TEST(Edges, BodyOnACuspBelongsToTheHouseThatBeginsThere) {
  ChartRecord chart = ComputeChart({1, 1, 1980, 12.00, -2, -26.06, 44.26});
  chart.bodyLongitude[kSun] = chart.houseCusp[3];
  chart.bodyLongitude[kMoon] = chart.houseCusp[12];
  chart.bodyLongitude[kMercury] = 359.9;  // between cusp 12 and a full turn
  chart.bodyLongitude[kVenus] = 5;        // between 0 and cusp 1
  BodyHouses(chart);
  EXPECT_EQ(chart.bodyHouse[kSun], 3);
  EXPECT_EQ(chart.bodyHouse[kMoon], 12);
  EXPECT_EQ(chart.bodyHouse[kMercury], 12);
  EXPECT_EQ(chart.bodyHouse[kVenus], 12);
}

}  // namespace
}  // namespace astrocore
