// Pixel helpers for the chart screen tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>
#include <string_view>

#include "natalchart/wheels.h"
#include "wingraph/wingraph.h"

namespace natalchart_test {

struct PixelBox {
  int count = 0;
  int minX = 0;
  int maxX = 0;
  int minY = 0;
  int maxY = 0;
};

// The pixels of the active page that are not black (or, with colour >= 0, of that colour)
// inside [x1, x2] x [y1, y2].
inline PixelBox LitPixels(const wingraph::Device& dev, int x1, int y1, int x2, int y2,
                          int colour = -1) {
  PixelBox box;
  for (int y = y1; y <= y2; ++y) {
    for (int x = x1; x <= x2; ++x) {
      const int p = wingraph::GetPixel(dev, x, y);
      if (colour < 0 ? p == 0 : p != colour) continue;
      if (box.count == 0) {
        box = PixelBox{0, x, x, y, y};
      }
      ++box.count;
      box.minX = std::min(box.minX, x);
      box.maxX = std::max(box.maxX, x);
      box.minY = std::min(box.minY, y);
      box.maxY = std::max(box.maxY, y);
    }
  }
  return box;
}

inline PixelBox LitPixels(const wingraph::Device& dev, int colour = -1) {
  return LitPixels(dev, 0, 0, wingraph::GetMaxX(dev), wingraph::GetMaxY(dev), colour);
}

// Whether some pixel of the colour lies within `reach` pixels of (x, y).
inline bool ColourNear(const wingraph::Device& dev, int x, int y, int colour, int reach) {
  return LitPixels(dev, x - reach, y - reach, x + reach, y + reach, colour).count > 0;
}

// The number of pixels of a colour on the ray at `degrees` between radii r1 and r2.
inline int RayPixels(const wingraph::Device& dev, const natalchart::WheelGeometry& g,
                     double degrees, int r1, int r2, int colour) {
  int n = 0;
  for (int r = r1; r <= r2; ++r) {
    const natalchart::PixelPoint p = natalchart::PolarPoint(g, degrees * std::numbers::pi / 180, r);
    if (wingraph::GetPixel(dev, p.x, p.y) == colour) ++n;
  }
  return n;
}

inline void ExpectSameState(const wingraph::DrawState& a, const wingraph::DrawState& b) {
  EXPECT_EQ(a.color, b.color);
  EXPECT_EQ(a.lineStyle, b.lineStyle);
  EXPECT_EQ(a.linePattern, b.linePattern);
  EXPECT_EQ(a.lineThickness, b.lineThickness);
  EXPECT_EQ(a.fillPattern, b.fillPattern);
  EXPECT_EQ(a.fillColor, b.fillColor);
  EXPECT_EQ(a.textFont, b.textFont);
  EXPECT_EQ(a.textDirection, b.textDirection);
  EXPECT_EQ(a.textSize, b.textSize);
  EXPECT_EQ(a.justifyH, b.justifyH);
  EXPECT_EQ(a.justifyV, b.justifyV);
  EXPECT_EQ(a.activePage, b.activePage);
  EXPECT_EQ(a.visualPage, b.visualPage);
}

// A drawing state that differs from everything the symbol routines set.
inline void SetUnusualState(wingraph::Device& dev) {
  wingraph::SetColor(dev, wingraph::kCyan);
  wingraph::SetLineStyle(dev, 0, 0, 3);
  wingraph::SetTextStyle(dev, 2, 0, 1);
  wingraph::SetTextJustify(dev, 2, 0);
}

// A page with only the given text on it, drawn as the screens draw their texts.
inline wingraph::Device TextAlone(int width, int height, int x, int y, std::string_view text,
                                  int colour, int justifyH = 1, int justifyV = 1) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(width, height);
  wingraph::SetTextStyle(dev, 0, 0, 2);
  wingraph::SetTextJustify(dev, justifyH, justifyV);
  wingraph::SetColor(dev, colour);
  wingraph::OutTextXY(dev, x, y, text);
  return dev;
}

// How many lit pixels of `reference` are not of `colour` on `actual`; 0 means the reference
// drawing is found there in that colour. Also gives the reference's pixel count.
struct Coverage {
  int referencePixels = 0;
  int missing = 0;
};

// Pixels lit on `hidden` (something drawn later on top) are left out.
inline Coverage Covers(const wingraph::Device& actual, const wingraph::Device& reference,
                       int colour, const wingraph::Device* hidden = nullptr) {
  Coverage c;
  for (int y = 0; y <= wingraph::GetMaxY(reference); ++y) {
    for (int x = 0; x <= wingraph::GetMaxX(reference); ++x) {
      if (wingraph::GetPixel(reference, x, y) == 0) continue;
      if (hidden != nullptr && wingraph::GetPixel(*hidden, x, y) != 0) continue;
      ++c.referencePixels;
      if (wingraph::GetPixel(actual, x, y) != colour) ++c.missing;
    }
  }
  return c;
}

}  // namespace natalchart_test
