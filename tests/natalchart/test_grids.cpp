// The aspect grids: frame lines, cell positions, differences, orbs, angles and titles.
#include <gtest/gtest.h>

#include <string_view>

#include "astrocore/chart.h"
#include "natalchart/chart_symbols.h"
#include "natalchart/grid_screens.h"
#include "test_screens_support.h"
#include "wingraph/palette.h"
#include "wingraph/wingraph.h"

namespace natalchart {
namespace {

using natalchart_test::Coverage;
using natalchart_test::Covers;
using natalchart_test::LitPixels;
using natalchart_test::TextAlone;

// Sun 350 and Moon 10 (20 apart through 0), Mercury and Venus exactly opposite; bodies 5 to
// 15 spread so that no other pair matters. Aspects are set by hand.
astrocore::ChartRecord GridChart() {
  astrocore::ChartRecord chart;
  chart.input = astrocore::ChartInput{1, 1, 1980, 12, -2, -26.06, 44.26};
  chart.bodyLongitude = {0, 350, 10, 100, 280, 33, 47, 61, 75, 89, 103, 117, 131, 145, 159, 173};
  return chart;
}

// The pixel centre of the text in column c, row r: the text stands on y = 20r + 10.
int CellX(int column) {
  return 40 * column + 10;
}
int CellY(int row) {
  return 20 * row + 10;
}

Coverage CellShows(const wingraph::Device& dev, int column, int row, std::string_view text,
                   int colour) {
  return Covers(dev, TextAlone(640, 480, CellX(column), CellY(row), text, 2), colour);
}

TEST(DrawDistanceGrid, FrameLinesAreRedAndEndWhereTheyShould) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  DrawDistanceGrid(dev, GridChart());
  // The last column line and the last row line have no text on them.
  EXPECT_EQ(LitPixels(dev, 630, 0, 630, 479, wingraph::kRed).count, 311);
  EXPECT_EQ(LitPixels(dev, 630, 10, 630, 320, wingraph::kRed).count, 311);
  EXPECT_EQ(LitPixels(dev, 0, 320, 639, 320, wingraph::kRed).count, 621);
  EXPECT_EQ(LitPixels(dev, 10, 320, 630, 320, wingraph::kRed).count, 621);
  EXPECT_EQ(LitPixels(dev, 0, 20, 639, 20, wingraph::kRed).count, 621);
  EXPECT_EQ(LitPixels(dev, 30, 10, 30, 19, wingraph::kRed).count, 10);
  EXPECT_EQ(wingraph::GetPixel(dev, 30, 9), 0);
  // Between two row lines the first column line is the only red pixel left of column 1.
  EXPECT_EQ(LitPixels(dev, 20, 25, 40, 25, wingraph::kRed).count, 1);
  // No diagonal on grid A.
  EXPECT_NE(wingraph::GetPixel(dev, 330, 170), wingraph::kRed);
  EXPECT_EQ(wingraph::GetPixel(dev, 610, 299), 0);
}

TEST(DrawDistanceGrid, HeadersAreWhiteSymbolsInRowAndColumn) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  DrawDistanceGrid(dev, GridChart());
  for (const int k : {1, 5, 10}) {
    SCOPED_TRACE(k);
    wingraph::Device column = wingraph::MakeMemoryDevice(640, 480);
    DrawBodyGlyph(column, CellX(k), 10, k, wingraph::kWhite);
    EXPECT_EQ(Covers(dev, column, wingraph::kWhite).missing, 0);
    wingraph::Device row = wingraph::MakeMemoryDevice(640, 480);
    DrawBodyGlyph(row, 10, CellY(k), k, wingraph::kWhite);
    EXPECT_EQ(Covers(dev, row, wingraph::kWhite).missing, 0);
  }
  // The point texts stand on y = 10 in the top row, their upper part cut by the edge.
  EXPECT_GT(LitPixels(dev, CellX(13) - 10, 0, CellX(13) + 10, 9, wingraph::kWhite).count, 0);
}

TEST(DrawDistanceGrid, DifferencesBelowTheDiagonalTakeTheShortWayRound) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  DrawDistanceGrid(dev, GridChart());
  struct CellCase {
    int column;
    int row;
    std::string_view text;
  };
  for (const CellCase& c :
       {CellCase{1, 2, "20.00\xf8"}, CellCase{3, 4, "180.00\xf8"}, CellCase{14, 15, "14.00\xf8"}}) {
    SCOPED_TRACE(c.text);
    const Coverage shown = CellShows(dev, c.column, c.row, c.text, wingraph::kWhite);
    ASSERT_GT(shown.referencePixels, 0);
    EXPECT_EQ(shown.missing, 0);
  }
  EXPECT_GT(CellShows(dev, 1, 2, "340.00\xf8", wingraph::kWhite).missing, 0);
}

