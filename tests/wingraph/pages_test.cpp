// Pages, starting settings and the palette.
#include <gtest/gtest.h>

#include "wingraph/page_probe.h"
#include "wingraph/wingraph.h"

namespace {

using namespace wingraph;
using wingraph_test::InkOf;

TEST(MemoryDevice, StartsWithTheSettingsOfAFreshWindow) {
  const Device dev = MakeMemoryDevice(640, 480);
  EXPECT_EQ(GetMaxX(dev), 639);
  EXPECT_EQ(GetMaxY(dev), 479);
  EXPECT_EQ(GetColor(dev), 15);
  EXPECT_EQ(dev.state.lineStyle, 0);
  EXPECT_EQ(dev.state.lineThickness, 1);
  EXPECT_EQ(dev.state.textFont, 0);
  EXPECT_EQ(dev.state.textDirection, 0);
  EXPECT_EQ(dev.state.justifyH, 0);
  EXPECT_EQ(dev.state.justifyV, 0);
  EXPECT_EQ(dev.state.activePage, 0);
  EXPECT_EQ(dev.state.visualPage, 0);
  for (const auto& page : dev.pages) {
    ASSERT_EQ(page.size(), 640u * 480u);
    EXPECT_EQ(std::count(page.begin(), page.end(), 0), 640 * 480);
  }
}

TEST(MemoryDevice, HasNoKeysAndNegativeSizesGiveAnEmptyPage) {
  Device dev = MakeMemoryDevice(-5, 10);
  EXPECT_EQ(dev.width, 0);
  EXPECT_EQ(ReadKey(dev), 0);
  EXPECT_FALSE(KeyPressed(dev));
  Line(dev, 0, 0, 10, 10);
  Circle(dev, 0, 0, 5);
  OutTextXY(dev, 0, 0, "x");
  Bar(dev, 0, 0, 3, 3);
  ClearDevice(dev);
  EXPECT_EQ(GetPixel(dev, 0, 0), 0);
  CloseGraph(dev);  // no window: nothing to close
}

TEST(Pages, DrawingGoesToTheActivePageOnly) {
  Device dev = MakeMemoryDevice(16, 16);
  for (int p = 0; p < kPageCount; ++p) {
    SetActivePage(dev, p);
    PutPixel(dev, p, p, 10 + p);
  }
  for (int p = 0; p < kPageCount; ++p) {
    SetActivePage(dev, p);
    const auto ink = InkOf(dev);
    EXPECT_EQ(ink.count, 1);
    EXPECT_EQ(GetPixel(dev, p, p), 10 + p);
  }
  EXPECT_EQ(dev.state.visualPage, 0);
}

TEST(Pages, ClearDeviceClearsTheActivePageAndKeepsTheSettings) {
  Device dev = MakeMemoryDevice(16, 16);
  SetFillStyle(dev, 1, 6);
  for (int p = 0; p < 2; ++p) {
    SetActivePage(dev, p);
    Bar(dev, 0, 0, 15, 15);
  }
  SetColor(dev, 9);
  SetLineStyle(dev, 0, 0, 3);
  SetTextJustify(dev, 1, 1);
  SetVisualPage(dev, 0);
  ClearDevice(dev);  // page 1 is active
  EXPECT_EQ(InkOf(dev).count, 0);
  EXPECT_EQ(std::count(dev.pages[0].begin(), dev.pages[0].end(), 6), 256);
  EXPECT_EQ(GetColor(dev), 9);
  EXPECT_EQ(dev.state.lineThickness, 3);
  EXPECT_EQ(dev.state.justifyH, 1);
  EXPECT_EQ(dev.state.activePage, 1);
}

TEST(Pages, PagesOutsideZeroToThreeAreIgnored) {
  Device dev = MakeMemoryDevice(4, 4);
  SetActivePage(dev, 2);
  SetVisualPage(dev, 3);
  for (int bad : {-1, 4, 1000}) {
    SetActivePage(dev, bad);
    SetVisualPage(dev, bad);
    EXPECT_FALSE(SavePagePng(dev, bad, "/nonexistent/never.png"));
  }
  EXPECT_EQ(dev.state.activePage, 2);
  EXPECT_EQ(dev.state.visualPage, 3);
}

TEST(Palette, FirstSixteenEntriesAreTheBasicColours) {
  const Rgb basic[16] = {{0, 0, 0},     {0, 0, 168},     {0, 168, 0},    {0, 168, 168},
                         {168, 0, 0},   {168, 0, 168},   {168, 84, 0},   {168, 168, 168},
                         {84, 84, 84},  {132, 132, 252}, {84, 252, 84},  {84, 252, 252},
                         {252, 84, 84}, {252, 84, 252},  {252, 252, 84}, {252, 252, 252}};
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(kDefaultPalette[i].r, basic[i].r) << i;
    EXPECT_EQ(kDefaultPalette[i].g, basic[i].g) << i;
    EXPECT_EQ(kDefaultPalette[i].b, basic[i].b) << i;
  }
}

