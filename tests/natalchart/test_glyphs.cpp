// The pixel symbols: stroke walks, the extent and size of every symbol, and the drawing
// state each routine leaves behind.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string_view>

#include "natalchart/chart_symbols.h"
#include "test_screens_support.h"
#include "wingraph/palette.h"
#include "wingraph/wingraph.h"

namespace natalchart {
namespace {

using natalchart_test::ExpectSameState;
using natalchart_test::LitPixels;
using natalchart_test::PixelBox;
using natalchart_test::SetUnusualState;

constexpr int kRefX = 100;
constexpr int kRefY = 100;

TEST(DrawStroke, SunCentreStrokeSurroundsTheCentreWithoutSettingIt) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  DrawStroke(dev, 100, 100, 1, 0, wingraph::kYellow, "864");
  EXPECT_EQ(wingraph::GetPixel(dev, 101, 100), wingraph::kYellow);
  EXPECT_EQ(wingraph::GetPixel(dev, 100, 99), wingraph::kYellow);
  EXPECT_EQ(wingraph::GetPixel(dev, 99, 100), wingraph::kYellow);
  EXPECT_EQ(wingraph::GetPixel(dev, 100, 101), wingraph::kYellow);
  EXPECT_EQ(wingraph::GetPixel(dev, 100, 100), 0);
  EXPECT_EQ(LitPixels(dev).count, 4);
}

struct WalkCase {
  std::string_view digits;
  int dx;
  int dy;
  int endX;  // last pixel, relative to the reference point (screen y downwards)
  int endY;
  int lit;
};

// One step in each direction, the offset sign conventions, and characters that do not move.
constexpr std::array<WalkCase, 7> kWalks = {{
    {"", 0, 0, 0, 0, 1},
    {"", 3, 2, 3, -2, 1},
    {"1", 0, 0, 0, -1, 2},
    {"12345678", 0, 0, 0, 0, 8},  // a full turn ends on the start pixel
    {"3333", -2, -1, 2, 1, 5},
    {"3x9 3", 0, 0, 2, 0, 3},
    {"5566", 0, 0, -2, 4, 5},
}};

TEST(DrawStroke, WalksOnePixelPerDigit) {
  for (const WalkCase& c : kWalks) {
    SCOPED_TRACE(c.digits);
    wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
    DrawStroke(dev, kRefX, kRefY, c.dx, c.dy, wingraph::kWhite, c.digits);
    EXPECT_EQ(wingraph::GetPixel(dev, kRefX + c.dx, kRefY - c.dy), wingraph::kWhite);
    EXPECT_EQ(wingraph::GetPixel(dev, kRefX + c.endX, kRefY + c.endY), wingraph::kWhite);
    EXPECT_EQ(LitPixels(dev).count, c.lit);
  }
}

TEST(DrawStroke, ChangesNoDrawingStateAndClipsAtTheEdge) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  SetUnusualState(dev);
  const wingraph::DrawState before = dev.state;
  DrawStroke(dev, 0, 0, 0, 0, wingraph::kRed, "77771111");
  ExpectSameState(dev.state, before);
  EXPECT_EQ(LitPixels(dev).count, 1);
}

struct SymbolCase {
  int number;
  int pixels;  // distinct pixels set
  int minX;    // extent relative to the reference point, screen y downwards
  int maxX;
  int minY;
  int maxY;
};

constexpr std::array<SymbolCase, 12> kSigns = {{
    {1, 21, -5, 5, -7, 5},
    {2, 26, -4, 4, -6, 3},
    {3, 36, -4, 4, -7, 7},
    {4, 44, -5, 5, -5, 5},
    {5, 34, -5, 7, -6, 5},
    {6, 40, -6, 7, -4, 5},
    {7, 34, -7, 7, -3, 2},
    {8, 34, -7, 7, -3, 2},
    {9, 22, -5, 6, -6, 5},
    {10, 32, -5, 4, -6, 7},
    {11, 30, -7, 7, -4, 3},
    {12, 37, -4, 4, -7, 7},
}};

constexpr std::array<SymbolCase, 10> kBodies = {{
    {1, 44, -7, 7, -7, 7},
    {2, 34, -2, 5, -7, 7},
    {3, 28, -3, 3, -7, 7},
    {4, 24, -2, 2, -5, 7},
    {5, 22, -3, 6, -6, 4},
    {6, 29, -3, 5, -7, 5},
    {7, 27, -3, 4, -7, 5},
    {8, 34, -3, 3, -6, 6},
    {9, 31, -4, 4, -7, 7},
    {10, 28, -1, 4, -7, 6},
}};

void ExpectSymbol(const wingraph::Device& dev, const SymbolCase& c, int colour) {
  const PixelBox box = LitPixels(dev);
  EXPECT_EQ(box.count, c.pixels);
  EXPECT_EQ(LitPixels(dev, colour).count, c.pixels) << "only the given colour";
  EXPECT_EQ(box.minX - kRefX, c.minX);
  EXPECT_EQ(box.maxX - kRefX, c.maxX);
  EXPECT_EQ(box.minY - kRefY, c.minY);
  EXPECT_EQ(box.maxY - kRefY, c.maxY);
}

