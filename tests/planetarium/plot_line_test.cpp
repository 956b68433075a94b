#include "planetarium/plot_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <set>
#include <utility>

namespace planetarium {
namespace {

using Pixels = std::set<std::pair<int, int>>;

constexpr int kColour = 12;

class PlotLineTest : public ::testing::Test {
 protected:
  wingraph::Device dev = wingraph::MakeMemoryDevice(800, 600);

  Pixels Lit() const {
    Pixels lit;
    for (int y = 0; y < 600; ++y) {
      for (int x = 0; x < 800; ++x) {
        const int c = wingraph::GetPixel(dev, x, y);
        if (c != 0) {
          EXPECT_EQ(c, kColour);
          lit.insert({x, y});
        }
      }
    }
    return lit;
  }

  Pixels Plot(double x1, double y1, double x2, double y2) {
    wingraph::ClearDevice(dev);
    PlotLine(dev, kColour, x1, y1, x2, y2);
    return Lit();
  }
};

TEST_F(PlotLineTest, StepsAlongXWithoutTheLastPixel) {
  const Pixels expected = {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2},
                           {5, 2}, {6, 3}, {7, 3}, {8, 4}, {9, 4}};
  EXPECT_EQ(Plot(0, 0, 10, 5), expected);
  // The smaller x is always the start, so the far end is still left out.
  EXPECT_EQ(Plot(10, 5, 0, 0), expected);
}

TEST_F(PlotLineTest, StartsAtTheRoundedEndWithTheFractionOfTheSlope) {
  // From x = 10.2 the first column is 10, the last is nint(15.7) - 1 = 15.
  EXPECT_EQ(Plot(10.2, 20.4, 15.7, 20.4),
            (Pixels{{10, 20}, {11, 20}, {12, 20}, {13, 20}, {14, 20}, {15, 20}}));
}

TEST_F(PlotLineTest, SteepLinesStepAlongYWithSixteenBitFractions) {
  // Slope 2/10 becomes 13107/65536, a little short of 0.2: row 5 stays in column 3.
  EXPECT_EQ(
      Plot(3, 0, 5, 10),
      (Pixels{{3, 0}, {3, 1}, {3, 2}, {3, 3}, {3, 4}, {3, 5}, {4, 6}, {4, 7}, {4, 8}, {4, 9}}));
}

TEST_F(PlotLineTest, FixedPointDivisionTruncatesTowardZero) {
  // The rows between -1 and 0 land on row 0, not above the page.
  const Pixels lit = Plot(0, -0.6, 10, 0.4);
  EXPECT_EQ(lit.size(), 10u);
  for (const auto& [x, y] : lit) EXPECT_EQ(y, 0) << x;
}

TEST_F(PlotLineTest, NothingForAPointOrSegmentsBeyondOneEdge) {
  EXPECT_TRUE(Plot(5, 5, 5, 5).empty());
  EXPECT_TRUE(Plot(-3, 10, -0.1, 20).empty());
  // Both ends at or beyond the last column: the segment is dropped as a whole.
  EXPECT_TRUE(Plot(799, 10, 850, 20).empty());
  EXPECT_TRUE(Plot(10, 599, 20, 700).empty());
  EXPECT_TRUE(Plot(10, -5, 700, -0.5).empty());
}

TEST_F(PlotLineTest, PixelsOffThePageAreDropped) {
  const Pixels lit = Plot(-20, 300, 20, 300);
  EXPECT_EQ(lit.size(), 20u);
  EXPECT_EQ(*lit.begin(), std::make_pair(0, 300));
  EXPECT_EQ(*lit.rbegin(), std::make_pair(19, 300));
}

TEST_F(PlotLineTest, HugeSegmentsAreClippedToThePage) {
  Pixels row;
  for (int x = 0; x < 800; ++x) row.insert({x, 100});
  EXPECT_EQ(Plot(-1e12, 100.2, 1e12, 100.2), row);

  Pixels diagonal;
  for (int i = 0; i < 600; ++i) diagonal.insert({i, i});
  EXPECT_EQ(Plot(-1e9, -1e9, 1e9, 1e9), diagonal);

  // Far beyond 2^53 pixels a double cannot place the line to a pixel any more; such segments
  // still end at once and plot at most one line's worth of pixels.
  const double max = std::numeric_limits<double>::max();
  EXPECT_LE(Plot(1e300, 100.2, -1e300, 100.2).size(), 800u);
  EXPECT_LE(Plot(-max, 100, max, 100).size(), 800u);
  EXPECT_LE(Plot(-max, -max, max, max).size(), 800u);
  EXPECT_LE(Plot(-1e200, -1e200, 1e200, 1e200).size(), 800u);

  // One end on the page, the other far away: the near end is exact.
  const Pixels lit = Plot(400.0, 300.0, 400.0 + 4e15, 300.0 + 1e15);
  EXPECT_EQ(lit.size(), 400u);
  EXPECT_TRUE(lit.count({400, 300}));
  EXPECT_TRUE(lit.count({404, 301}));
  EXPECT_TRUE(lit.count({799, 399}));
}

TEST_F(PlotLineTest, NonFiniteEndsDrawNothing) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(Plot(400, 300, inf, 300).empty());
  EXPECT_TRUE(Plot(-inf, 300, inf, 300).empty());
  EXPECT_TRUE(Plot(nan, 300, 500, 300).empty());
  EXPECT_TRUE(Plot(400, 300, 500, nan).empty());
}

TEST_F(PlotLineTest, OrbitPolygonIsClosedAndOnTheEllipse) {
  wingraph::ClearDevice(dev);
  const OrbitFrame circle{{400.0, 300.0}, {100.0, 0.0}, {0.0, 100.0}};
  DrawOrbit(dev, kColour, circle);
  const Pixels lit = Lit();
  for (const auto& [x, y] : lit) {
    const double r = std::hypot(x - 400.0, y - 300.0);
    EXPECT_GT(r, 98.5) << x << "," << y;
    EXPECT_LT(r, 101.5) << x << "," << y;
  }
  // Every corner of the 64-gon is reached by one of its two sides.
  for (int k = 0; k < 64; ++k) {
    const double theta = k * std::numbers::pi / 32.0;
    const int x = static_cast<int>(std::nearbyint(400.0 + 100.0 * std::cos(theta)));
    const int y = static_cast<int>(std::nearbyint(300.0 + 100.0 * std::sin(theta)));
    bool near = false;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) near = near || lit.count({x + dx, y + dy});
    }
    EXPECT_TRUE(near) << k;
  }
}

}  // namespace
}  // namespace planetarium
