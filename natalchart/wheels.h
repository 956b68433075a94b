// The two chart wheel screens with the body table and the date caption.
#pragma once

#include "astrocore/chart.h"
#include "wingraph/wingraph.h"

namespace natalchart {

void DrawNameWheel(wingraph::Device& dev, const astrocore::ChartRecord& chart);
void DrawGlyphWheel(wingraph::Device& dev, const astrocore::ChartRecord& chart);

}  // namespace natalchart
