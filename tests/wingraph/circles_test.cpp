// Circles and elliptic arcs: radius, symmetry, gap-free rings, arcs and clipping.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cmath>

#include "wingraph/page_probe.h"
#include "wingraph/wingraph.h"

namespace {

using namespace wingraph;
using wingraph_test::EightConnected;
using wingraph_test::InkOf;
using wingraph_test::InkSet;
using wingraph_test::PixelSet;

constexpr double kPi = 3.14159265358979323846;

PixelSet CircleOffsets(int radius, int thickness = 1) {
  Device dev = MakeMemoryDevice(2 * radius + 9, 2 * radius + 9);
  SetLineStyle(dev, 0, 0, thickness);
  const int c = radius + 4;
  Circle(dev, c, c, radius);
  return InkSet(dev, -c, -c);
}

class CircleRadius : public ::testing::TestWithParam<int> {};

TEST_P(CircleRadius, TouchesTheAxesAtTheRadiusAndIsEightfoldSymmetric) {
  const int r = GetParam();
  const PixelSet ring = CircleOffsets(r);
  for (auto [x, y] : {std::pair{r, 0}, {-r, 0}, {0, r}, {0, -r}}) {
    EXPECT_TRUE(ring.count({x, y})) << x << "," << y;
  }
  for (auto [x, y] : ring) {
    EXPECT_TRUE(ring.count({-x, y}) && ring.count({x, -y}) && ring.count({y, x}))
        << "radius " << r << " pixel " << x << "," << y;
    // Each pixel is the nearest to the true circle along its step axis.
    EXPECT_LE(std::abs(std::hypot(x, y) - r), 0.75) << x << "," << y;
  }
}

TEST_P(CircleRadius, RingHasNoGapsAndNoInnerPixels) {
  const int r = GetParam();
  const PixelSet ring = CircleOffsets(r);
  EXPECT_TRUE(EightConnected(ring));
  const auto ink = std::max_element(ring.begin(), ring.end());
  EXPECT_EQ(ink->first, r);
  // One pixel per column in the flat octants: the ring is one pixel thin there.
  for (int x = 0; x <= r * 7 / 10; ++x) {
    int upper = 0;
    for (int y = -r; y < 0; ++y) upper += ring.count({x, y});
    EXPECT_EQ(upper, 1) << "radius " << r << " column " << x;
  }
}

TEST_P(CircleRadius, ThickCircleIsThreeConcentricRings) {
  const int r = GetParam();
  PixelSet expected = CircleOffsets(r);
  if (r >= 1) expected.merge(CircleOffsets(r - 1));
  expected.merge(CircleOffsets(r + 1));
  EXPECT_EQ(CircleOffsets(r, 3), expected);
}

INSTANTIATE_TEST_SUITE_P(Radii, CircleRadius, ::testing::Values(1, 2, 3, 5, 8, 13, 40, 97, 250));

TEST(Circle, MatchesTheClassicIntegerMidpointAlgorithm) {
  for (int r : {1, 4, 10, 33, 120}) {
    PixelSet expected;
    int x = 0, y = r, d = 1 - r;
    while (x <= y) {
      for (auto [a, b] : {std::pair{x, y}, {y, x}}) {
        expected.insert({a, b});
        expected.insert({-a, b});
        expected.insert({a, -b});
        expected.insert({-a, -b});
      }
      ++x;
      if (d < 0) {
        d += 2 * x + 1;
      } else {
        --y;
        d += 2 * (x - y) + 1;
      }
    }
    EXPECT_EQ(CircleOffsets(r), expected) << "radius " << r;
  }
}

TEST(Circle, RadiusZeroIsOnePixelAndNegativeRadiusDrawsNothing) {
  Device dev = MakeMemoryDevice(10, 10);
  Circle(dev, 5, 5, -3);
  Circle(dev, 5, 5, INT_MIN);
  EXPECT_EQ(InkOf(dev).count, 0);
  Circle(dev, 5, 5, 0);
  EXPECT_EQ(InkOf(dev).count, 1);
  EXPECT_EQ(GetPixel(dev, 5, 5), 15);
}

TEST(Circle, ClippingKeepsExactlyThePixelsOfTheWholeCircle) {
  struct Case {
    int cx, cy, r;
  };
  for (int thickness : {1, 3}) {
    for (Case c : {Case{-20, 10, 45}, Case{20, 20, 60}, Case{50, -10, 25}, Case{0, 0, 39}}) {
      Device big = MakeMemoryDevice(300, 300);
      Device small = MakeMemoryDevice(40, 40);
      SetLineStyle(big, 0, 0, thickness);
      SetLineStyle(small, 0, 0, thickness);
      Circle(big, c.cx + 120, c.cy + 120, c.r);
      Circle(small, c.cx, c.cy, c.r);
      for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
          ASSERT_EQ(GetPixel(small, x, y), GetPixel(big, x + 120, y + 120))
              << c.cx << "," << c.cy << " r " << c.r << " at " << x << "," << y;
        }
      }
    }
  }
}

