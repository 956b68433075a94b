// One frame of the animated chart: the light form of the natal glyph wheel, with its body
// table and date caption, on an 800 x 600 page.
#pragma once

#include "astrocore/chart.h"
#include "natalchart/wheels.h"
#include "wingraph/palette.h"
#include "wingraph/wingraph.h"

namespace chartanim {

// Symbols stand 8 pixels above the text line; a point's two-letter text comes down those
// 8 pixels again, so every text of the row has its bottom edge on the row's line.
inline constexpr natalchart::BodyRowStyle kAnimatedBodyRowStyle{
    .glyphRise = 8,
    .pointTextDrop = 8,
    .degreesColumn = 23,
    .signColumn = 50,
    .minutesColumn = 87,
    .motionColumn = 117,
    .houseColumn = 155,
    .degreesMark = ":",
    .directText = " D",
    .retrogradeText = " R",
    .houseText = "Casa",
};

// The lunar node and the Part of Fortune: colours that stand out on black and from every
// other body on the wheel (planets light red, Ascendant and Midheaven light magenta, the
// Vertex light cyan, which shows as white).
inline constexpr int kLunarNodeColour = wingraph::kCyan;
inline constexpr int kPartOfFortuneColour = wingraph::NearestColor(128, 128, 255);

// Thin lines, no ticks, marker dots and house numbers lower, the points' texts centred on
// their place.
inline constexpr natalchart::WheelStyle kAnimatedWheelStyle{
    .thickLines = false,
    .tenDegreeTicks = false,
    .markerDrop = 8,
    .houseNumberDrop = 10,
    .pointColours = {wingraph::kLightCyan, kLunarNodeColour, kPartOfFortuneColour},
    .pointTextDrop = 8,
    .bodyRow = kAnimatedBodyRowStyle,
    .captionY = 390,
};

void DrawAnimatedWheel(wingraph::Device& dev, const astrocore::ChartRecord& chart);
// One line of the body table: symbol, degrees, sign, minutes and seconds, motion, house.
void DrawAnimatedBodyRow(wingraph::Device& dev, const astrocore::ChartRecord& chart, int x, int row,
                         int body, int colour);

}  // namespace chartanim
