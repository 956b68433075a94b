#include "planetarium/time_base.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace planetarium {
namespace {

TEST(DayCountTest, RoundTripsEveryDayOfYearsOneToNineThousand) {
  long long n = 0;
  for (int year = 1; year <= 9999; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= MonthLength(year, month); ++day, ++n) {
        ASSERT_EQ(DayCount(year, month, day), n) << year << "-" << month << "-" << day;
        const CalendarDate date = DateOfDayCount(n);
        ASSERT_EQ(date.year, year) << n;
        ASSERT_EQ(date.month, month) << n;
        ASSERT_EQ(date.day, day) << n;
      }
    }
  }
  EXPECT_EQ(n, DayCount(9999, 12, 31) + 1);
}

struct KnownDay {
  int year, month, day;
  long long count;
  int weekday;
};

TEST(DayCountTest, KnownDatesAndWeekdays) {
  const KnownDay cases[] = {
      {1, 1, 1, 0, 1},          // a Monday
      {1997, 2, 1, 729055, 6},  // the epoch, a Saturday
      {2024, 1, 1, 738885, 1},  // a Monday
      {2000, 3, 1, 730179, 3},  // after 29 February 2000
      {1900, 3, 1, 693654, 4},  // 1900 has no 29 February
      {2000, 2, 29, 730178, 2},
  };
  for (const KnownDay& c : cases) {
    EXPECT_EQ(DayCount(c.year, c.month, c.day), c.count) << c.year << "-" << c.month;
    EXPECT_EQ(WeekdayOf(c.count), c.weekday) << c.year << "-" << c.month;
  }
}

TEST(DayCountTest, WeekdayStaysAnIndexForNegativeCounts) {
  for (long long n = -30; n < 30; ++n) {
    const int w = WeekdayOf(n);
    EXPECT_GE(w, 0);
    EXPECT_LT(w, 7);
    EXPECT_EQ(w, WeekdayOf(n + 7));
  }
}

TEST(DateOfDayCountTest, CountsOutsideTheDisplayedYearsGiveTheEndDates) {
  const long long low[] = {std::numeric_limits<long long>::min(), -1000000000000LL, -1};
  for (long long n : low) {
    const CalendarDate d = DateOfDayCount(n);
    EXPECT_EQ(d.year, 1);
    EXPECT_EQ(d.month, 1);
    EXPECT_EQ(d.day, 1);
  }
  const long long high[] = {DayCount(10000, 1, 1), 1000000000000000LL,
                            std::numeric_limits<long long>::max()};
  for (long long n : high) {
    const CalendarDate d = DateOfDayCount(n);
    EXPECT_EQ(d.year, 9999);
    EXPECT_EQ(d.month, 12);
    EXPECT_EQ(d.day, 31);
  }
}

TEST(ModelTimeTest, EpochClockGivesZero) {
  EXPECT_EQ(ModelTimeOfClock({{1997, 2, 1}, 8, 0, 0}), 0.0);
  EXPECT_NEAR(ModelTimeOfClock({{2024, 1, 1}, 12, 0, 0}), 738885 - 729055 + 0.5 - 1.0 / 3.0, 1e-9);
  EXPECT_NEAR(ModelTimeOfClock({{1997, 1, 31}, 18, 0, 0}), -7.0 / 12.0, 1e-12);
}

struct MomentCase {
  double t;
  CalendarDate date;
  int weekday;
  int second;
};

TEST(DisplayedMomentTest, DateAndTimeOfDay) {
  const long long last = DayCount(9999, 12, 31) - DayCount(1997, 2, 1);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const MomentCase cases[] = {
      {0.0, {1997, 2, 1}, 6, 8 * 3600},
      {-7.0 / 12.0, {1997, 1, 31}, 5, 18 * 3600},  // u rounded down, not toward zero
      {-1.0 / 3.0, {1997, 2, 1}, 6, 0},
      {-365.2564, {1996, 2, 2}, 5, 6647},  // 1996 is a leap year
      // Less than half a second before midnight is the next day's midnight.
      {2.0 / 3.0 - 0.3 / 86400.0, {1997, 2, 2}, 0, 0},
      {2.0 / 3.0 - 0.7 / 86400.0, {1997, 2, 1}, 6, 86399},
      {static_cast<double>(last) + 0.7, {9999, 12, 31}, 5, 86399},
      {1e19, {9999, 12, 31}, 5, 86399},
      {inf, {9999, 12, 31}, 5, 86399},
      {-1e19, {1, 1, 1}, 1, 0},
      {-inf, {1, 1, 1}, 1, 0},
      {nan, {1, 1, 1}, 1, 0},
  };
  for (const MomentCase& c : cases) {
    const DisplayedMoment m = DisplayedMomentOf(c.t);
    EXPECT_EQ(m.date.year, c.date.year) << c.t;
    EXPECT_EQ(m.date.month, c.date.month) << c.t;
    EXPECT_EQ(m.date.day, c.date.day) << c.t;
    EXPECT_EQ(m.weekday, c.weekday) << c.t;
    EXPECT_EQ(m.secondOfDay, c.second) << c.t;
  }
}

}  // namespace
}  // namespace planetarium