TEST(DrawSignGlyph, EverySignHasItsPixelsWithinSevenOfItsCentre) {
  for (const SymbolCase& c : kSigns) {
    SCOPED_TRACE(c.number);
    wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
    DrawSignGlyph(dev, kRefX, kRefY, c.number, wingraph::kRed);
    // The same symbol again in another colour covers exactly the same pixels.
    DrawSignGlyph(dev, kRefX, kRefY, c.number, wingraph::kWhite);
    ExpectSymbol(dev, c, wingraph::kWhite);
  }
}

TEST(DrawBodyGlyph, EveryPlanetHasItsPixelsWithinSevenOfItsCentre) {
  for (const SymbolCase& c : kBodies) {
    SCOPED_TRACE(c.number);
    wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
    DrawBodyGlyph(dev, kRefX, kRefY, c.number, wingraph::kRed);
    DrawBodyGlyph(dev, kRefX, kRefY, c.number, wingraph::kLightRed);
    ExpectSymbol(dev, c, wingraph::kLightRed);
  }
}

TEST(DrawBodyGlyph, SunIsARingWithACentralDot) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  DrawBodyGlyph(dev, kRefX, kRefY, 1, wingraph::kWhite);
  EXPECT_EQ(wingraph::GetPixel(dev, kRefX, kRefY), 0);
  EXPECT_EQ(wingraph::GetPixel(dev, kRefX + 1, kRefY), wingraph::kWhite);
  EXPECT_EQ(wingraph::GetPixel(dev, kRefX + 7, kRefY), wingraph::kWhite);
  EXPECT_EQ(wingraph::GetPixel(dev, kRefX + 7, kRefY + 1), wingraph::kWhite);
  EXPECT_EQ(wingraph::GetPixel(dev, kRefX, kRefY - 7), wingraph::kWhite);
  EXPECT_EQ(wingraph::GetPixel(dev, kRefX - 7, kRefY), wingraph::kWhite);
  EXPECT_EQ(wingraph::GetPixel(dev, kRefX, kRefY + 7), wingraph::kWhite);
}

TEST(DrawSignGlyph, NumbersOutsideTheZodiacDrawNothingAndChangeNoState) {
  for (const int sign : {0, 13, -1, 1000}) {
    SCOPED_TRACE(sign);
    wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
    SetUnusualState(dev);
    const wingraph::DrawState before = dev.state;
    DrawSignGlyph(dev, kRefX, kRefY, sign, wingraph::kWhite);
    EXPECT_EQ(LitPixels(dev).count, 0);
    ExpectSameState(dev.state, before);
  }
}

TEST(DrawSignGlyph, DrawingASignChangesNoState) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  SetUnusualState(dev);
  const wingraph::DrawState before = dev.state;
  DrawSignGlyph(dev, kRefX, kRefY, 6, wingraph::kWhite);
  ExpectSameState(dev.state, before);
}

TEST(DrawBodyGlyph, SetsColourTextStyleAndJustificationEvenWhenDrawingNothing) {
  for (const int body : {16, 0, -3}) {
    SCOPED_TRACE(body);
    wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
    SetUnusualState(dev);
    DrawBodyGlyph(dev, kRefX, kRefY, body, wingraph::kLightMagenta);
    EXPECT_EQ(LitPixels(dev).count, 0);
    EXPECT_EQ(dev.state.color, wingraph::kLightMagenta);
    EXPECT_EQ(dev.state.textFont, 0);
    EXPECT_EQ(dev.state.textDirection, 0);
    EXPECT_EQ(dev.state.textSize, 2);
    EXPECT_EQ(dev.state.justifyH, 1);
    EXPECT_EQ(dev.state.justifyV, 1);
    EXPECT_EQ(dev.state.lineThickness, 3) << "line style is not the symbol's business";
  }
}

TEST(DrawBodyGlyph, PlanetLeavesTheTextSettingsForTheCaller) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  SetUnusualState(dev);
  DrawBodyGlyph(dev, kRefX, kRefY, 4, wingraph::kLightRed);
  EXPECT_EQ(dev.state.color, wingraph::kLightRed);
  EXPECT_EQ(dev.state.textSize, 2);
  EXPECT_EQ(dev.state.justifyH, 1);
  EXPECT_EQ(dev.state.justifyV, 1);
}

struct PointTextCase {
  int body;
  int textDrop;
};

// A two-letter point text is centred on x and stands on y (plus the drop): every pixel of
// it lies at or above the bottom line, and it is balanced around x.
TEST(DrawBodyGlyph, PointTextsStandOnTheReferenceLine) {
  for (const PointTextCase c :
       {PointTextCase{11, 0}, PointTextCase{12, 0}, PointTextCase{15, 0}, PointTextCase{13, 8}}) {
    SCOPED_TRACE(c.body);
    wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
    DrawBodyGlyph(dev, 200, 150, c.body, wingraph::kWhite, c.textDrop);
    const PixelBox box = LitPixels(dev);
    ASSERT_GT(box.count, 0);
    EXPECT_LE(box.maxY, 150 + c.textDrop);
    EXPECT_GE(box.maxY, 150 + c.textDrop - 5);
    EXPECT_GE(box.minY, 150 + c.textDrop - 16);
    EXPECT_LT(box.minX, 200);
    EXPECT_GT(box.maxX, 200);
    EXPECT_LE(std::abs((200 - box.minX) - (box.maxX - 200)), 3);
    EXPECT_EQ(LitPixels(dev, wingraph::kWhite).count, box.count);
  }
}

}  // namespace
}  // namespace natalchart
