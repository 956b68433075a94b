// Text: cell metrics, justification around the anchor, transparency, code page 437.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "wingraph/page_probe.h"
#include "wingraph/wingraph.h"

namespace {

using namespace wingraph;
using wingraph_test::InkOf;
using wingraph_test::InkSet;

Device TextDevice(int size) {
  Device dev = MakeMemoryDevice(200, 100);
  SetTextStyle(dev, 0, 0, size);
  return dev;
}

// Rows from the top of the cell to the baseline: the row under the foot of an "H".
int Baseline(int size) {
  Device dev = TextDevice(size);
  OutTextXY(dev, 10, 0, "H");
  return InkOf(dev).maxY + 1;
}

TEST(TextMetrics, CellIsSizeTimesEightRowsAndEveryLetterHasTheSameAdvance) {
  for (int size : {1, 2, 3}) {
    Device dev = TextDevice(size);
    EXPECT_EQ(TextHeight(dev, "Hg"), 8 * size);
    const int advance = TextWidth(dev, "M");
    EXPECT_GT(advance, 8 * size / 3);
    EXPECT_LT(advance, 8 * size);
    EXPECT_EQ(TextWidth(dev, "iiii"), 4 * advance);
    EXPECT_EQ(TextWidth(dev, "MC\x85\xF8"), 4 * advance);
    EXPECT_EQ(TextWidth(dev, ""), 0);
  }
}

TEST(TextMetrics, SizeTwoTextFitsItsSixteenRowCell) {
  Device probe = TextDevice(2);
  const int advance = TextWidth(probe, "M");
  const int baseline = Baseline(2);
  EXPECT_GE(baseline, 10);
  EXPECT_LE(baseline, 13);
  std::string letters;
  for (int c = 0x21; c < 0x7F; ++c) letters += static_cast<char>(c);
  letters += "\x83\x85\x8C\xF8";
  for (char c : letters) {
    Device dev = TextDevice(2);
    OutTextXY(dev, 50, 20, std::string(1, c));
    const auto ink = InkOf(dev);
    ASSERT_GT(ink.count, 0) << "no ink for byte " << (c & 0xFF);
    EXPECT_GE(ink.minY, 20) << "byte " << (c & 0xFF);
    EXPECT_LE(ink.maxY, 35) << "byte " << (c & 0xFF);
    EXPECT_GE(ink.minX, 50 - 1) << "byte " << (c & 0xFF);
    EXPECT_LE(ink.maxX, 50 + advance) << "byte " << (c & 0xFF);
  }
}

struct Justification {
  int h, v;
};

class TextJustify : public ::testing::TestWithParam<Justification> {};

// Each justification is the top-left placement moved by a whole offset: none, half the text
// width (rounded down) or all of it across; none, the cell height or the baseline down.
TEST_P(TextJustify, PlacesTheCellRelativeToTheAnchor) {
  const auto [h, v] = GetParam();
  for (const std::string text : {"Hg", "AS", "Saturn"}) {
    Device justified = TextDevice(2);
    Device reference = TextDevice(2);
    SetTextJustify(justified, h, v);
    OutTextXY(justified, 100, 50, text);
    const int width = TextWidth(reference, text);
    const int dx = h == 0 ? 0 : h == 1 ? width / 2 : width;
    const int dy = v == 0 ? 0 : v == 1 ? 16 : Baseline(2);
    OutTextXY(reference, 100 - dx, 50 - dy, text);
    EXPECT_EQ(justified.pages[0], reference.pages[0]) << text << " " << h << "," << v;
  }
}

INSTANTIATE_TEST_SUITE_P(AllNine, TextJustify,
                         ::testing::Values(Justification{0, 0}, Justification{0, 1},
                                           Justification{0, 2}, Justification{1, 0},
                                           Justification{1, 1}, Justification{1, 2},
                                           Justification{2, 0}, Justification{2, 1},
                                           Justification{2, 2}));

TEST(TextJustify, InkSitsOnTheRightSideOfTheAnchor) {
  Device dev = TextDevice(2);
  const int width = TextWidth(dev, "HH");
  struct Case {
    int h, v;
    int minX, maxX, minY, maxY;  // bounds the ink must keep, relative to the anchor
  };
  const Case cases[] = {
      {0, 0, 0, width - 1, 0, 15},             // right of and below the anchor
      {2, 1, -width, -1, -16, -1},             // left of and above it
      {1, 2, -width / 2, width / 2, -16, -1},  // centred, standing on the baseline
  };
  for (const Case& c : cases) {
    ClearDevice(dev);
    SetTextJustify(dev, c.h, c.v);
    OutTextXY(dev, 100, 50, "HH");
    const auto ink = InkOf(dev);
    EXPECT_GE(ink.minX - 100, c.minX) << c.h << "," << c.v;
    EXPECT_LE(ink.maxX - 100, c.maxX) << c.h << "," << c.v;
    EXPECT_GE(ink.minY - 50, c.minY) << c.h << "," << c.v;
    EXPECT_LE(ink.maxY - 50, c.maxY) << c.h << "," << c.v;
  }
  // Baseline justification: the foot of "H" is the row just above the anchor.
  ClearDevice(dev);
  SetTextJustify(dev, 0, 2);
  OutTextXY(dev, 100, 50, "H");
  EXPECT_EQ(InkOf(dev).maxY, 49);
  // Centred text of an even width is balanced about x.
  ClearDevice(dev);
  SetTextJustify(dev, 1, 0);
  OutTextXY(dev, 100, 50, "HH");
  const auto centred = InkOf(dev);
  EXPECT_LE(std::abs((centred.minX + centred.maxX) - 2 * 100), 2);
}

TEST(Text, IsDrawnInTheCurrentColourOverATransparentBackground) {
  Device dev = TextDevice(2);
  SetFillStyle(dev, 1, 3);
  Bar(dev, 0, 0, 199, 99);
  SetColor(dev, 14);
  OutTextXY(dev, 10, 10, "Mijlocul cerului");
  const auto ink = InkOf(dev, 3);
  EXPECT_GT(ink.count, 100);
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 200; ++x) {
      const int c = GetPixel(dev, x, y);
      ASSERT_TRUE(c == 3 || c == 14) << x << "," << y;
    }
  }
}

