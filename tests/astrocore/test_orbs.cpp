#include <gtest/gtest.h>

#include "astrocore/orbs.h"

namespace astrocore {
namespace {

// Every body far from the two under test, so only the pair's own entries matter.
ChartRecord PairChart(int j, double lonJ, int k, double lonK) {
  ChartRecord chart;
  chart.bodyLongitude.fill(0);
  chart.bodyLongitude[j] = lonJ;
  chart.bodyLongitude[k] = lonK;
  FindAspects(chart);
  return chart;
}

TEST(FindAspects, RecordsEachPairOnceByTheOrbsThatAdmitIt) {
  struct {
    const char* what;
    int j;
    double lonJ;
    int k;
    double lonK;
    int upper;  // aspectGrid [j][k]
    int lower;  // aspectGrid [k][j]
  } const cases[] = {
      {"same longitude is a conjunction", kMidheaven, 100, kVertex, 100, 1, 0},
      {"angle plus orb still counts", kSun, 100, kVenus, 132, 2, 0},
      {"angle minus orb still counts", kSun, 100, kVenus, 128, 2, 0},
      {"just beyond the orb does not", kSun, 100, kVenus, 132.01, 0, 0},
      {"both orbs admit it: above only", kSun, 100, kMoon, 105, 1, 0},
      {"only the higher body's orb: below", kMercury, 100, kNeptune, 108.15, 0, 1},
      {"separation taken across 0", kSun, 350, kMoon, 5, 1, 0},
      {"opposition across 0", kMoon, 10, kSaturn, 185, 13, 0},
      {"nothing in range", kSun, 100, kMoon, 120, 0, 0},
  };
  for (const auto& c : cases) {
    const ChartRecord chart = PairChart(c.j, c.lonJ, c.k, c.lonK);
    EXPECT_EQ(chart.aspectGrid[c.j][c.k], c.upper) << c.what;
    EXPECT_EQ(chart.aspectGrid[c.k][c.j], c.lower) << c.what;
  }
}

TEST(FindAspects, StartsFromAnEmptyGridAndKeepsTheDiagonalEmpty) {
  ChartRecord chart;
  for (auto& row : chart.aspectGrid) row.fill(7);
  for (int body = 1; body <= kBodyCount; ++body) chart.bodyLongitude[body] = 23.5 * body;
  FindAspects(chart);
  for (int j = 0; j <= kBodyCount; ++j) {
    EXPECT_EQ(chart.aspectGrid[j][j], 0);
    EXPECT_EQ(chart.aspectGrid[0][j], 0);
    EXPECT_EQ(chart.aspectGrid[j][0], 0);
  }
}

TEST(AspectTables, BandsOfOneRowNeverOverlap) {
  for (int body = 1; body <= kBodyCount; ++body) {
    for (int a = 1; a < kAspectCount; ++a) {
      EXPECT_LT(AspectAngle[a] + AspectOrb[body][a], AspectAngle[a + 1] - AspectOrb[body][a + 1])
          << BodyName[body] << " " << AspectName[a];
    }
  }
}

}  // namespace
}  // namespace astrocore
