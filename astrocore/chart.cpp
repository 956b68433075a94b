// Placeholder until the computation lands.
#include "astrocore/chart.h"

namespace astrocore {
ChartRecord ComputeChart(const ChartInput& input) {
  ChartRecord chart;
  chart.input = input;
  return chart;
}
}  // namespace astrocore
