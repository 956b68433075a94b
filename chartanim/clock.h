// The animation clock: the chart input of the next frame, the minutes past its whole hour
// and the step per key, with the calendar roll-over that moves it forward.
#pragma once

#include <array>

#include "astrocore/chart.h"

namespace chartanim {

// January to December; February gains a day in a Gregorian leap year.
inline constexpr std::array<int, 13> DaysInMonth = {0,  31, 28, 31, 30, 31, 30,
                                                    31, 31, 30, 31, 30, 31};

// The universal time is the local time minus two hours, wherever the place.
inline constexpr double kZoneDifference = -2;

struct AnimationClock {
  astrocore::ChartInput input;  // localTime holds the whole clock hour only
  double minutes = 0;           // minutes past that hour; no lower bound
  double stepMinutes = 0;       // added at every advance, any real value
};

// The clock for the typed answers, whose localTime is the time in the dot notation
// OO.MM(SS/6): its whole part becomes the clock hour, its decimals times 100 the minutes.
// The zone is always kZoneDifference.
AnimationClock StartClock(const astrocore::ChartInput& typed, double stepMinutes);

// Whether Trunc(year) is a Gregorian leap year; false for a year that is not finite.
bool IsLeapYear(double year);
// The days of a month; a month whose whole part is not 1..12 (or is not a number) counts
// 31 days, so such a month never cuts a typed day short and never reads outside the table.
double MonthLength(double month, double year);

// Adds the step to the minutes and carries whole hours into the clock hour, whole days
// into the date. A zero or negative step never changes the hour or the date.
void AdvanceClock(AnimationClock& clock);

}  // namespace chartanim
