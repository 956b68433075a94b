// Calendar arithmetic and the model time of the planetarium: days since 1 February 1997 at
// 08:00 local time, taken from the computer's clock or stepped by keys.
#pragma once

namespace planetarium {

struct CalendarDate {
  int year = 1;
  int month = 1;
  int day = 1;
};

// The local date and time of day as the computer's clock gives it.
struct ClockReading {
  CalendarDate date;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// What the clock line shows for a model time: the date, its weekday (0 Sunday .. 6 Saturday)
// and the time of day in whole seconds (0 .. 86399).
struct DisplayedMoment {
  long long dayCount = 0;
  CalendarDate date;
  int weekday = 0;
  int secondOfDay = 0;
};

// The shown dates stay within the years that fit the four columns of the clock line; this
// also keeps every day count the calendar walks over positive and small.
inline constexpr int kFirstDisplayedYear = 1;
inline constexpr int kLastDisplayedYear = 9999;

bool IsLeapYear(int year);
int MonthLength(int year, int month);

// Days from 1 January of year 1 (which gives 0) in the Gregorian calendar.
long long DayCount(int year, int month, int day);
// The inverse of DayCount; counts outside the displayed years give the nearest end date.
CalendarDate DateOfDayCount(long long n);
// 0 is Sunday, 6 is Saturday.
int WeekdayOf(long long n);

// The day count of the epoch date, 1 February 1997.
long long EpochDayCount();

ClockReading ReadLocalClock();
double ModelTimeOfClock(const ClockReading& clock);
double ModelTimeNow();

DisplayedMoment DisplayedMomentOf(double modelTime);

}  // namespace planetarium
