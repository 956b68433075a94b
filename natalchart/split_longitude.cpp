// A longitude split into sign, degrees, minutes and seconds, with its report line.
#include <cmath>
#include <string>

#include "astrocore/chart.h"
#include "astrocore/helpers.h"
#include "natalchart/chart_symbols.h"

namespace natalchart {

using astrocore::Trunc;

LongitudeParts SplitLongitude(double lon) {
  // A full turn or more (a cusp rounded up to 360) starts the circle again, so there is no
  // thirteenth sign; NaN splits as 0.
  const double a = astrocore::ReduceDegrees(std::fabs(lon));
  const double W = Trunc(a);
  const double q = W / 30;
  const double s = Trunc(q) + 1;
  const double d = Trunc((q - Trunc(q)) * 30 + 0.5);
  const double mm = (a - W) * 60;
  const double m = Trunc(mm);
  const double ss = (mm - Trunc(mm)) * 60;
  // Packed and unpacked in sexagesimal steps: 5/6 of a second or more counts one up, and
  // 59 such seconds show as 60 without carrying into the minutes.
  const double p = Trunc(mm) + Trunc(ss) / 100 + (ss - Trunc(ss)) * 60 / 10000;
  const double t = (p - Trunc(p)) * 100;
  const double sec = Trunc(t + 0.5);

  LongitudeParts parts;
  parts.whole = static_cast<int>(W);
  parts.sign = static_cast<int>(s);
  parts.degrees = static_cast<int>(d);
  parts.minutes = static_cast<int>(m);
  parts.seconds = static_cast<int>(sec);
  return parts;
}

LongitudeParts SplitLongitude(console::Console& con, std::string_view label, double lon) {
  const LongitudeParts parts = SplitLongitude(lon);
  std::string line(label);
  line += ' ';
  line += console::FormatReal(parts.degrees, 3, 0);
  line += "\xf8 ";
  line += astrocore::SignName[parts.sign];
  line += ' ';
  line += console::FormatReal(parts.minutes, 3, 0);
  line += '`';
  line += console::FormatReal(parts.seconds, 3, 0);
  line += '"';
  line += console::FormatReal(parts.whole, 3, 0);
  console::WriteLine(con, line);
  return parts;
}

}  // namespace natalchart
