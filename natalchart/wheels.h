// The two chart wheel screens with the body table and the date caption. The glyph wheel is
// drawn by one routine whose variants (the natal glyph wheel, the animated chart's frame)
// differ only in the data of a WheelStyle.
#pragma once

#include <array>
#include <string_view>

#include "astrocore/chart.h"
#include "wingraph/palette.h"
#include "wingraph/wingraph.h"

namespace natalchart {

// How one line of the body table is laid out.
struct BodyRowStyle {
  int glyphRise = 0;       // the body and sign symbols stand this many pixels above the text line
  int pointTextDrop = 0;   // handed to DrawBodyGlyph for the two-letter texts of points 11..15
  int degreesColumn = 25;  // x offsets of the columns from the row's x
  int signColumn = 50;
  int minutesColumn = 90;
  int motionColumn = 120;
  int houseColumn = 150;
  std::string_view degreesMark = "\xf8";  // after the degrees within the sign
  std::string_view directText = "D";
  std::string_view retrogradeText = "R";
  std::string_view houseText = "Casa ";  // followed by the house written in 3 columns
};

// Everything in which the animated chart's wheel differs from the natal glyph wheel. The
// animated frame uses thin lines without SetLineStyle, no ticks, markers 8 and house numbers
// 10 pixels lower, point texts 8 lower, its own point colours, body row and caption line 390.
struct WheelStyle {
  bool thickLines = true;  // 3-pixel rings and sign boundaries, set with SetLineStyle
  bool tenDegreeTicks = true;
  int markerDrop = 0;       // yellow dot of bodies 1..12 this many pixels below the symbol
  int houseNumberDrop = 0;  // house numbers this many pixels below their polar point
  std::array<int, 3> pointColours = {wingraph::kLightMagenta, wingraph::kLightMagenta,
                                     wingraph::kLightMagenta};  // bodies 13, 14, 15
  int pointTextDrop = 0;  // handed to DrawBodyGlyph for the wheel's points 11..15
  BodyRowStyle bodyRow;
  int captionY = 380;
};

inline constexpr BodyRowStyle kGlyphBodyRowStyle{};
inline constexpr WheelStyle kGlyphWheelStyle{};

// Outer radius and centre, from the window size: the wheel sits 100 pixels right of the
// window centre to leave room for the body table.
struct WheelGeometry {
  int radius = 0;
  int cx = 0;
  int cy = 0;
};

struct PixelPoint {
  int x = 0;
  int y = 0;
};

WheelGeometry WheelGeometryOf(const wingraph::Device& dev);
// The pixel at angle `radians` (counter-clockwise from the right, y upwards) and radius r
// from the centre; each product r * cos, r * sin is rounded half to even.
PixelPoint PolarPoint(const WheelGeometry& g, double radians, double r);
// The angle in degrees halfway from cusp i to the next cusp (through 360 for the last
// house); not reduced, so it may exceed 360.
double HouseLabelAngle(const astrocore::ChartRecord& chart, int house);

void DrawNameWheel(wingraph::Device& dev, const astrocore::ChartRecord& chart);
void DrawGlyphWheel(wingraph::Device& dev, const astrocore::ChartRecord& chart);
// The glyph wheel with its variants: rings, sign symbols, bodies, cusps, house numbers,
// the body table (x = 10, rows 1..15, light green) and the caption.
void DrawGlyphWheel(wingraph::Device& dev, const astrocore::ChartRecord& chart,
                    const WheelStyle& style);

// One line of the body table at y = 20 * row: symbol, degrees, sign symbol, minutes and
// seconds, motion, house. Leaves font 0 size 2 and justification (1, 1) as DrawBodyGlyph set them.
void DrawBodyRow(wingraph::Device& dev, const astrocore::ChartRecord& chart, int x, int row,
                 int body, int colour, const BodyRowStyle& style = kGlyphBodyRowStyle);

// "Data: DD-MM-YYYY ora: TT.TT" in yellow, left edge on x = 20, bottom edge on y.
void DrawDateCaption(wingraph::Device& dev, const astrocore::ChartInput& input, int y);

}  // namespace natalchart
