// Placeholder until the glyphs land.
#include "natalchart/chart_symbols.h"
namespace natalchart {
void DrawStroke(wingraph::Device&, int, int, int, int, int, std::string_view) {}
void DrawSignGlyph(wingraph::Device&, int, int, int, int) {}
void DrawBodyGlyph(wingraph::Device&, int, int, int, int, int) {}
}  // namespace natalchart
