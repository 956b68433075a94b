// The animated frame is the natal glyph wheel drawn with the animated style.
#include "chartanim/animated_wheel.h"

namespace chartanim {

void DrawAnimatedWheel(wingraph::Device& dev, const astrocore::ChartRecord& chart) {
  natalchart::DrawGlyphWheel(dev, chart, kAnimatedWheelStyle);
}

void DrawAnimatedBodyRow(wingraph::Device& dev, const astrocore::ChartRecord& chart, int x, int row,
                         int body, int colour) {
  natalchart::DrawBodyRow(dev, chart, x, row, body, colour, kAnimatedBodyRowStyle);
}

}  // namespace chartanim
