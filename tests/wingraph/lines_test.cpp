// Lines: exact pixels, symmetry, thickness and clipping whatever the coordinates.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cmath>

#include "wingraph/page_probe.h"
#include "wingraph/wingraph.h"

namespace {

using namespace wingraph;
using wingraph_test::InkOf;
using wingraph_test::InkSet;

struct Segment {
  int x1, y1, x2, y2;
};

class LineShapes : public ::testing::TestWithParam<Segment> {};

TEST_P(LineShapes, HitsBothEndpointsAndOnePixelPerMajorStep) {
  const Segment s = GetParam();
  Device dev = MakeMemoryDevice(64, 64);
  SetColor(dev, 9);
  Line(dev, s.x1, s.y1, s.x2, s.y2);
  EXPECT_EQ(GetPixel(dev, s.x1, s.y1), 9);
  EXPECT_EQ(GetPixel(dev, s.x2, s.y2), 9);
  const int dx = std::abs(s.x2 - s.x1);
  const int dy = std::abs(s.y2 - s.y1);
  const auto ink = InkOf(dev);
  EXPECT_EQ(ink.count, std::max(dx, dy) + 1);
  EXPECT_EQ(ink.minX, std::min(s.x1, s.x2));
  EXPECT_EQ(ink.maxX, std::max(s.x1, s.x2));
  EXPECT_EQ(ink.minY, std::min(s.y1, s.y2));
  EXPECT_EQ(ink.maxY, std::max(s.y1, s.y2));
  // Every pixel lies within half a pixel of the ideal line along the minor axis.
  if (dx == 0 && dy == 0) return;
  for (auto [x, y] : InkSet(dev)) {
    if (dx >= dy) {
      const double ideal = s.y1 + static_cast<double>(x - s.x1) * (s.y2 - s.y1) / (s.x2 - s.x1);
      EXPECT_LE(std::abs(y - ideal), 0.5) << x << "," << y;
    } else {
      const double ideal = s.x1 + static_cast<double>(y - s.y1) * (s.x2 - s.x1) / (s.y2 - s.y1);
      EXPECT_LE(std::abs(x - ideal), 0.5) << x << "," << y;
    }
  }
}

TEST_P(LineShapes, IsTheSameDrawnEitherWay) {
  const Segment s = GetParam();
  Device forward = MakeMemoryDevice(64, 64);
  Device backward = MakeMemoryDevice(64, 64);
  Line(forward, s.x1, s.y1, s.x2, s.y2);
  Line(backward, s.x2, s.y2, s.x1, s.y1);
  EXPECT_EQ(forward.pages[0], backward.pages[0]);
}

TEST_P(LineShapes, ThickLineAddsBothNeighboursAcrossTheMinorAxis) {
  const Segment s = GetParam();
  Device thin = MakeMemoryDevice(64, 64);
  Device thick = MakeMemoryDevice(64, 64);
  Line(thin, s.x1, s.y1, s.x2, s.y2);
  SetLineStyle(thick, 0, 0, 3);
  Line(thick, s.x1, s.y1, s.x2, s.y2);
  const bool xMajor = std::abs(s.x2 - s.x1) >= std::abs(s.y2 - s.y1);
  wingraph_test::PixelSet expected;
  for (auto [x, y] : InkSet(thin)) {
    for (int k = -1; k <= 1; ++k) expected.emplace(xMajor ? x : x + k, xMajor ? y + k : y);
  }
  EXPECT_EQ(InkSet(thick), expected);
}

INSTANTIATE_TEST_SUITE_P(Segments, LineShapes,
                         ::testing::Values(Segment{5, 5, 40, 5}, Segment{7, 50, 7, 3},
                                           Segment{3, 3, 30, 30}, Segment{30, 3, 3, 30},
                                           Segment{2, 10, 50, 17}, Segment{50, 17, 2, 10},
                                           Segment{10, 2, 17, 50}, Segment{20, 60, 23, 2},
                                           Segment{4, 9, 12, 10}, Segment{33, 33, 33, 33}));

TEST(Line, UsesTheCurrentColourAndLeavesOtherPagesAlone) {
  Device dev = MakeMemoryDevice(20, 20);
  SetColor(dev, 200);
  Line(dev, 0, 0, 19, 19);
  EXPECT_EQ(GetPixel(dev, 10, 10), 200);
  for (int p = 1; p < kPageCount; ++p) {
    EXPECT_EQ(std::count(dev.pages[p].begin(), dev.pages[p].end(), 0),
              static_cast<long>(dev.pages[p].size()));
  }
}

// A page is a window on an unbounded plane: the pixels a line leaves on a small page equal
// the same window of a page large enough to hold the whole line.
TEST(Line, ClippingKeepsExactlyThePixelsOfTheUnclippedLine) {
  const Segment segments[] = {
      {-30, -7, 70, 41}, {-5, 90, 45, -60}, {12, -40, 13, 80}, {-50, 20, 80, 21}, {39, 39, 60, 60}};
  for (int thickness : {1, 3}) {
    for (const Segment& s : segments) {
      Device big = MakeMemoryDevice(300, 300);
      Device small = MakeMemoryDevice(40, 40);
      SetLineStyle(big, 0, 0, thickness);
      SetLineStyle(small, 0, 0, thickness);
      Line(big, s.x1 + 100, s.y1 + 100, s.x2 + 100, s.y2 + 100);
      Line(small, s.x1, s.y1, s.x2, s.y2);
      for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
          ASSERT_EQ(GetPixel(small, x, y), GetPixel(big, x + 100, y + 100))
              << "line " << s.x1 << "," << s.y1 << " " << s.x2 << "," << s.y2 << " at " << x << ","
              << y << " thickness " << thickness;
        }
      }
    }
  }
}