TEST(DrawDistanceGrid, OrbsAboveTheDiagonalOnlyForAspectsOfTheUpperTriangle) {
  astrocore::ChartRecord chart = GridChart();
  chart.aspectGrid[1][2] = 1;   // Sun conjunction: orb 17
  chart.aspectGrid[2][7] = 7;   // Moon square: orb 4
  chart.aspectGrid[9][3] = 1;   // lower triangle: not shown on grid A
  chart.aspectGrid[4][5] = 14;  // not an aspect number: nothing
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  DrawDistanceGrid(dev, chart);
  const Coverage sun = CellShows(dev, 2, 1, "17.00\xf8", wingraph::kYellow);
  ASSERT_GT(sun.referencePixels, 0);
  EXPECT_EQ(sun.missing, 0);
  const Coverage moon = CellShows(dev, 7, 2, "4.00\xf8", wingraph::kYellow);
  ASSERT_GT(moon.referencePixels, 0);
  EXPECT_EQ(moon.missing, 0);
  // No other yellow in the grid.
  EXPECT_EQ(LitPixels(dev, 0, 0, 639, 330, wingraph::kYellow).count,
            sun.referencePixels + moon.referencePixels);
}

TEST(DrawDistanceGrid, TitlesAndCaptionBelowTheGrid) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  DrawDistanceGrid(dev, GridChart());
  struct TextCase {
    int y;
    std::string_view text;
    int colour;
  };
  for (const TextCase& c :
       {TextCase{400, "TOLERANTE STANDARD PLANETE (PENTRU ASPECTELE IN CAUZA)", wingraph::kYellow},
        TextCase{420, "DIFERENTE UNGHIULARE PLANETE", wingraph::kWhite},
        TextCase{380, "Data:  1- 1-1980 ora: 12.00", wingraph::kYellow}}) {
    SCOPED_TRACE(c.text);
    const Coverage shown = Covers(dev, TextAlone(640, 480, 20, c.y, c.text, 2, 0, 1), c.colour);
    ASSERT_GT(shown.referencePixels, 0);
    EXPECT_EQ(shown.missing, 0);
    EXPECT_EQ(LitPixels(dev, 0, c.y - 16, 639, c.y - 1).count, shown.referencePixels);
  }
}

TEST(DrawAspectAngleGrid, AnglesInColumnARowBWithTheDiagonal) {
  astrocore::ChartRecord chart = GridChart();
  chart.aspectGrid[1][2] = 9;   // trine, below the diagonal
  chart.aspectGrid[3][1] = 1;   // conjunction, above it
  chart.aspectGrid[6][7] = 13;  // opposition
  chart.aspectGrid[7][6] = 5;   // both triangles shown
  chart.aspectGrid[8][9] = -1;  // not an aspect number: nothing
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  DrawAspectAngleGrid(dev, chart);
  struct CellCase {
    int column;
    int row;
    std::string_view text;
  };
  int texts = 0;
  for (const CellCase& c : {CellCase{1, 2, "120\xf8"}, CellCase{3, 1, "  0\xf8"},
                            CellCase{6, 7, "180\xf8"}, CellCase{7, 6, " 60\xf8"}}) {
    SCOPED_TRACE(c.text);
    const Coverage shown = CellShows(dev, c.column, c.row, c.text, wingraph::kWhite);
    ASSERT_GT(shown.referencePixels, 0);
    EXPECT_EQ(shown.missing, 0);
    texts += shown.referencePixels;
  }
  // Only those texts and the row headers are white in the grid's cells.
  EXPECT_EQ(LitPixels(dev, 22, 0, 639, 330, wingraph::kWhite).count, texts);
  // The diagonal runs from (30, 20) to (630, 320) in red; column headers are yellow.
  EXPECT_EQ(wingraph::GetPixel(dev, 330, 170), wingraph::kRed);
  EXPECT_EQ(wingraph::GetPixel(dev, 630, 320), wingraph::kRed);
  EXPECT_EQ(wingraph::GetPixel(dev, 610, 310), wingraph::kRed);
  wingraph::Device header = wingraph::MakeMemoryDevice(640, 480);
  DrawBodyGlyph(header, CellX(4), 10, 4, wingraph::kYellow);
  EXPECT_EQ(Covers(dev, header, wingraph::kYellow).missing, 0);
}

TEST(DrawAspectTables, EndsOnGridBAfterClearingGridA) {
  astrocore::ChartRecord chart = GridChart();
  chart.aspectGrid[1][2] = 1;
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  DrawAspectTables(dev, chart);
  EXPECT_EQ(CellShows(dev, 1, 2, "  0\xf8", wingraph::kWhite).missing, 0);
  // Nothing left of grid A: no differences, no orbs, no titles.
  EXPECT_EQ(LitPixels(dev, 0, 385, 639, 479).count, 0);
  EXPECT_EQ(
      LitPixels(dev, CellX(1) - 28, CellY(3) - 16, CellX(1) + 28, CellY(3) - 1, wingraph::kWhite)
          .count,
      0);
  EXPECT_EQ(LitPixels(dev, 0, 0, 639, 330, wingraph::kYellow).count,
            LitPixels(dev, 30, 0, 639, 19, wingraph::kYellow).count)
      << "yellow only in the column headers";
  EXPECT_EQ(wingraph::GetPixel(dev, 330, 170), wingraph::kRed);
}

}  // namespace
}  // namespace natalchart
