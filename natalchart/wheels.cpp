// The name wheel, the glyph wheel (with its variants), the body table and the date caption.
#include "natalchart/wheels.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "console/console.h"
#include "natalchart/chart_symbols.h"

namespace natalchart {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kRadiansPerDegree = kPi / 180;

// Rounded half to even; a non-finite or absurd value must not reach the integer cast.
int NearestPixel(double v) {
  constexpr double kLimit = 1.0e6;
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::nearbyint(std::clamp(v, -kLimit, kLimit)));
}

double SectorAngle(int sign) {
  return (sign - 1) * kPi / 6;
}

void LineBetween(wingraph::Device& dev, PixelPoint a, PixelPoint b) {
  wingraph::Line(dev, a.x, a.y, b.x, b.y);
}

void DrawHouseNumber(wingraph::Device& dev, const WheelGeometry& g,
                     const astrocore::ChartRecord& chart, int house, int drop) {
  const PixelPoint p =
      PolarPoint(g, HouseLabelAngle(chart, house) * kRadiansPerDegree, g.radius / 4);
  wingraph::OutTextXY(dev, p.x, p.y + drop, std::to_string(house));
}

void DrawBodyTable(wingraph::Device& dev, const astrocore::ChartRecord& chart,
                   const BodyRowStyle& style) {
  for (int k = 1; k <= astrocore::kBodyCount; ++k) {
    DrawBodyRow(dev, chart, 10, k, k, wingraph::kLightGreen, style);
  }
}

}  // namespace

WheelGeometry WheelGeometryOf(const wingraph::Device& dev) {
  return WheelGeometry{wingraph::GetMaxY(dev) / 2 - 20, wingraph::GetMaxX(dev) / 2 + 100,
                       wingraph::GetMaxY(dev) / 2};
}

PixelPoint PolarPoint(const WheelGeometry& g, double radians, double r) {
  return PixelPoint{g.cx + NearestPixel(r * std::cos(radians)),
                    g.cy - NearestPixel(r * std::sin(radians))};
}

double HouseLabelAngle(const astrocore::ChartRecord& chart, int house) {
  if (house < 1 || house > astrocore::kHouseCount) return 0;
  const int next = house == astrocore::kHouseCount ? 1 : house + 1;
  const double from = chart.houseCusp[house];
  const double to = chart.houseCusp[next];
  double half = (to - from) / 2;
  if (half < 0) half = (360 + to - from) / 2;
  return from + half;
}

void DrawNameWheel(wingraph::Device& dev, const astrocore::ChartRecord& chart) {
  const WheelGeometry g = WheelGeometryOf(dev);
  const PixelPoint centre{g.cx, g.cy};
  wingraph::Circle(dev, g.cx, g.cy, g.radius);
  wingraph::SetTextStyle(dev, 0, 0, 2);
  for (int i = 1; i <= astrocore::kSignCount; ++i) {
    const double a = SectorAngle(i);
    wingraph::SetTextJustify(dev, 1, 1);
    wingraph::SetColor(dev, wingraph::kWhite);
    LineBetween(dev, centre, PolarPoint(g, a, g.radius));

    const PixelPoint label = PolarPoint(g, a + kPi / 12, g.radius / 2.0);
    wingraph::OutTextXY(dev, label.x, label.y, astrocore::SignName[i]);

    // Each body on its own ring, so equal longitudes stay apart.
    wingraph::SetTextJustify(dev, 1, 1);
    wingraph::SetColor(dev, wingraph::kYellow);
    const PixelPoint body =
        PolarPoint(g, chart.bodyLongitude[i] * kRadiansPerDegree, g.radius - 7 * i);
    wingraph::Circle(dev, body.x, body.y, 1);
    wingraph::SetColor(dev, wingraph::kLightRed);
    wingraph::OutTextXY(dev, body.x, body.y, astrocore::BodyName[i]);

    wingraph::SetColor(dev, wingraph::kGreen);
    LineBetween(dev, PolarPoint(g, chart.houseCusp[i] * kRadiansPerDegree, g.radius), centre);
    DrawHouseNumber(dev, g, chart, i, 0);
  }
  DrawBodyTable(dev, chart, kGlyphBodyRowStyle);
  DrawDateCaption(dev, chart.input, kGlyphWheelStyle.captionY);
}

void DrawGlyphWheel(wingraph::Device& dev, const astrocore::ChartRecord& chart) {
  DrawGlyphWheel(dev, chart, kGlyphWheelStyle);
}

