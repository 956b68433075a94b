// The clock's carry works out in closed form what adding one minute, hour, day or year at
// a time gives, so a huge step costs no more than a small one. Wherever adding one is still
// exact in double precision the result is exactly that of stepping; beyond, it is the
// arithmetic result, and a value that stepping could never move (NaN, infinity, a year of
// 2^53) stays where it is.
#include "chartanim/clock.h"

#include <algorithm>
#include <cmath>

namespace chartanim {

using astrocore::ChartInput;

namespace {

constexpr double kDaysIn400Years = 146097;
// Adding one stays exact below these: for a number with a fraction, and for a whole number.
constexpr double kExactFraction = 4503599627370496.0;  // 2^52
constexpr double kExactWhole = 9007199254740992.0;     // 2^53

double YearLength(double year) {
  return IsLeapYear(year) ? 366 : 365;
}

void StartNextMonth(ChartInput& in) {
  in.day = 1;
  in.month = in.month + 1;
  if (in.month > 12) {
    in.month = 1;
    in.year = in.year + 1;
  }
}

// Moves the clock hour on by `hours` (a whole number, at least 1), wrapping to 0 whenever
// it reaches 24; returns the number of wraps, which are the days to carry.
double CarryHours(double& hour, double hours) {
  if (std::isnan(hour)) return 0;  // never reaches 24
  double toWrap = 1;
  if (hour + 1 < 24) {
    if (hour + 1 == hour) return 0;  // so far below 0 that another hour changes nothing
    toWrap = std::ceil(24 - hour);
  }
  if (hours < toWrap) {
    hour = hour + hours;
    return 0;
  }
  const double after = hours - toWrap;
  const double rest = std::fmod(after, 24.0);
  hour = rest;
  return 1 + (after - rest) / 24;
}

// Counts the typed day up to the first change of month. False when the days run out
// first, or when the day can never exceed the month (the date is then final).
bool ReachNextMonth(ChartInput& in, double& days) {
  if (std::isnan(in.day)) return false;
  const double length = MonthLength(in.month, in.year);
  double needed = 1;
  if (in.day + 1 <= length) {
    if (in.day + 1 == in.day) return false;  // so far below 1 that another day changes nothing
    needed = std::floor(length - in.day) + 1;
  }
  if (days < needed) {
    in.day = in.day + days;
    return false;
  }
  days -= needed;
  StartNextMonth(in);
  return true;
}

// From the first of a month to the next 1 January. False when the days run out first
// (the date is then final).
bool ReachJanuary(ChartInput& in, double& days) {
  if (std::isnan(in.month) || (in.month < 1 && in.month + 1 == in.month)) {
    // A month that can never count up to January: every month now has 31 days.
    in.day = 1 + std::fmod(days, 31.0);
    return false;
  }
  if (in.month < 1) {
    // Months below 1 have 31 days each: count them in one go.
    const double months = std::min(std::floor(days / 31), std::ceil(1 - in.month));
    in.month = in.month + months;
    days -= 31 * months;
    if (in.month < 1) {
      in.day = 1 + days;
      return false;
    }
  }
  // A month of at least 1 passes 12 within twelve changes and starts again at 1.
  while (in.month != 1) {
    const double length = MonthLength(in.month, in.year);
    if (days < length) {
      in.day = 1 + days;
      return false;
    }
    days -= length;
    StartNextMonth(in);
  }
  return true;
}

// Whole 400-year cycles (each exactly kDaysIn400Years days) that can be added to the year
// at once: every year passed must still count up by exactly one, and Trunc of the year
// must keep its leap pattern, which a year with a fraction loses when it crosses zero.
double CyclesWithinReach(double year, double days) {
  const bool whole = year == std::trunc(year);
  const double limit = whole ? kExactWhole : kExactFraction;
  if (!(year <= limit - 400)) return 0;
  double cycles = std::min(std::floor(days / kDaysIn400Years), std::floor((limit - year) / 400));
  // One correction covers the rounding of the divisions.
  if (cycles > 0 && year + 400 * cycles > limit) cycles -= 1;
  if (!whole && year < 0) {
    cycles = std::min(cycles, std::floor(-year / 400));
    if (cycles > 0 && !(year + 400 * cycles < 0)) cycles -= 1;
  }
  return std::max(cycles, 0.0);
}

// From 1 January on, whole years at a time, until fewer days are left than the year has.
void CarryYears(ChartInput& in, double& days) {
  while (true) {
    if (std::isnan(in.year) || in.year + 1 == in.year) {
      // The year can no longer count up, so every later year is this one again.
      days = std::fmod(days, YearLength(in.year));
      return;
    }
    if (days >= kDaysIn400Years) {
      const double cycles = CyclesWithinReach(in.year, days);
      if (cycles >= 1) {
        in.year = in.year + 400 * cycles;
        days -= kDaysIn400Years * cycles;
        continue;
      }
    }
    const double length = YearLength(in.year);
    if (days < length) return;
    days -= length;
    in.year = in.year + 1;
  }
}

// From 1 January, with fewer days left than the year has.
void CarryMonths(ChartInput& in, double days) {
  while (days >= MonthLength(in.month, in.year)) {
    days -= MonthLength(in.month, in.year);
    in.month = in.month + 1;
  }
  in.day = 1 + days;
}

// Moves the date on by `days` (a whole number, at least 1), one day at a time in effect:
// the day is compared with the length of its month only when it advances.
void CarryDays(ChartInput& in, double days) {
  if (!ReachNextMonth(in, days)) return;
  if (!ReachJanuary(in, days)) return;
  CarryYears(in, days);
  CarryMonths(in, days);
}

}  // namespace

AnimationClock StartClock(const ChartInput& typed, double stepMinutes) {
  AnimationClock clock;
  clock.input = typed;
  clock.input.zoneDifference = kZoneDifference;
  clock.input.localTime = std::trunc(typed.localTime);
  clock.minutes = (typed.localTime - std::trunc(typed.localTime)) * 100;
  clock.stepMinutes = stepMinutes;
  return clock;
}

bool IsLeapYear(double year) {
  const double whole = std::trunc(year);
  return std::fmod(whole, 4.0) == 0 &&
         (std::fmod(whole, 100.0) != 0 || std::fmod(whole, 400.0) == 0);
}

double MonthLength(double month, double year) {
  const double whole = std::trunc(month);
  if (!(whole >= 1 && whole <= 12)) return 31;
  double length = DaysInMonth[static_cast<int>(whole)];
  if (month == 2 && IsLeapYear(year)) length += 1;
  return length;
}

void AdvanceClock(AnimationClock& clock) {
  clock.minutes = clock.minutes + clock.stepMinutes;
  // Not a number never reaches 60; an infinite count would carry forever: neither carries.
  if (!(clock.minutes >= 60) || std::isinf(clock.minutes)) return;
  const double rest = std::fmod(clock.minutes, 60.0);
  const double hours = (clock.minutes - rest) / 60;
  clock.minutes = rest;
  const double days = CarryHours(clock.input.localTime, hours);
  if (days >= 1) CarryDays(clock.input, days);
}

}  // namespace chartanim
