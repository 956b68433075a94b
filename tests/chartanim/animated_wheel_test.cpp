#include "chartanim/animated_wheel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <string>

#include "wingraph/palette.h"
#include "wingraph/wingraph.h"

namespace chartanim {
namespace {

using astrocore::ChartRecord;
using wingraph::Device;
using wingraph::GetPixel;

// The centre and outer radius of the wheel on the 800 x 600 page.
constexpr int kCx = 499;
constexpr int kCy = 299;
constexpr int kR = 279;

// A chart laid out so that every landmark below has nothing else drawn over it: cusps at
// 25 + 30k degrees (house labels at 40 + 30k), nothing near 90 degrees but the Vertex.
ChartRecord LandmarkChart() {
  ChartRecord chart;
  chart.input.day = 1;
  chart.input.month = 1;
  chart.input.year = 1980;
  chart.input.localTime = 12;
  const double longitudes[] = {0,   0,   45,  135, 150, 200, 230, 250,
                               300, 320, 340, 0,   290, 90,  180, 270};
  for (int k = 1; k <= astrocore::kBodyCount; ++k) {
    chart.bodyLongitude[k] = longitudes[k];
    chart.bodyMotion[k] = astrocore::kMotionDirect;
    chart.bodyHouse[k] = 1 + k % 12;
  }
  chart.bodyMotion[astrocore::kSaturn] = astrocore::kMotionRetrograde;
  for (int i = 1; i <= astrocore::kHouseCount; ++i) chart.houseCusp[i] = 30 * (i - 1) + 25;
  return chart;
}

Device Frame(const ChartRecord& chart) {
  Device dev = wingraph::MakeMemoryDevice(800, 600);
  DrawAnimatedWheel(dev, chart);
  return dev;
}

struct Box {
  int x0, y0, x1, y1;
};

int CountColour(const Device& dev, Box b, int colour) {
  int n = 0;
  for (int y = b.y0; y <= b.y1; ++y)
    for (int x = b.x0; x <= b.x1; ++x) n += GetPixel(dev, x, y) == colour;
  return n;
}

// Lowest row holding the colour in the box, -1 when none.
int LowestRow(const Device& dev, Box b, int colour) {
  for (int y = b.y1; y >= b.y0; --y)
    for (int x = b.x0; x <= b.x1; ++x)
      if (GetPixel(dev, x, y) == colour) return y;
  return -1;
}

// Every pixel that `draw` sets on an empty page must have `colour` in the frame.
template <typename Draw>
void ExpectDrawnInFrame(const Device& frame, int colour, Draw draw) {
  Device alone = wingraph::MakeMemoryDevice(800, 600);
  wingraph::SetTextStyle(alone, 0, 0, 2);
  wingraph::SetColor(alone, colour);
  draw(alone);
  int checked = 0;
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x)
      if (GetPixel(alone, x, y) != 0) {
        ++checked;
        ASSERT_EQ(GetPixel(frame, x, y), colour) << "at " << x << "," << y;
      }
  EXPECT_GT(checked, 0);
}

TEST(DrawAnimatedWheel, CaptionStandsOnLine390) {
  const Device frame = Frame(LandmarkChart());
  ExpectDrawnInFrame(frame, wingraph::kYellow, [](Device& d) {
    wingraph::SetTextJustify(d, 0, 1);
    wingraph::OutTextXY(d, 20, 390, "Data:  1- 1-1980 ora: 12.00");
  });
  // Nothing yellow under the caption, left of the wheel.
  EXPECT_EQ(CountColour(frame, {0, 391, 215, 599}, wingraph::kYellow), 0);
}

TEST(DrawAnimatedWheel, MarkersOfBodies1To12Are8PixelsBelowTheirPlace) {
  const Device frame = Frame(LandmarkChart());
  // The Sun at 0 degrees on ring R - 50: its symbol is centred on (728, 299), whose centre
  // pixel stays empty; the marker is 8 pixels lower.
  EXPECT_EQ(GetPixel(frame, 728, 307), wingraph::kYellow);
  EXPECT_EQ(GetPixel(frame, 728, 299), 0);
  EXPECT_EQ(GetPixel(frame, 729, 299), wingraph::kLightRed);  // the symbol's central dot
  // The Ascendant at 0 degrees on ring R - 150: marker at (628, 307), its text centred on
  // (628, 299), reaching above and below the point.
  EXPECT_EQ(GetPixel(frame, 628, 307), wingraph::kYellow);
  EXPECT_GT(CountColour(frame, {612, 288, 644, 298}, wingraph::kLightMagenta), 0);
  EXPECT_GT(CountColour(frame, {612, 300, 644, 306}, wingraph::kLightMagenta), 0);
}

TEST(DrawAnimatedWheel, PointsFrom13OnHaveTheirMarkerOnThePoint) {
  const Device frame = Frame(LandmarkChart());
  EXPECT_EQ(GetPixel(frame, kCx, kCy - 129), wingraph::kYellow);  // Vertex at 90
  EXPECT_EQ(GetPixel(frame, kCx - 129, kCy), wingraph::kYellow);  // lunar node at 180
  EXPECT_EQ(GetPixel(frame, kCx, kCy + 129), wingraph::kYellow);  // Part of Fortune at 270
  EXPECT_GT(CountColour(frame, {kCx - 20, kCy - 141, kCx + 20, kCy - 121}, wingraph::kLightCyan),
            0);
  EXPECT_GT(CountColour(frame, {kCx - 149, kCy - 12, kCx - 109, kCy + 8}, kLunarNodeColour), 0);
  EXPECT_GT(CountColour(frame, {kCx - 20, kCy + 117, kCx + 20, kCy + 137}, kPartOfFortuneColour),
            0);
}

TEST(DrawAnimatedWheel, LunarNodeAndPartOfFortuneAreVisibleAndDistinct) {
  const std::set<int> others = {
      wingraph::kLightRed, wingraph::kLightMagenta, wingraph::kWhite,      wingraph::kLightCyan,
      wingraph::kYellow,   wingraph::kGreen,        wingraph::kLightGreen, 0};
  for (int colour : {kLunarNodeColour, kPartOfFortuneColour}) {
    EXPECT_EQ(others.count(colour), 0u) << colour;
    const wingraph::Rgb rgb = wingraph::kDefaultPalette[colour];
    EXPECT_GE(std::max({rgb.r, rgb.g, rgb.b}), 128) << colour;  // bright on black
  }
  EXPECT_NE(kLunarNodeColour, kPartOfFortuneColour);
}

TEST(DrawAnimatedWheel, HouseNumbersAre10PixelsBelowTheirPlace) {
  const Device frame = Frame(LandmarkChart());
  // House 1 from 25 to 55 degrees: label angle 40, radius R div 4 = 69: (552, 255).
  ExpectDrawnInFrame(frame, wingraph::kGreen, [](Device& d) {
    wingraph::SetTextJustify(d, 1, 1);
    wingraph::OutTextXY(d, 552, 265, "1");
  });
  // House 12 from 355 through 360 to 25 degrees: label angle 370, that is 10 degrees.
  ExpectDrawnInFrame(frame, wingraph::kGreen, [](Device& d) {
    wingraph::SetTextJustify(d, 1, 1);
    wingraph::OutTextXY(d, 567, 297, "12");
  });
}

TEST(DrawAnimatedWheel, HasNoTenDegreeTicks) {
  const Device frame = Frame(LandmarkChart());
  for (int degrees = 10; degrees < 360; degrees += 10) {
    if (degrees % 30 == 0) continue;  // sign boundaries
    const double a = degrees * std::numbers::pi / 180;
    for (int r = kR - 38; r <= kR - 2; ++r) {
      const int x = kCx + static_cast<int>(std::nearbyint(r * std::cos(a)));
      const int y = kCy - static_cast<int>(std::nearbyint(r * std::sin(a)));
      ASSERT_EQ(GetPixel(frame, x, y), 0) << degrees << " degrees, radius " << r;
    }
  }
}

TEST(DrawAnimatedWheel, LinesAreOnePixelThick) {
  const Device frame = Frame(LandmarkChart());
  // One column right of the 90-degree boundary each ring is crossed by a single pixel.
  EXPECT_EQ(CountColour(frame, {kCx + 1, kCy - kR - 5, kCx + 1, kCy - kR + 5}, wingraph::kWhite),
            1);
  EXPECT_EQ(CountColour(frame, {kCx + 1, kCy - kR + 35, kCx + 1, kCy - kR + 45}, wingraph::kWhite),
            1);
  EXPECT_EQ(CountColour(frame, {kCx + 1, kCy - 84, kCx + 1, kCy - 74}, wingraph::kGreen), 1);
  // The boundary at 0 degrees is one row high.
  EXPECT_EQ(CountColour(frame, {kCx + kR - 35, kCy - 3, kCx + kR - 5, kCy + 3}, wingraph::kWhite),
            31);
}

TEST(DrawAnimatedBodyRow, SymbolsStand8PixelsAboveTheTextLine) {
  const ChartRecord chart = LandmarkChart();
  Device dev = wingraph::MakeMemoryDevice(800, 600);
  // The Sun in row 1: its symbol centred on (10, 12), the centre pixel empty.
  DrawAnimatedBodyRow(dev, chart, 10, 1, astrocore::kSun, wingraph::kLightGreen);
  EXPECT_EQ(GetPixel(dev, 10, 12), 0);
  EXPECT_EQ(GetPixel(dev, 11, 12), wingraph::kLightGreen);
  EXPECT_EQ(GetPixel(dev, 10, 19), wingraph::kLightGreen);  // bottom of the ring
  EXPECT_EQ(GetPixel(dev, 10, 20), 0);
}

TEST(DrawAnimatedBodyRow, PointTextsShareTheLineOfTheRowTexts) {
  const ChartRecord chart = LandmarkChart();
  Device dev = wingraph::MakeMemoryDevice(800, 600);
  DrawAnimatedBodyRow(dev, chart, 10, 11, astrocore::kAscendant, wingraph::kLightGreen);
  const int pointText = LowestRow(dev, {0, 180, 21, 239}, wingraph::kLightGreen);
  const int degrees = LowestRow(dev, {24, 180, 45, 239}, wingraph::kLightRed);
  ASSERT_GT(pointText, 0);
  EXPECT_EQ(pointText, degrees);
  EXPECT_LE(pointText, 220);
}

TEST(DrawAnimatedBodyRow, ColumnsAndTexts) {
  const ChartRecord chart = LandmarkChart();
  Device dev = wingraph::MakeMemoryDevice(800, 600);
  // Saturn (retrograde, 250 degrees = 10 in the ninth sign) in row 7, house 8.
  DrawAnimatedBodyRow(dev, chart, 10, 7, astrocore::kSaturn, wingraph::kLightGreen);
  ExpectDrawnInFrame(dev, wingraph::kLightRed, [](Device& d) {
    wingraph::SetTextJustify(d, 1, 1);
    wingraph::OutTextXY(d, 33, 140, " 10:");
    wingraph::OutTextXY(d, 97, 140, "  0`  0\"");
    wingraph::OutTextXY(d, 127, 140, " R");
  });
  ExpectDrawnInFrame(dev, wingraph::kLightGreen, [](Device& d) {
    wingraph::SetTextJustify(d, 1, 1);
    wingraph::OutTextXY(d, 165, 140, "Casa  8");
  });
}

}  // namespace
}  // namespace chartanim