void DrawGlyphWheel(wingraph::Device& dev, const astrocore::ChartRecord& chart,
                    const WheelStyle& style) {
  const WheelGeometry g = WheelGeometryOf(dev);
  const PixelPoint centre{g.cx, g.cy};
  if (style.thickLines) wingraph::SetLineStyle(dev, 0, 0, 3);
  wingraph::SetColor(dev, wingraph::kWhite);
  wingraph::Circle(dev, g.cx, g.cy, g.radius);
  wingraph::Circle(dev, g.cx, g.cy, g.radius - 40);
  wingraph::SetColor(dev, wingraph::kGreen);
  wingraph::Circle(dev, g.cx, g.cy, g.radius / 4 + 10);
  wingraph::SetTextStyle(dev, 0, 0, 2);

  for (int i = 1; i <= astrocore::kSignCount; ++i) {
    const double a = SectorAngle(i);
    wingraph::SetColor(dev, wingraph::kWhite);
    if (style.thickLines) wingraph::SetLineStyle(dev, 0, 0, 3);
    LineBetween(dev, PolarPoint(g, a, g.radius - 40), PolarPoint(g, a, g.radius));
    const PixelPoint sign = PolarPoint(g, a + kPi / 12, g.radius - 20);
    DrawSignGlyph(dev, sign.x, sign.y, i, wingraph::kWhite);

    // Cusps and ticks are thin even on the thick-lined wheel.
    if (style.thickLines) wingraph::SetLineStyle(dev, 0, 0, 1);
    if (style.tenDegreeTicks) {
      wingraph::SetColor(dev, wingraph::kCyan);
      for (int m = 1; m <= 2; ++m) {
        const double tick = a + m * kPi / 18;
        LineBetween(dev, PolarPoint(g, tick, g.radius - 40), PolarPoint(g, tick, g.radius));
      }
    }

    // Planets on rings 10 pixels apart, the Ascendant and Midheaven on the points' ring.
    const bool planet = i <= 10;
    const int r = planet ? g.radius - 40 - 10 * i : g.radius - 150;
    const int colour = planet ? wingraph::kLightRed : wingraph::kLightMagenta;
    const PixelPoint body = PolarPoint(g, chart.bodyLongitude[i] * kRadiansPerDegree, r);
    DrawBodyGlyph(dev, body.x, body.y, i, colour, style.pointTextDrop);
    wingraph::PutPixel(dev, body.x, body.y + style.markerDrop, wingraph::kYellow);

    const bool angular = i == 1 || i == 4 || i == 7 || i == 10;
    wingraph::SetColor(dev, angular ? wingraph::kLightMagenta : wingraph::kGreen);
    LineBetween(dev, PolarPoint(g, chart.houseCusp[i] * kRadiansPerDegree, g.radius), centre);

    // Font and justification are those DrawBodyGlyph left.
    wingraph::SetColor(dev, wingraph::kGreen);
    DrawHouseNumber(dev, g, chart, i, style.houseNumberDrop);
  }

  for (int k = 13; k <= astrocore::kBodyCount; ++k) {
    const PixelPoint body =
        PolarPoint(g, chart.bodyLongitude[k] * kRadiansPerDegree, g.radius - 150);
    DrawBodyGlyph(dev, body.x, body.y, k, style.pointColours[k - 13], style.pointTextDrop);
    wingraph::PutPixel(dev, body.x, body.y, wingraph::kYellow);
  }
  DrawBodyTable(dev, chart, style.bodyRow);
  DrawDateCaption(dev, chart.input, style.captionY);
}

void DrawBodyRow(wingraph::Device& dev, const astrocore::ChartRecord& chart, int x, int row,
                 int body, int colour, const BodyRowStyle& style) {
  if (body < 1 || body > astrocore::kBodyCount) return;
  const int y = 20 * row;
  const LongitudeParts parts = SplitLongitude(chart.bodyLongitude[body]);
  const std::string degrees = console::FormatInt(parts.degrees, 3) + std::string(style.degreesMark);
  const std::string minutes =
      console::FormatInt(parts.minutes, 3) + "\x60" + console::FormatInt(parts.seconds, 3) + "\x22";
  const std::string_view motion = chart.bodyMotion[body] == astrocore::kMotionRetrograde
                                      ? style.retrogradeText
                                      : style.directText;
  const std::string house =
      std::string(style.houseText) + console::FormatInt(chart.bodyHouse[body], 3);

  const int glyphY = y - style.glyphRise;
  DrawBodyGlyph(dev, x, glyphY, body, colour, style.pointTextDrop);
  wingraph::SetColor(dev, wingraph::kLightRed);
  wingraph::OutTextXY(dev, x + style.degreesColumn, y, degrees);
  DrawSignGlyph(dev, x + style.signColumn, glyphY, parts.sign, wingraph::kWhite);
  wingraph::SetColor(dev, wingraph::kLightRed);
  wingraph::OutTextXY(dev, x + style.minutesColumn, y, minutes);
  wingraph::SetColor(dev, wingraph::kLightRed);
  wingraph::OutTextXY(dev, x + style.motionColumn, y, motion);
  wingraph::SetColor(dev, wingraph::kLightGreen);
  wingraph::OutTextXY(dev, x + style.houseColumn, y, house);
}

void DrawDateCaption(wingraph::Device& dev, const astrocore::ChartInput& input, int y) {
  const std::string caption = "Data: " + console::FormatReal(input.day, 2, 0) + "-" +
                              console::FormatReal(input.month, 2, 0) + "-" +
                              console::FormatReal(input.year, 4, 0) +
                              " ora: " + console::FormatReal(input.localTime, 4, 2);
  wingraph::SetColor(dev, wingraph::kYellow);
  wingraph::SetTextJustify(dev, 0, 1);
  wingraph::OutTextXY(dev, 20, y, caption);
}

}  // namespace natalchart