TEST(Palette, GreyRampHueBlocksAndBlackTail) {
  const int grey[16] = {0, 5, 8, 11, 14, 17, 20, 24, 28, 32, 36, 40, 45, 50, 56, 63};
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(kDefaultPalette[16 + i].r, grey[i] * 4);
    EXPECT_EQ(kDefaultPalette[16 + i].g, grey[i] * 4);
    EXPECT_EQ(kDefaultPalette[16 + i].b, grey[i] * 4);
  }
  struct Entry {
    int index, r, g, b;  // 6-bit levels
  };
  const Entry entries[] = {{32, 0, 0, 63},    {33, 16, 0, 63},  {36, 63, 0, 63}, {40, 63, 0, 0},
                           {44, 63, 63, 0},   {48, 0, 63, 0},   {52, 0, 63, 63}, {55, 0, 16, 63},
                           {56, 31, 31, 63},  {80, 45, 45, 63}, {104, 0, 0, 28}, {128, 14, 14, 28},
                           {152, 20, 20, 28}, {176, 0, 0, 16},  {200, 8, 8, 16}, {224, 11, 11, 16},
                           {247, 11, 12, 16}};
  for (const Entry& e : entries) {
    EXPECT_EQ(kDefaultPalette[e.index].r, e.r * 4) << e.index;
    EXPECT_EQ(kDefaultPalette[e.index].g, e.g * 4) << e.index;
    EXPECT_EQ(kDefaultPalette[e.index].b, e.b * 4) << e.index;
  }
  for (int i = 248; i < 256; ++i) {
    EXPECT_EQ(kDefaultPalette[i].r + kDefaultPalette[i].g + kDefaultPalette[i].b, 0) << i;
  }
}

TEST(Palette, NamedColoursShowAsTheirNearestEntries) {
  struct Named {
    const char* name;
    int index, expected;
  };
  const Named named[] = {{"white", kWhite, 15},
                         {"yellow", kYellow, 44},
                         {"red", kRed, 40},
                         {"light red", kLightRed, 64},
                         {"green", kGreen, 120},
                         {"light green", kLightGreen, 71},
                         {"light magenta", kLightMagenta, 60},
                         {"magenta", kMagenta, 36},
                         {"cyan", kCyan, 52},
                         {"light cyan", kLightCyan, 15},
                         {"light blue", kLightBlue, 102},
                         {"grey", kGrey, 7}};
  for (const Named& n : named) EXPECT_EQ(n.index, n.expected) << n.name;
  // Ties go to the lower entry: pure black is entry 0, not 16 or 248.
  EXPECT_EQ(NearestColor(0, 0, 0), 0);
  EXPECT_EQ(NearestColor(252, 252, 252), 15);
}

}  // namespace
