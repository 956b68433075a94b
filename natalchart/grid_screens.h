// The two aspect grid screens: distances and orbs, then aspect angles.
#pragma once

#include "astrocore/chart.h"
#include "wingraph/wingraph.h"

namespace natalchart {

// Draws grid A, waits for a key, clears, draws grid B and returns.
void DrawAspectTables(wingraph::Device& dev, const astrocore::ChartRecord& chart);
// Grid A: angular distances below the diagonal, orbs of the aspects above it.
void DrawDistanceGrid(wingraph::Device& dev, const astrocore::ChartRecord& chart);
// Grid B: the exact angle of every aspect found, in column a, row b of aspectGrid [a][b].
void DrawAspectAngleGrid(wingraph::Device& dev, const astrocore::ChartRecord& chart);

}  // namespace natalchart
