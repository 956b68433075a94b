// The console report: sidereal time, bodies with their motion, cusps and aspects.
#include "natalchart/report.h"

#include <string>

#include "astrocore/helpers.h"
#include "astrocore/orbs.h"
#include "natalchart/chart_symbols.h"

namespace natalchart {

void PrintReport(console::Console& con, const astrocore::ChartRecord& chart) {
  using astrocore::BodyName;
  console::WriteLine(con, "---------------------------");
  console::WriteLine(con, "TIMPUL SIDERAL:" + console::FormatReal(chart.siderealTime, 3, 5));

  console::WriteLine(con, "-PLANETELE--------------------------");
  std::string label;
  for (int k = 1; k <= astrocore::kBodyCount; ++k) {
    label.assign(BodyName[k]);
    label += '-';
    label += chart.bodyMotion[k];
    SplitLongitude(con, label, chart.bodyLongitude[k]);
  }

  console::WriteLine(con, "-CASELE-----------------------------");
  for (int i = 1; i <= astrocore::kHouseCount; ++i) {
    const double v = astrocore::Trunc(chart.houseCusp[i] * 10000 + 0.5) / 10000;
    SplitLongitude(con, "Casa " + std::to_string(i), v);
  }

  console::WriteLine(con, "-ASPECTELE--------------------------");
  for (int a = 1; a <= astrocore::kBodyCount; ++a) {
    for (int b = 1; b <= astrocore::kBodyCount; ++b) {
      const int t = chart.aspectGrid[a][b];
      // A grid not made by the chart computation could hold anything: skip what is no aspect.
      if (t <= 0 || t > astrocore::kAspectCount) continue;
      std::string line(BodyName[a]);
      line += " cu ";
      line += BodyName[b];
      line += " este in ";
      line += astrocore::AspectName[t];
      console::WriteLine(con, line);
    }
  }
  console::WriteLine(con, "-GATA-----------------------------");
}

}  // namespace natalchart
