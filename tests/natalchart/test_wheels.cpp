// The chart wheels: geometry, polar placement, house labels, the glyph wheel and its
// animated variant, the name wheel, the body table and the caption.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <string_view>
#include <tuple>

#include "astrocore/chart.h"
#include "natalchart/chart_symbols.h"
#include "natalchart/wheels.h"
#include "test_screens_support.h"
#include "wingraph/palette.h"
#include "wingraph/wingraph.h"

namespace natalchart {
namespace {

using natalchart_test::ColourNear;
using natalchart_test::Coverage;
using natalchart_test::Covers;
using natalchart_test::LitPixels;
using natalchart_test::RayPixels;
using natalchart_test::TextAlone;

constexpr double kPi = std::numbers::pi;
constexpr double kDeg = kPi / 180;

// Bodies spread round the wheel (the Sun at 0, the Moon at 90); the twelfth house runs from
// 350 through 360 to 20. Positions keep the checked marks clear of later drawing.
astrocore::ChartRecord TestChart() {
  astrocore::ChartRecord chart;
  chart.input = astrocore::ChartInput{5, 11, 1975, 14.3, -2, -26.06, 44.26};
  chart.bodyLongitude = {0, 0, 90, 180, 270, 65, 135, 225, 315, 15.5, 200, 100, 170, 160, 250, 330};
  chart.houseCusp = {0, 20, 50, 80, 110, 140, 170, 230, 250, 280, 290, 320, 350};
  for (int k = 1; k <= 15; ++k) {
    chart.bodyMotion[k] = astrocore::kMotionDirect;
    chart.bodyHouse[k] = (k % 12) + 1;
  }
  chart.bodyMotion[3] = astrocore::kMotionRetrograde;
  chart.bodyHouse[3] = 12;
  return chart;
}

struct GeometryCase {
  int width;
  int height;
  WheelGeometry expected;
};

TEST(WheelGeometryOf, FollowsTheWindowSize) {
  for (const GeometryCase& c :
       {GeometryCase{640, 480, {219, 419, 239}}, GeometryCase{800, 600, {279, 499, 299}}}) {
    const WheelGeometry g = WheelGeometryOf(wingraph::MakeMemoryDevice(c.width, c.height));
    EXPECT_EQ(g.radius, c.expected.radius);
    EXPECT_EQ(g.cx, c.expected.cx);
    EXPECT_EQ(g.cy, c.expected.cy);
  }
}

struct PolarCase {
  double radians;
  double r;
  int x;
  int y;
};

// The products are rounded half to even: 2.5 -> 2, 3.5 -> 4, -0.5 -> 0, 109.5 -> 110.
constexpr WheelGeometry kNatal{219, 419, 239};
constexpr std::array<PolarCase, 9> kPolarCases = {{
    {0, 169, 588, 239},
    {90 * kDeg, 159, 419, 80},
    {180 * kDeg, 2.5, 417, 239},
    {0, 3.5, 423, 239},
    {90 * kDeg, 109.5, 419, 129},
    {270 * kDeg, 0.5, 419, 239},
    {365 * kDeg, 54, 473, 234},
    {5 * kDeg, 54, 473, 234},
    {kPi / 4, 100, 490, 168},
}};

TEST(PolarPoint, RoundsEachProductHalfToEven) {
  for (const PolarCase& c : kPolarCases) {
    SCOPED_TRACE(c.radians);
    const PixelPoint p = PolarPoint(kNatal, c.radians, c.r);
    EXPECT_EQ(p.x, c.x);
    EXPECT_EQ(p.y, c.y);
  }
}

TEST(PolarPoint, NonFiniteAngleOrRadiusStaysDefined) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const PixelPoint p = PolarPoint(kNatal, nan, 100);
  EXPECT_EQ(p.x, 419);
  EXPECT_EQ(p.y, 239);
  const PixelPoint far = PolarPoint(kNatal, 0, 1e300);
  EXPECT_GT(far.x, 10000);
  EXPECT_EQ(far.y, 239);
}

struct LabelCase {
  double from;
  double to;
  double angle;
};

TEST(HouseLabelAngle, LiesHalfwayToTheNextCuspThrough360) {
  for (const LabelCase& c :
       {LabelCase{20, 50, 35}, LabelCase{350, 20, 365}, LabelCase{100, 100, 100},
        LabelCase{359, 0, 359.5}, LabelCase{0, 359, 179.5}}) {
    SCOPED_TRACE(c.from);
    astrocore::ChartRecord chart;
    chart.houseCusp[12] = c.from;
    chart.houseCusp[1] = c.to;
    chart.houseCusp[5] = c.from;
    chart.houseCusp[6] = c.to;
    EXPECT_DOUBLE_EQ(HouseLabelAngle(chart, 12), c.angle);
    EXPECT_DOUBLE_EQ(HouseLabelAngle(chart, 5), c.angle);
  }
  EXPECT_EQ(HouseLabelAngle(TestChart(), 0), 0);
  EXPECT_EQ(HouseLabelAngle(TestChart(), 13), 0);
}

// A symbol drawn alone at a point must be found, pixel for pixel, on the screen.
Coverage BodyFound(const wingraph::Device& screen, PixelPoint p, int body, int colour,
                   int textDrop = 0) {
  wingraph::Device alone =
      wingraph::MakeMemoryDevice(wingraph::GetMaxX(screen) + 1, wingraph::GetMaxY(screen) + 1);
  DrawBodyGlyph(alone, p.x, p.y, body, colour, textDrop);
  return Covers(screen, alone, colour);
}

TEST(DrawGlyphWheel, PlacesBodiesOnTheirRingsWithAYellowMarker) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  DrawGlyphWheel(dev, TestChart());
  // Sun at 0 degrees straight right of the centre, the Moon at 90 straight above it.
  EXPECT_EQ(wingraph::GetPixel(dev, 588, 239), wingraph::kYellow);
  EXPECT_EQ(wingraph::GetPixel(dev, 419, 80), wingraph::kYellow);
  EXPECT_EQ(BodyFound(dev, {588, 239}, 1, wingraph::kLightRed).missing, 0);
  EXPECT_EQ(BodyFound(dev, {419, 80}, 2, wingraph::kLightRed).missing, 0);
  // Pluto on the innermost planet ring, R - 140.
  const PixelPoint pluto = PolarPoint(kNatal, 200 * kDeg, 79);
  EXPECT_EQ(wingraph::GetPixel(dev, pluto.x, pluto.y), wingraph::kYellow);
  EXPECT_EQ(BodyFound(dev, pluto, 10, wingraph::kLightRed).missing, 0);
}

