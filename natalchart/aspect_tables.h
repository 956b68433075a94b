// The two aspect grid screens: distances and orbs, then aspect angles.
#pragma once

#include "astrocore/chart.h"
#include "wingraph/wingraph.h"

namespace natalchart {

// Draws grid A, waits for a key, clears, draws grid B and returns.
void DrawAspectTables(wingraph::Device& dev, const astrocore::ChartRecord& chart);

}  // namespace natalchart
