// Text placement: justification around the anchor and drawing of cached glyphs.
#include <algorithm>

#include "wingraph/driver.h"
#include "wingraph/font.h"

namespace wingraph {

namespace {

const GlyphSet& CurrentGlyphs(const Device& dev) {
  return GlyphsFor(dev.state.textFont, dev.state.textSize);
}

}  // namespace

void SetTextStyle(Device& dev, int font, int direction, int size) {
  dev.state.textFont = font;
  dev.state.textDirection = direction;
  dev.state.textSize = size;
}

void SetTextJustify(Device& dev, int horizontal, int vertical) {
  dev.state.justifyH = horizontal;
  dev.state.justifyV = vertical;
}

int TextWidth(const Device& dev, std::string_view text) {
  return static_cast<int>(std::min<std::size_t>(text.size(), 1u << 20)) *
         CurrentGlyphs(dev).advance;
}

int TextHeight(const Device& dev, std::string_view) {
  return CurrentGlyphs(dev).cellHeight;
}

// The cell of the text is TextWidth x cell height. Horizontal: 0 its left edge on x, 1 its
// centre on x (the left edge at x - width / 2, the odd pixel going right), 2 its right edge on
// x (the last column x - 1). Vertical: 0 its top on y, 1 its bottom on y (the last row
// y - 1), 2 the baseline on y (the lowest row of a letter without descender is y - 1).
void OutTextXY(Device& dev, int x, int y, std::string_view text) {
  const GlyphSet& set = CurrentGlyphs(dev);
  const std::int64_t width = static_cast<std::int64_t>(text.size()) * set.advance;
  std::int64_t left = x;
  if (dev.state.justifyH == 1) left -= width / 2;
  if (dev.state.justifyH == 2) left -= width;
  std::int64_t top = y;
  if (dev.state.justifyV == 1) top -= set.cellHeight;
  if (dev.state.justifyV == 2) top -= set.baseline;
  const std::int64_t baseline = top + set.baseline;
  if (baseline + set.cellHeight < 0 || baseline - 2 * set.cellHeight >= dev.height) return;
  const std::uint8_t color = ColorByte(dev.state.color);
  std::int64_t pen = left;
  for (unsigned char byte : text) {
    if (pen - set.cellHeight >= dev.width) break;
    if (pen + 2 * set.cellHeight >= 0) {
      const Glyph& glyph = set.glyphs[byte];
      const std::int64_t gx = pen + glyph.left;
      const std::int64_t gy = baseline - glyph.top;
      for (int r = 0; r < glyph.rows; ++r) {
        const std::uint8_t* ink = glyph.ink.data() + static_cast<std::size_t>(r) * glyph.width;
        for (int c = 0; c < glyph.width; ++c) {
          if (ink[c]) PlotClipped(dev, gx + c, gy + r, color);
        }
      }
    }
    pen += set.advance;
  }
}

}  // namespace wingraph