TEST(DrawGlyphWheel, DrawsThickRingsThinTicksAndHighlightedAngularCusps) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  DrawGlyphWheel(dev, TestChart());
  // 3-pixel rings at R and R - 40, green inner ring at R div 4 + 10.
  EXPECT_EQ(RayPixels(dev, kNatal, 27, 214, 224, wingraph::kWhite), 3);
  EXPECT_EQ(RayPixels(dev, kNatal, 27, 174, 184, wingraph::kWhite), 3);
  EXPECT_EQ(RayPixels(dev, kNatal, 27, 59, 69, wingraph::kGreen), 3);
  // Cyan ticks every 10 degrees inside each sign, on the ring band only.
  EXPECT_GE(RayPixels(dev, kNatal, 40, 182, 216, wingraph::kCyan), 25);
  EXPECT_EQ(RayPixels(dev, kNatal, 40, 100, 170, wingraph::kCyan), 0);
  // Thick sign boundary at 30 degrees across the ring band.
  const PixelPoint mid = PolarPoint(kNatal, 30 * kDeg, 199);
  EXPECT_GE(LitPixels(dev, mid.x - 2, mid.y, mid.x + 2, mid.y, wingraph::kWhite).count, 3);
  // House 1 (20 degrees) and 4 (110) light magenta, house 2 (50) green, all thin.
  EXPECT_GE(RayPixels(dev, kNatal, 110, 90, 150, wingraph::kLightMagenta), 45);
  EXPECT_GE(RayPixels(dev, kNatal, 50, 90, 150, wingraph::kGreen), 45);
  const PixelPoint cusp = PolarPoint(kNatal, 110 * kDeg, 120);
  EXPECT_EQ(LitPixels(dev, cusp.x - 3, cusp.y, cusp.x + 3, cusp.y, wingraph::kLightMagenta).count,
            1);
}

