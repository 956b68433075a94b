// The two aspect grids: distances and orbs, then aspect angles, each with its frame of body
// symbols and the date caption.
#include "natalchart/grid_screens.h"

#include <cmath>
#include <string>
#include <string_view>

#include "astrocore/orbs.h"
#include "console/console.h"
#include "natalchart/chart_symbols.h"
#include "natalchart/wheels.h"
#include "wingraph/palette.h"

namespace natalchart {
namespace {

constexpr int kCaptionY = 380;

// Texts are centred on the column with their bottom edge on the row's centre line.
void DrawCell(wingraph::Device& dev, int column, int row, std::string_view text) {
  wingraph::OutTextXY(dev, 40 * column + 10, 20 * row + 10, text);
}

bool IsAspect(int t) {
  return t >= 1 && t <= astrocore::kAspectCount;
}

void DrawGridFrame(wingraph::Device& dev, int headerColour, bool diagonal) {
  wingraph::SetColor(dev, wingraph::kRed);
  wingraph::Line(dev, 30, 10, 30, 320);
  wingraph::Line(dev, 10, 20, 630, 20);
  if (diagonal) wingraph::Line(dev, 30, 20, 630, 320);
  for (int k = 1; k <= astrocore::kBodyCount; ++k) {
    DrawBodyGlyph(dev, 40 * k + 10, 10, k, headerColour);
    wingraph::SetColor(dev, wingraph::kRed);
    wingraph::Line(dev, 40 * k + 30, 10, 40 * k + 30, 320);
    DrawBodyGlyph(dev, 10, 20 * k + 10, k, wingraph::kWhite);
    wingraph::SetColor(dev, wingraph::kRed);
    wingraph::Line(dev, 10, 20 * k + 20, 630, 20 * k + 20);
  }
}

}  // namespace

void DrawDistanceGrid(wingraph::Device& dev, const astrocore::ChartRecord& chart) {
  const auto& l = chart.bodyLongitude;
  DrawGridFrame(dev, wingraph::kWhite, false);

  wingraph::SetTextJustify(dev, 1, 1);
  wingraph::SetColor(dev, wingraph::kWhite);
  for (int a = 1; a <= astrocore::kBodyCount; ++a) {
    for (int b = a + 1; b <= astrocore::kBodyCount; ++b) {
      double d = std::abs(l[a] - l[b]);
      if (d > 180) d = std::abs(360 - d);
      DrawCell(dev, a, b, console::FormatReal(d, 3, 2) + "\xf8");
    }
  }

  // The orb is the lower-numbered body's, whose orbs found the aspect.
  wingraph::SetColor(dev, wingraph::kYellow);
  for (int a = 1; a <= astrocore::kBodyCount; ++a) {
    for (int b = a + 1; b <= astrocore::kBodyCount; ++b) {
      const int t = chart.aspectGrid[a][b];
      if (!IsAspect(t)) continue;
      DrawCell(dev, b, a, console::FormatReal(astrocore::AspectOrb[a][t], 2, 2) + "\xf8");
    }
  }

  // Each title in the colour of the values it describes.
  wingraph::SetTextJustify(dev, 0, 1);
  wingraph::OutTextXY(dev, 20, 400, "TOLERANTE STANDARD PLANETE (PENTRU ASPECTELE IN CAUZA)");
  wingraph::SetColor(dev, wingraph::kWhite);
  wingraph::OutTextXY(dev, 20, 420, "DIFERENTE UNGHIULARE PLANETE");
  DrawDateCaption(dev, chart.input, kCaptionY);
}

void DrawAspectAngleGrid(wingraph::Device& dev, const astrocore::ChartRecord& chart) {
  DrawGridFrame(dev, wingraph::kYellow, true);
  wingraph::SetTextJustify(dev, 1, 1);
  wingraph::SetColor(dev, wingraph::kWhite);
  for (int a = 1; a <= astrocore::kBodyCount; ++a) {
    for (int b = 1; b <= astrocore::kBodyCount; ++b) {
      const int t = chart.aspectGrid[a][b];
      if (!IsAspect(t)) continue;
      DrawCell(dev, a, b, console::FormatInt(astrocore::AspectAngle[t], 3) + "\xf8");
    }
  }
  DrawDateCaption(dev, chart.input, kCaptionY);
}

void DrawAspectTables(wingraph::Device& dev, const astrocore::ChartRecord& chart) {
  DrawDistanceGrid(dev, chart);
  wingraph::ReadKey(dev);
  wingraph::ClearDevice(dev);
  DrawAspectAngleGrid(dev, chart);
}

}  // namespace natalchart
