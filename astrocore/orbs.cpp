#include "astrocore/orbs.h"

#include <cmath>

namespace astrocore {

void FindAspects(ChartRecord& chart) {
  auto& grid = chart.aspectGrid;
  for (auto& row : grid) row.fill(0);
  for (int j = 1; j <= kBodyCount; ++j) {
    const auto& orb = AspectOrb[j];
    for (int k = 1; k <= kBodyCount; ++k) {
      if (j == k) continue;
      double d = std::fabs(chart.bodyLongitude[k] - chart.bodyLongitude[j]);
      if (d > 180) d = std::fabs(d - 360);
      // Only [j][k] changes while the aspects are tried, so both entries live in locals.
      const int mirrored = grid[k][j];
      int found = 0;
      for (int a = 1; a <= kAspectCount; ++a) {
        if (AspectAngle[a] - orb[a] <= d && d <= AspectAngle[a] + orb[a]) found = a;
        // Already recorded the other way round: keep the pair listed once.
        if (found == mirrored) found = 0;
        if (found != 0) break;
      }
      grid[j][k] = found;
    }
  }
}

}  // namespace astrocore
