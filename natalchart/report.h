// The console report of a computed chart.
#pragma once

#include "astrocore/chart.h"
#include "console/console.h"

namespace natalchart {

void PrintReport(console::Console& con, const astrocore::ChartRecord& chart);

}  // namespace natalchart
