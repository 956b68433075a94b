// The natal chart program's run: the dialogue, the chart, the report and the screens.
#pragma once

#include "astrocore/chart.h"
#include "console/console.h"
#include "wingraph/wingraph.h"

namespace natalchart {

// Heading, date and time questions, the place and the zone line.
astrocore::ChartInput ReadChartInput(console::Console& con);

// The whole run, from the heading to the closed window; returns the exit status.
int RunNatalChart(console::Console& con, wingraph::Device& dev);

}  // namespace natalchart
