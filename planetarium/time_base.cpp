#include "planetarium/time_base.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <ctime>

namespace planetarium {

namespace {

constexpr std::array<int, 13> kMonthLength = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr double kSecondsPerDay = 24.0 * 60.0 * 60.0;

}  // namespace

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int MonthLength(int year, int month) {
  if (month == 2 && IsLeapYear(year)) return 29;
  return kMonthLength[std::clamp(month, 1, 12)];
}

long long DayCount(int year, int month, int day) {
  const long long c = static_cast<long long>(year) - 1;
  long long n = 365 * c + c / 4 - c / 100 + c / 400;
  for (int m = 1; m < month && m <= 12; ++m) n += MonthLength(year, m);
  return n + day - 1;
}

CalendarDate DateOfDayCount(long long n) {
  // Beyond these ends the first year estimate drifts by a growing number of years (and
  // before year 1 the truncating divisions no longer match the leap rule), so the walk
  // below would take ages or never settle.
  n = std::clamp(n, DayCount(kFirstDisplayedYear, 1, 1), DayCount(kLastDisplayedYear, 12, 31));
  int year = static_cast<int>(n / 365 + 1);
  long long start = 0;
  while (true) {
    start = DayCount(year, 1, 1);
    if (n < start) {
      --year;
    } else if (n >= start + (IsLeapYear(year) ? 366 : 365)) {
      ++year;
    } else {
      break;
    }
  }
  long long r = n - start;
  int month = 1;
  while (month < 12 && r >= MonthLength(year, month)) {
    r -= MonthLength(year, month);
    ++month;
  }
  return CalendarDate{year, month, static_cast<int>(r + 1)};
}

int WeekdayOf(long long n) {
  // Kept non-negative so it can index the day names for any count.
  return static_cast<int>(((n + 1) % 7 + 7) % 7);
}

long long EpochDayCount() {
  return DayCount(1997, 2, 1);
}

ClockReading ReadLocalClock() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return ClockReading{CalendarDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
                      local.tm_hour, local.tm_min, local.tm_sec};
}

double ModelTimeOfClock(const ClockReading& clock) {
  const long long days =
      DayCount(clock.date.year, clock.date.month, clock.date.day) - EpochDayCount();
  return static_cast<double>(days) +
         (clock.hour + (clock.minute + clock.second / 60.0) / 60.0) / 24.0 - 1.0 / 3.0;
}

double ModelTimeNow() {
  return ModelTimeOfClock(ReadLocalClock());
}

DisplayedMoment DisplayedMomentOf(double modelTime) {
  const long long epoch = EpochDayCount();
  const long long firstDay = DayCount(kFirstDisplayedYear, 1, 1);
  const long long lastDay = DayCount(kLastDisplayedYear, 12, 31);
  // Days since midnight of the epoch date, held within the displayed years before it is
  // turned into a whole day count.
  const double first = static_cast<double>(firstDay - epoch);
  const double last =
      static_cast<double>(lastDay - epoch) + (kSecondsPerDay - 1.0) / kSecondsPerDay;
  double u = modelTime + 1.0 / 3.0;
  if (!(u >= first)) u = first;
  if (u > last) u = last;

  const double whole = std::floor(u);
  const double f = u - whole;
  long long dayCount = static_cast<long long>(whole) + epoch;
  int second = static_cast<int>(std::nearbyint(f * kSecondsPerDay));
  // A time less than half a second before midnight belongs to the next day's midnight,
  // not to a second 86400 of this day.
  if (second == static_cast<int>(kSecondsPerDay)) {
    if (dayCount < lastDay) {
      second = 0;
      ++dayCount;
    } else {
      second = static_cast<int>(kSecondsPerDay) - 1;
    }
  }
  return DisplayedMoment{dayCount, DateOfDayCount(dayCount), WeekdayOf(dayCount), second};
}

}  // namespace planetarium
