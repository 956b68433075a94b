#include "astrocore/chart_time.h"

#include "astrocore/helpers.h"

namespace astrocore {

double DayNumber(double day, double month, double year) {
  const double m = 12 * (year + 4800) + month - 3;  // months since March of -4800
  double j = Trunc((365 * m + 2 * (m - 12 * Trunc(m / 12)) + 7) / 12) + day + Trunc(m / 48) - 32083;
  if (j >= 2299171) j = j + Trunc(m / 4800) - Trunc(m / 1200) + 38;
  return j;
}

ChartTime ComputeChartTime(const ChartInput& input) {
  ChartTime time;
  const double t = DotMinutesToDecimal(input.localTime);
  time.universalTime = t + input.zoneDifference;
  const double f = time.universalTime / 24;
  time.dayNumber = DayNumber(input.day, input.month, input.year);
  const double T = (time.dayNumber - 2415020 + f - 0.5) / 36525;
  time.centuries = T;
  const double placeLongitude = DotMinutesToDecimal(input.placeLongitude);
  const double theta =
      15 * (6.6460656 + 2400.05162 * T + 0.0000258 * (T * T) + time.universalTime) - placeLongitude;
  time.siderealAngle = ReduceDegrees(theta);
  time.ramc = time.siderealAngle * kPi / 180;
  return time;
}

double SiderealTimeText(double siderealAngle) {
  const double h = siderealAngle / 15;
  const double H = Trunc(h);
  const double mm = (h - H) * 60;
  const double v = H + Trunc(mm) / 100 + (mm - Trunc(mm)) * 60 / 10000;
  return Trunc(10000 * v + 0.5) / 10000;
}

}  // namespace astrocore