TEST(DrawGlyphWheel, SignSymbolsSitMidSectorOnTheRingBand) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  DrawGlyphWheel(dev, TestChart());
  for (int sign = 1; sign <= 12; ++sign) {
    SCOPED_TRACE(sign);
    const PixelPoint p = PolarPoint(kNatal, (sign - 1) * kPi / 6 + kPi / 12, 199);
    wingraph::Device alone = wingraph::MakeMemoryDevice(640, 480);
    DrawSignGlyph(alone, p.x, p.y, sign, wingraph::kWhite);
    EXPECT_EQ(Covers(dev, alone, wingraph::kWhite).missing, 0);
  }
}

TEST(DrawGlyphWheel, PointsShareTheInnerRing) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  const astrocore::ChartRecord chart = TestChart();
  DrawGlyphWheel(dev, chart);
  for (int k = 11; k <= 15; ++k) {
    SCOPED_TRACE(k);
    const PixelPoint p = PolarPoint(kNatal, chart.bodyLongitude[k] * kDeg, 69);
    EXPECT_EQ(wingraph::GetPixel(dev, p.x, p.y), wingraph::kYellow);
    const Coverage text = BodyFound(dev, p, k, wingraph::kLightMagenta);
    EXPECT_GT(text.referencePixels, 0);
    EXPECT_LE(text.missing, 1);
  }
}

TEST(DrawGlyphWheel, TwelfthHouseNumberSitsAcross360Degrees) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  DrawGlyphWheel(dev, TestChart());
  // Label angle 365 degrees at radius R div 4 = 54: (473, 234).
  const Coverage label = Covers(dev, TextAlone(640, 480, 473, 234, "12", 2), wingraph::kGreen);
  ASSERT_GT(label.referencePixels, 0);
  EXPECT_EQ(label.missing, 0);
  // House 1 is labelled "1" at 35 degrees.
  const PixelPoint one = PolarPoint(kNatal, 35 * kDeg, 54);
  EXPECT_EQ(Covers(dev, TextAlone(640, 480, one.x, one.y, "1", 2), wingraph::kGreen).missing, 0);
}

TEST(DrawGlyphWheel, EndsWithTheCaptionInYellowLeftJustified) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  DrawGlyphWheel(dev, TestChart());
  EXPECT_EQ(dev.state.color, wingraph::kYellow);
  EXPECT_EQ(dev.state.justifyH, 0);
  EXPECT_EQ(dev.state.justifyV, 1);
  EXPECT_EQ(dev.state.lineThickness, 1);
}

// The animated chart's variant of the wheel on its 800 x 600 page.
constexpr BodyRowStyle kLightRow{8, 8, 23, 50, 87, 117, 155, ":", " D", " R", "Casa"};
constexpr WheelStyle kLightWheel{
    false, false,     8,  10, {wingraph::kLightCyan, wingraph::kLightBlue, wingraph::kGrey},
    8,     kLightRow, 390};
constexpr WheelGeometry kAnimated{279, 499, 299};

TEST(DrawGlyphWheel, StyleGivesThinLinesNoTicksAndLowerMarks) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(800, 600);
  const astrocore::ChartRecord chart = TestChart();
  DrawGlyphWheel(dev, chart, kLightWheel);
  EXPECT_EQ(dev.state.lineThickness, 1);
  EXPECT_EQ(RayPixels(dev, kAnimated, 5, 274, 284, wingraph::kWhite), 1);
  EXPECT_EQ(RayPixels(dev, kAnimated, 5, 234, 244, wingraph::kWhite), 1);
  EXPECT_EQ(LitPixels(dev, wingraph::kCyan).count, 0);
  // Sun at R - 50 = 229: symbol on the point, marker 8 pixels below it.
  EXPECT_EQ(wingraph::GetPixel(dev, 728, 307), wingraph::kYellow);
  EXPECT_EQ(wingraph::GetPixel(dev, 728, 299), 0);
  EXPECT_EQ(BodyFound(dev, {728, 299}, 1, wingraph::kLightRed).missing, 0);
  // Points: text centred on the point, marker exactly on it, in the style's colours.
  for (int k = 13; k <= 15; ++k) {
    SCOPED_TRACE(k);
    const PixelPoint p = PolarPoint(kAnimated, chart.bodyLongitude[k] * kDeg, 129);
    EXPECT_EQ(wingraph::GetPixel(dev, p.x, p.y), wingraph::kYellow);
    const int colour = kLightWheel.pointColours[k - 13];
    const Coverage text = BodyFound(dev, p, k, colour, 8);
    EXPECT_GT(text.referencePixels, 0);
    EXPECT_LE(text.missing, 1);
  }
  // House 12 label 10 pixels below its polar point (R div 4 = 69 at 365 degrees).
  const PixelPoint label = PolarPoint(kAnimated, 365 * kDeg, 69);
  const Coverage twelve =
      Covers(dev, TextAlone(800, 600, label.x, label.y + 10, "12", 2), wingraph::kGreen);
  ASSERT_GT(twelve.referencePixels, 0);
  EXPECT_EQ(twelve.missing, 0);
}

