// The pixel symbols of the signs and bodies and the splitting of a longitude into sign,
// degrees, minutes and seconds; shared by the natal chart and the animated chart.
#pragma once

#include <string_view>

#include "console/console.h"
#include "wingraph/wingraph.h"

namespace natalchart {

// Sets the start pixel (x + dx, y - dy), then one pixel per direction digit 1..8
// (up, up-right, right, down-right, down, down-left, left, up-left). Uses PutPixel only.
void DrawStroke(wingraph::Device& dev, int x, int y, int dx, int dy, int colour,
                std::string_view digits);
// Sign 1..12 centred on (x, y); any other number draws nothing. Changes no drawing state.
void DrawSignGlyph(wingraph::Device& dev, int x, int y, int sign, int colour);
// Sets the colour, font 0 size 2 and justification (1, 1), then draws body 1..10 as strokes
// or writes the two-letter text of points 11..15 at (x, y + textDrop).
void DrawBodyGlyph(wingraph::Device& dev, int x, int y, int body, int colour, int textDrop = 0);

struct LongitudeParts {
  int whole = 0;    // W, whole degrees of |lon|
  int sign = 1;     // s, 1..12
  int degrees = 0;  // d, degrees within the sign
  int minutes = 0;  // m
  int seconds = 0;  // sec, 0..60
};

LongitudeParts SplitLongitude(double lon);
// The same, and writes the report line "label  dd\xf8 Sign  mm`ss\"WWW".
LongitudeParts SplitLongitude(console::Console& con, std::string_view label, double lon);

}  // namespace natalchart
