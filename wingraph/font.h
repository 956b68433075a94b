// Monochrome glyphs of the text fonts, rendered once per font and size and kept for the
// whole run.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "console/cp437.h"

namespace wingraph {

struct Glyph {
  int left = 0;  // ink offset from the pen position
  int top = 0;   // ink rows above the baseline
  int width = 0;
  int rows = 0;
  std::vector<std::uint8_t> ink;  // width * rows, 1 where the glyph sets a pixel
};

struct GlyphSet {
  int cellHeight = 8;             // size * 8
  int baseline = 6;               // rows from the top of the cell to the baseline
  int advance = 4;                // pen step of every character (the fonts are drawn monospaced)
  std::array<Glyph, 256> glyphs;  // by code page 437 byte
};

// The glyphs of font 0..3 at text size 1..; never null (without any usable font face the
// set has metrics but no ink).
const GlyphSet& GlyphsFor(int font, int size);

using console::kCodePage437;  // the Unicode character of each byte

}  // namespace wingraph