TEST(DrawNameWheel, DrawsCircleSpokesNamesMarkersAndCusps) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  const astrocore::ChartRecord chart = TestChart();
  DrawNameWheel(dev, chart);
  EXPECT_EQ(RayPixels(dev, kNatal, 5, 214, 224, wingraph::kWhite), 1);
  // Sign spokes from the centre, green cusps.
  EXPECT_GE(RayPixels(dev, kNatal, 120, 70, 200, wingraph::kWhite), 100);
  EXPECT_GE(RayPixels(dev, kNatal, 50, 70, 200, wingraph::kGreen), 100);
  // Body markers: rings of radius 1 on radii R - 7i; the Sun at 0, the Moon at 90 degrees.
  EXPECT_EQ(wingraph::GetPixel(dev, 631, 240), wingraph::kYellow);
  EXPECT_TRUE(ColourNear(dev, 419, 34, wingraph::kYellow, 1));
  // Only bodies 1..12 are on the wheel: the Vertex at 160 degrees is not.
  const PixelPoint vertex = PolarPoint(kNatal, 160 * kDeg, 219 - 7 * 13);
  EXPECT_FALSE(ColourNear(dev, vertex.x, vertex.y, wingraph::kYellow, 1));
  // Sign names mid-sector at R / 2 = 109.5; bodies named beside their markers.
  const PixelPoint libra = PolarPoint(kNatal, 195 * kDeg, 109.5);
  const Coverage name = Covers(
      dev, TextAlone(640, 480, libra.x, libra.y, "Balant\x85", wingraph::kWhite), wingraph::kWhite);
  ASSERT_GT(name.referencePixels, 0);
  EXPECT_EQ(name.missing, 0);
  // The Midheaven is the last body drawn, so no later spoke or cusp crosses its name.
  const PixelPoint mc = PolarPoint(kNatal, 170 * kDeg, 219 - 84);
  const Coverage body =
      Covers(dev, TextAlone(640, 480, mc.x, mc.y, "Mijlocul cerului", wingraph::kLightRed),
             wingraph::kLightRed);
  ASSERT_GT(body.referencePixels, 0);
  EXPECT_EQ(body.missing, 0);
  const Coverage twelve = Covers(dev, TextAlone(640, 480, 473, 234, "12", 2), wingraph::kGreen);
  ASSERT_GT(twelve.referencePixels, 0);
  EXPECT_EQ(twelve.missing, 0);
}

// The table row of body 3 (Mercury, retrograde, house 12) at y = 60.
TEST(DrawBodyRow, WritesMotionAndHouseInTheirColumns) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  astrocore::ChartRecord chart = TestChart();
  DrawBodyRow(dev, chart, 10, 3, 3, wingraph::kLightGreen);
  EXPECT_EQ(BodyFound(dev, {10, 60}, 3, wingraph::kLightGreen).missing, 0);
  const Coverage house =
      Covers(dev, TextAlone(640, 480, 160, 60, "Casa  12", 2), wingraph::kLightGreen);
  ASSERT_GT(house.referencePixels, 0);
  EXPECT_EQ(house.missing, 0);
  // The house column is written last and its first letter touches the motion column.
  const wingraph::Device houseText = TextAlone(640, 480, 160, 60, "Casa  12", 2);
  EXPECT_EQ(
      Covers(dev, TextAlone(640, 480, 130, 60, "R", 2), wingraph::kLightRed, &houseText).missing,
      0);
  EXPECT_GT(
      Covers(dev, TextAlone(640, 480, 130, 60, "D", 2), wingraph::kLightRed, &houseText).missing,
      0);
  EXPECT_EQ(dev.state.justifyH, 1);
  EXPECT_EQ(dev.state.textSize, 2);

  wingraph::Device direct = wingraph::MakeMemoryDevice(640, 480);
  chart.bodyMotion[3] = astrocore::kMotionDirect;
  chart.bodyHouse[3] = 1;
  DrawBodyRow(direct, chart, 10, 3, 3, wingraph::kLightGreen);
  EXPECT_EQ(
      Covers(direct, TextAlone(640, 480, 130, 60, "D", 2), wingraph::kLightRed, &houseText).missing,
      0);
  EXPECT_EQ(
      Covers(direct, TextAlone(640, 480, 160, 60, "Casa   1", 2), wingraph::kLightGreen).missing,
      0);
}