TEST(Circle, HugeRadiusIsFastAndStaysOnTheTrueCircle) {
  Device dev = MakeMemoryDevice(200, 200);
  const auto start = std::chrono::steady_clock::now();
  SetLineStyle(dev, 0, 0, 3);
  Circle(dev, 100, 100, 2000000000);  // wholly outside
  Circle(dev, INT_MAX, INT_MIN, INT_MAX);
  EXPECT_EQ(InkOf(dev).count, 0);
  SetLineStyle(dev, 0, 0, 1);
  // Centre far below the page, radius reaching just into it: an almost straight arc.
  const long long cy = 2000000050;
  const long long r = 2000000000;
  Circle(dev, 100, static_cast<int>(cy), static_cast<int>(r));
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_LT(elapsed, std::chrono::milliseconds(50));
  const PixelSet ink = InkSet(dev);
  EXPECT_EQ(ink.size(), 200u);  // one pixel per column of the page
  for (auto [x, y] : ink) {
    const long double dx = x - 100;
    const long double exact = cy - std::sqrt(static_cast<long double>(r) * r - dx * dx);
    EXPECT_LE(std::fabs(static_cast<double>(y - exact)), 0.5) << x << "," << y;
  }
}

// Parametric angle of an ellipse pixel offset (y up), degrees in [0, 360).
double ParametricAngle(int dx, int dyDown, int xr, int yr) {
  double a =
      std::atan2(-static_cast<double>(dyDown) / yr, static_cast<double>(dx) / xr) * 180 / kPi;
  return a < 0 ? a + 360 : a;
}

TEST(Ellipse, ArcFrom330To210GoesOverTheTopAndLeavesTheBottomOut) {
  Device dev = MakeMemoryDevice(101, 101);
  Ellipse(dev, 50, 50, 330, 210, 40, 20);
  const PixelSet ink = InkSet(dev, -50, -50);
  EXPECT_TRUE(ink.count({0, -20}));  // the top, 90 degrees
  EXPECT_TRUE(ink.count({40, 0}));   // 0 degrees
  EXPECT_TRUE(ink.count({-40, 0}));  // 180 degrees
  EXPECT_FALSE(ink.count({0, 20}));  // the bottom, 270 degrees
  for (auto [x, y] : ink) {
    const double a = ParametricAngle(x, y, 40, 20);
    EXPECT_FALSE(a > 212 && a < 328) << x << "," << y << " at " << a;
  }
  EXPECT_TRUE(EightConnected(ink));
  // The arc ends where the angles say: at 330 degrees right of and below the centre.
  const int ex = static_cast<int>(std::lround(40 * std::cos(330 * kPi / 180)));
  const int ey = static_cast<int>(std::lround(-20 * std::sin(330 * kPi / 180)));
  bool nearEnd = false;
  for (auto [x, y] : ink) nearEnd |= std::abs(x - ex) <= 1 && std::abs(y - ey) <= 1;
  EXPECT_TRUE(nearEnd);
}

