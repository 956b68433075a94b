// The instant of a chart: universal time, day number, centuries since 1900 and the local
// sidereal time.
#pragma once

#include "astrocore/chart.h"

namespace astrocore {

struct ChartTime {
  double universalTime = 0;  // hours, may lie outside [0, 24)
  double dayNumber = 0;      // day number of the typed date
  double centuries = 0;      // T, Julian centuries since 1900 January 0.5
  double siderealAngle = 0;  // local sidereal time in degrees, [0, 360)
  double ramc = 0;           // the same in radians
};

// Day number of a date, Julian before 15 October 1582 and Gregorian from then on.
double DayNumber(double day, double month, double year);

ChartTime ComputeChartTime(const ChartInput& input);

// The sidereal angle as HH.MMSS, rounded to four decimals (59.5 seconds shows as 60).
double SiderealTimeText(double siderealAngle);

}  // namespace astrocore