TEST(Line, HugeCoordinatesAreClippedQuicklyAndExactly) {
  Device dev = MakeMemoryDevice(100, 100);
  const auto start = std::chrono::steady_clock::now();
  SetLineStyle(dev, 0, 0, 3);
  Line(dev, INT_MIN, INT_MIN, INT_MAX, INT_MAX);  // the diagonal through the page
  Line(dev, INT_MIN, 50, INT_MAX, 50);
  Line(dev, 20, INT_MAX, 20, INT_MIN);
  Line(dev, INT_MIN, INT_MAX, INT_MIN + 1, INT_MIN);  // far off the page
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_LT(elapsed, std::chrono::milliseconds(50));
  for (int i = 0; i < 100; ++i) {
    EXPECT_EQ(GetPixel(dev, i, 50), 15);
    EXPECT_EQ(GetPixel(dev, 20, i), 15);
  }
  // The diagonal from INT_MIN to INT_MAX passes half a pixel off (k, k): its slope is
  // (2^32 - 1) / (2^32 - 1) = 1 exactly, so it is the page diagonal.
  for (int k = 0; k < 100; ++k) EXPECT_EQ(GetPixel(dev, k, k), 15) << k;
  EXPECT_EQ(GetPixel(dev, 0, 99), 0);
}

TEST(Line, SteepHugeLineStaysWithinHalfAPixelOfTheIdeal) {
  Device dev = MakeMemoryDevice(50, 50);
  const long long x1 = -1000000000, y1 = -2000000000, x2 = 1000000020, y2 = 2000000030;
  Line(dev, x1, y1, x2, y2);
  int count = 0;
  for (auto [x, y] : InkSet(dev)) {
    const double ideal = x1 + static_cast<double>(y - y1) * (x2 - x1) / (y2 - y1);
    EXPECT_LE(std::abs(x - ideal), 0.5);
    ++count;
  }
  EXPECT_EQ(count, 50);  // one pixel in each row
}

TEST(Rectangle, IsFourLinesThroughTheCornersInAnyOrder) {
  for (auto [x1, y1, x2, y2] :
       {Segment{3, 4, 20, 15}, Segment{20, 15, 3, 4}, Segment{20, 4, 3, 15}}) {
    Device dev = MakeMemoryDevice(30, 30);
    SetColor(dev, 5);
    Rectangle(dev, x1, y1, x2, y2);
    const auto ink = InkOf(dev);
    EXPECT_EQ(ink.minX, 3);
    EXPECT_EQ(ink.maxX, 20);
    EXPECT_EQ(ink.minY, 4);
    EXPECT_EQ(ink.maxY, 15);
    EXPECT_EQ(ink.count, 2 * 18 + 2 * 10);  // an outline, the inside stays empty
    EXPECT_EQ(GetPixel(dev, 10, 10), 0);
  }
}

TEST(Rectangle, ThickOutlineIsThreePixelsWide) {
  Device dev = MakeMemoryDevice(30, 30);
  SetLineStyle(dev, 0, 0, 3);
  Rectangle(dev, 5, 5, 20, 20);
  const auto ink = InkOf(dev);
  EXPECT_EQ(ink.minX, 4);
  EXPECT_EQ(ink.maxX, 21);
  EXPECT_EQ(GetPixel(dev, 12, 4), 15);
  EXPECT_EQ(GetPixel(dev, 12, 6), 15);
  EXPECT_EQ(GetPixel(dev, 12, 7), 0);
}

TEST(Bar, FillsInclusiveCornersInTheFillColourWithoutOutline) {
  for (auto [x1, y1, x2, y2] : {Segment{2, 3, 9, 7}, Segment{9, 7, 2, 3}, Segment{2, 7, 9, 3}}) {
    Device dev = MakeMemoryDevice(12, 12);
    SetColor(dev, 15);
    SetFillStyle(dev, 1, 4);
    Bar(dev, x1, y1, x2, y2);
    const auto ink = InkOf(dev);
    EXPECT_EQ(ink.minX, 2);
    EXPECT_EQ(ink.maxX, 9);
    EXPECT_EQ(ink.minY, 3);
    EXPECT_EQ(ink.maxY, 7);
    EXPECT_EQ(ink.count, 8 * 5);
    EXPECT_EQ(GetPixel(dev, 2, 3), 4);  // the corner takes the fill colour, not the line colour
    EXPECT_EQ(GetColor(dev), 15);
  }
}

TEST(Bar, IsClippedForAnyCoordinates) {
  Device dev = MakeMemoryDevice(10, 10);
  SetFillStyle(dev, 1, 2);
  Bar(dev, INT_MIN, 8, INT_MAX, INT_MAX);
  EXPECT_EQ(InkOf(dev).count, 20);
  Bar(dev, INT_MIN, INT_MIN, -1, INT_MAX);  // wholly left of the page
  Bar(dev, 10, 0, 20, 5);                   // wholly right of it
  EXPECT_EQ(InkOf(dev).count, 20);
}

TEST(PutPixel, SetsOnePixelWithoutChangingTheColourAndIgnoresOffPage) {
  Device dev = MakeMemoryDevice(8, 8);
  PutPixel(dev, 3, 4, 77);
  PutPixel(dev, -1, 0, 77);
  PutPixel(dev, 8, 0, 77);
  PutPixel(dev, INT_MIN, INT_MAX, 77);
  EXPECT_EQ(GetPixel(dev, 3, 4), 77);
  EXPECT_EQ(InkOf(dev).count, 1);
  EXPECT_EQ(GetColor(dev), 15);
  EXPECT_EQ(GetPixel(dev, -1, 0), 0);
}

}  // namespace