TEST(DrawBodyRow, WritesDegreesMinutesAndTheSignSymbol) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  astrocore::ChartRecord chart = TestChart();
  chart.bodyLongitude[9] = 45.5125;  // 15 degrees of Taur, 30 minutes 45 seconds
  DrawBodyRow(dev, chart, 10, 9, 9, wingraph::kLightGreen);
  wingraph::Device sign = wingraph::MakeMemoryDevice(640, 480);
  DrawSignGlyph(sign, 60, 180, 2, wingraph::kWhite);
  EXPECT_EQ(Covers(dev, sign, wingraph::kWhite).missing, 0);
  const Coverage degrees =
      Covers(dev, TextAlone(640, 480, 35, 180, " 15\xf8", 2), wingraph::kLightRed);
  ASSERT_GT(degrees.referencePixels, 0);
  EXPECT_EQ(degrees.missing, 0);
  // The motion and house columns are written later and touch the end of the minutes.
  wingraph::Device later = TextAlone(640, 480, 130, 180, "D", 2);
  wingraph::OutTextXY(later, 160, 180, "Casa  10");
  EXPECT_EQ(Covers(dev, TextAlone(640, 480, 100, 180, " 30` 45\"", 2), wingraph::kLightRed, &later)
                .missing,
            0);
}

TEST(DrawBodyRow, StyleMovesColumnsMarksAndRaisesSymbols) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(800, 600);
  astrocore::ChartRecord chart = TestChart();
  chart.bodyLongitude[11] = 45.5125;
  chart.bodyHouse[11] = 5;
  chart.bodyMotion[11] = astrocore::kMotionDirect;
  DrawBodyRow(dev, chart, 10, 11, 11, wingraph::kLightGreen, kLightRow);
  // The point's two letters stand on the row line although the symbol is raised 8 pixels.
  const Coverage as = Covers(dev, TextAlone(800, 600, 10, 220, "AS", 2), wingraph::kLightGreen);
  ASSERT_GT(as.referencePixels, 0);
  EXPECT_EQ(as.missing, 0);
  wingraph::Device sign = wingraph::MakeMemoryDevice(800, 600);
  DrawSignGlyph(sign, 60, 212, 2, wingraph::kWhite);
  EXPECT_EQ(Covers(dev, sign, wingraph::kWhite).missing, 0);
  for (const auto& [x, text, colour] :
       {std::tuple{33, std::string_view(" 15:"), wingraph::kLightRed},
        std::tuple{97, std::string_view(" 30` 45\""), wingraph::kLightRed},
        std::tuple{127, std::string_view(" D"), wingraph::kLightRed},
        std::tuple{165, std::string_view("Casa  5"), wingraph::kLightGreen}}) {
    SCOPED_TRACE(text);
    const Coverage c = Covers(dev, TextAlone(800, 600, x, 220, text, 2), colour);
    ASSERT_GT(c.referencePixels, 0);
    EXPECT_EQ(c.missing, 0);
  }
}

TEST(DrawDateCaption, WritesDayMonthYearAndTimeInFixedColumns) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  wingraph::SetTextStyle(dev, 0, 0, 2);  // as every screen has set it before its caption
  DrawDateCaption(dev, TestChart().input, 380);
  const wingraph::Device expected =
      TextAlone(640, 480, 20, 380, "Data:  5-11-1975 ora: 14.30", wingraph::kYellow, 0, 1);
  const Coverage c = Covers(dev, expected, wingraph::kYellow);
  ASSERT_GT(c.referencePixels, 0);
  EXPECT_EQ(c.missing, 0);
  EXPECT_EQ(LitPixels(dev).count, c.referencePixels);
  EXPECT_EQ(LitPixels(dev, 0, 381, 639, 479).count, 0);
}

}  // namespace
}  // namespace natalchart