TEST(Ellipse, FullSweepWithEqualRadiiIsTheCircle) {
  for (auto [start, end] : {std::pair{0, 360}, {90, 450}, {-30, 330}}) {
    Device ellipse = MakeMemoryDevice(80, 80);
    Device circle = MakeMemoryDevice(80, 80);
    Ellipse(ellipse, 40, 40, start, end, 30, 30);
    Circle(circle, 40, 40, 30);
    EXPECT_EQ(ellipse.pages[0], circle.pages[0]) << start << " " << end;
  }
}

TEST(Ellipse, WholeEllipsesAreSymmetricGapFreeAndTouchTheirRadii) {
  for (auto [xr, yr] : {std::pair{40, 20}, {20, 40}, {1, 9}, {60, 3}, {7, 6}, {100, 99}}) {
    Device dev = MakeMemoryDevice(2 * xr + 5, 2 * yr + 5);
    Ellipse(dev, xr + 2, yr + 2, 0, 360, xr, yr);
    const PixelSet ink = InkSet(dev, -(xr + 2), -(yr + 2));
    EXPECT_TRUE(EightConnected(ink)) << xr << "x" << yr;
    for (auto [x, y] : {std::pair{xr, 0}, {-xr, 0}, {0, yr}, {0, -yr}}) {
      EXPECT_TRUE(ink.count({x, y})) << xr << "x" << yr << " " << x << "," << y;
    }
    for (auto [x, y] : ink) EXPECT_TRUE(ink.count({-x, y}) && ink.count({x, -y}));
    const auto box = InkOf(dev);
    EXPECT_EQ(box.maxX - box.minX, 2 * xr);
    EXPECT_EQ(box.maxY - box.minY, 2 * yr);
  }
}

TEST(Ellipse, FlatEllipsesAreLinesAndHugeOnesAreClipped) {
  Device dev = MakeMemoryDevice(50, 50);
  Ellipse(dev, 25, 25, 0, 360, 10, 0);
  EXPECT_EQ(InkOf(dev).count, 21);
  ClearDevice(dev);
  Ellipse(dev, 25, 25, 0, 180, 0, 10);  // the upper half of a vertical stroke
  const auto ink = InkOf(dev);
  EXPECT_EQ(ink.minY, 15);
  EXPECT_EQ(ink.maxY, 25);
  ClearDevice(dev);
  const auto start = std::chrono::steady_clock::now();
  Ellipse(dev, 25, 25, 330, 210, INT_MAX, INT_MAX);
  Ellipse(dev, 25, 25, 0, 360, -5, 10);
  SetLineStyle(dev, 0, 0, 3);
  Ellipse(dev, 25, INT_MAX, 0, 360, INT_MAX, INT_MAX - 30);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
  // Only the last one, whose top runs across the page, leaves pixels: three rows of them.
  const auto far = InkOf(dev);
  EXPECT_EQ(far.count, 150);
  EXPECT_EQ(far.minY, 29);
  EXPECT_EQ(far.maxY, 31);
}

TEST(Ellipse, ExtremeRadiusRatiosAreFast) {
  Device dev = MakeMemoryDevice(50, 50);
  const auto start = std::chrono::steady_clock::now();
  Ellipse(dev, 25, 25, 0, 360, INT_MAX, 1);  // two rows across the page
  Ellipse(dev, 25, 25, 0, 360, 1, INT_MAX);  // two columns down it
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
  EXPECT_EQ(InkOf(dev).count, 4 * 50 - 4);
  for (int i = 0; i < 50; ++i) {
    EXPECT_EQ(GetPixel(dev, i, 24), 15);
    EXPECT_EQ(GetPixel(dev, 26, i), 15);
  }
}

TEST(Ellipse, ThickArcIsThreeArcs) {
  Device thick = MakeMemoryDevice(80, 80);
  Device rings = MakeMemoryDevice(80, 80);
  SetLineStyle(thick, 0, 0, 3);
  Ellipse(thick, 40, 40, 330, 210, 30, 12);
  for (int k = -1; k <= 1; ++k) Ellipse(rings, 40, 40, 330, 210, 30 + k, 12 + k);
  EXPECT_EQ(thick.pages[0], rings.pages[0]);
}

}  // namespace