TEST(Text, CodePage437LettersHaveTheirOwnGlyphs) {
  auto inkOf = [](const std::string& text) {
    Device dev = TextDevice(2);
    OutTextXY(dev, 10, 10, text);
    return InkSet(dev);
  };
  EXPECT_NE(inkOf("\x85"), inkOf("a"));  // à
  EXPECT_NE(inkOf("\x83"), inkOf("a"));  // â
  EXPECT_NE(inkOf("\x8C"), inkOf("i"));  // î
  EXPECT_GT(inkOf("\x85").size(), inkOf("a").size());
  // The degree sign is a small ring high in the cell.
  Device dev = TextDevice(2);
  OutTextXY(dev, 10, 10, "\xF8");
  const auto degree = InkOf(dev);
  EXPECT_GT(degree.count, 3);
  EXPECT_LT(degree.maxY, 10 + 9);
}

TEST(Text, IsClippedAtThePageEdgesAndForHugeAnchors) {
  Device big = MakeMemoryDevice(300, 100);
  Device small = MakeMemoryDevice(60, 20);
  SetTextStyle(big, 0, 0, 2);
  SetTextStyle(small, 0, 0, 2);
  OutTextXY(big, 100 - 13, 40 - 7, "Clipped text");
  OutTextXY(small, -13, -7, "Clipped text");
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 60; ++x) ASSERT_EQ(GetPixel(small, x, y), GetPixel(big, x + 100, y + 40));
  }
  Device dev = TextDevice(2);
  for (int h = 0; h < 3; ++h) {
    SetTextJustify(dev, h, h);
    OutTextXY(dev, INT_MIN, INT_MIN, "far away");
    OutTextXY(dev, INT_MAX, INT_MAX, "far away");
    OutTextXY(dev, INT_MAX, 50, "far away");
    OutTextXY(dev, 50, INT_MIN, "far away");
  }
  EXPECT_EQ(InkOf(dev).count, 0);
}

}  // namespace
