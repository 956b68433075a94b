#include "chartanim/clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace chartanim {
namespace {

using astrocore::ChartInput;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

AnimationClock Clock(double day, double month, double year, double typedTime, double step) {
  ChartInput typed;
  typed.day = day;
  typed.month = month;
  typed.year = year;
  typed.localTime = typedTime;
  typed.placeLongitude = -26.06;
  typed.placeLatitude = 44.26;
  return StartClock(typed, step);
}

// The carry as a user would do it by hand: one minute-hour at a time, one day at a time.
void AdvanceOneStepAtATime(AnimationClock& c) {
  ChartInput& in = c.input;
  c.minutes = c.minutes + c.stepMinutes;
  while (c.minutes >= 60) {
    c.minutes = c.minutes - 60;
    in.localTime = in.localTime + 1;
    if (in.localTime >= 24) {
      in.localTime = 0;
      in.day = in.day + 1;
      const int month = static_cast<int>(std::trunc(in.month));  // only months 1..12 here
      double n = DaysInMonth[month];
      const double year = std::trunc(in.year);
      if (in.month == 2 && std::fmod(year, 4) == 0 &&
          (std::fmod(year, 100) != 0 || std::fmod(year, 400) == 0)) {
        n = n + 1;
      }
      if (in.day > n) {
        in.day = 1;
        in.month = in.month + 1;
        if (in.month > 12) {
          in.month = 1;
          in.year = in.year + 1;
        }
      }
    }
  }
}

std::string Describe(const AnimationClock& c) {
  return std::to_string(c.input.day) + "." + std::to_string(c.input.month) + "." +
         std::to_string(c.input.year) + " " + std::to_string(c.input.localTime) + "h " +
         std::to_string(c.minutes) + "min";
}

void ExpectSameClock(const AnimationClock& actual, const AnimationClock& expected) {
  EXPECT_EQ(actual.input.day, expected.input.day);
  EXPECT_EQ(actual.input.month, expected.input.month);
  EXPECT_EQ(actual.input.year, expected.input.year);
  EXPECT_EQ(actual.input.localTime, expected.input.localTime);
  EXPECT_EQ(actual.minutes, expected.minutes);
}

TEST(StartClock, SplitsTheTypedTimeIntoHourAndMinutes) {
  const AnimationClock clock = Clock(1, 1, 1980, 14.305, 30);
  EXPECT_EQ(clock.input.localTime, 14);
  EXPECT_NEAR(clock.minutes, 30.5, 1e-9);
  EXPECT_EQ(clock.stepMinutes, 30);
  EXPECT_EQ(clock.input.zoneDifference, -2);
  EXPECT_EQ(clock.input.placeLongitude, -26.06);
  EXPECT_EQ(clock.input.placeLatitude, 44.26);

  // Trunc goes toward zero, so a negative time gives negative minutes.
  const AnimationClock negative = Clock(1, 1, 1980, -1.5, 0);
  EXPECT_EQ(negative.input.localTime, -1);
  EXPECT_NEAR(negative.minutes, -50, 1e-9);
}

TEST(MonthLength, TableLeapYearsAndMonthsOutsideTheTable) {
  struct Case {
    double month, year, days;
  };
  const Case cases[] = {
      {1, 1999, 31},      {2, 1999, 28},    {2, 2000, 29},  {2, 2012, 29},    {2, 1900, 28},
      {2, 2100, 28},      {4, 2000, 30},    {12, 2000, 31}, {2, -4, 29},      {2, kNaN, 28},
      {2, kInf, 28},      {2.5, 2000, 28},  // whole part 2, but not the month 2 itself
      {0, 2000, 31},      {13, 2000, 31},   {-3, 2000, 31}, {kNaN, 2000, 31}, {1e300, 2000, 31},
      {-1e300, 2000, 31}, {kInf, 2000, 31},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MonthLength(c.month, c.year), c.days) << c.month << "/" << c.year;
  }
}

TEST(AdvanceClock, RollsOverHoursDaysMonthsAndYears) {
  struct Case {
    const char* what;
    double day, month, year, typedTime, step;
    int advances;
    double wantDay, wantMonth, wantYear, wantHour, wantMinutes;
  };
  const Case cases[] = {
      {"minutes carry into the hour", 1, 1, 1980, 14.305, 30, 1, 1, 1, 1980, 15, 0.5},
      {"new year", 31, 12, 1999, 23.00, 60, 1, 1, 1, 2000, 0, 0},
      {"leap 2000", 28, 2, 2000, 23.00, 60, 1, 29, 2, 2000, 0, 0},
      {"leap 2012", 28, 2, 2012, 23.00, 60, 1, 29, 2, 2012, 0, 0},
      {"no leap 1900", 28, 2, 1900, 23.00, 60, 1, 1, 3, 1900, 0, 0},
      {"no leap 2100", 28, 2, 2100, 23.00, 60, 1, 1, 3, 2100, 0, 0},
      {"29 February ends", 29, 2, 2000, 23.00, 60, 1, 1, 3, 2000, 0, 0},
      {"31 April before the day change", 31, 4, 2000, 0.00, 60, 23, 31, 4, 2000, 23, 0},
      {"31 April at the day change", 31, 4, 2000, 0.00, 60, 24, 1, 5, 2000, 0, 0},
      {"a day per key", 30, 1, 2001, 9.00, 1440, 2, 1, 2, 2001, 9, 0},
      {"zero step", 31, 12, 1999, 23.59, 0, 10, 31, 12, 1999, 23, 59},
      {"negative step", 31, 12, 1999, 23.59, -30, 10, 31, 12, 1999, 23, -241},
      {"step 20, twice", 1, 1, 1980, 12.00, 20, 2, 1, 1, 1980, 12, 40},
      {"step 20, thrice", 1, 1, 1980, 12.00, 20, 3, 1, 1, 1980, 13, 0},
      {"typed hour 24 carries at the first change", 1, 1, 1980, 24.00, 60, 1, 2, 1, 1980, 0, 0},
      {"typed minutes 75 carry twice", 1, 1, 1980, 10.75, 50, 1, 1, 1, 1980, 12, 5},
      {"hour below zero counts up", 1, 1, 1980, -2.00, 60, 3, 1, 1, 1980, 1, 0},
      {"a typed day past the month", 45, 1, 1980, 23.00, 60, 1, 1, 2, 1980, 0, 0},
      {"day 0 counts up", 0, 3, 1980, 23.00, 1440, 1, 1, 3, 1980, 23, 0},
      {"month 13 has 31 days, then January", 31, 13, 1980, 23.00, 60, 1, 1, 1, 1981, 0, 0},
      {"month 13, day 30", 30, 13, 1980, 23.00, 60, 1, 31, 13, 1980, 0, 0},
      {"month 0 becomes January", 31, 0, 1980, 23.00, 60, 1, 1, 1, 1980, 0, 0},
      {"month 2.5 has 28 days even in a leap year", 28, 2.5, 2000, 23.00, 60, 1, 1, 3.5, 2000, 0,
       0},
      {"a year of 1440 * 366 minutes", 1, 1, 2000, 12.00, 1440 * 366, 1, 1, 1, 2001, 12, 0},
      {"1e12 minutes", 1, 1, 2000, 0.00, 1e12, 1, 23, 4, 1903324, 10, 40},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AnimationClock clock = Clock(c.day, c.month, c.year, c.typedTime, c.step);
    for (int i = 0; i < c.advances; ++i) AdvanceClock(clock);
    SCOPED_TRACE(Describe(clock));
    EXPECT_EQ(clock.input.day, c.wantDay);
    EXPECT_EQ(clock.input.month, c.wantMonth);
    EXPECT_EQ(clock.input.year, c.wantYear);
    EXPECT_EQ(clock.input.localTime, c.wantHour);
    EXPECT_NEAR(clock.minutes, c.wantMinutes, 1e-9);
    EXPECT_EQ(clock.input.zoneDifference, -2);
  }
}

TEST(AdvanceClock, Step20ChangesTheHourOnlyAtEveryThirdAdvance) {
  AnimationClock clock = Clock(1, 1, 1980, 12.00, 20);
  std::vector<double> hours;
  for (int i = 0; i < 7; ++i) {
    AdvanceClock(clock);
    hours.push_back(clock.input.localTime);
  }
  EXPECT_EQ(hours, (std::vector<double>{12, 12, 13, 13, 13, 14, 14}));
}

// Stepping minute by minute and day by day is the meaning of the clock; the closed-form
// carry must agree with it exactly, including typed values outside the calendar.
TEST(AdvanceClock, AgreesExactlyWithOneStepAtATime) {
  const double days[] = {-40, 0, 1, 15, 28, 29, 30, 31, 45, 1.5};
  const double months[] = {1, 2, 4, 12, 12.5};
  const double years[] = {1900, 1999, 2000, 2012, 2100, -4, -1, 1980.5};
  const double times[] = {0.00, 23.595, -5.00, 30.00, 12.305};
  const double steps[] = {1, 59.5, 60, 61, 1440, 4000, 100000, 1440 * 400 + 7};
  int compared = 0;
  for (double day : days)
    for (double month : months)
      for (double year : years)
        for (double time : times)
          for (double step : steps) {
            AnimationClock fast = Clock(day, month, year, time, step);
            AnimationClock slow = fast;
            for (int frame = 0; frame < 3; ++frame) {
              AdvanceClock(fast);
              AdvanceOneStepAtATime(slow);
              SCOPED_TRACE("from " + Describe(Clock(day, month, year, time, step)) + " step " +
                           std::to_string(step) + " frame " + std::to_string(frame));
              ExpectSameClock(fast, slow);
              if (::testing::Test::HasFailure()) return;
              ++compared;
            }
          }
  EXPECT_GT(compared, 1000);
}

// Whole 400-year cycles are taken in one go; across them, and across the year 0 with a
// fraction in the year, the result is still that of stepping day by day.
TEST(AdvanceClock, CyclesOf400YearsAgreeWithOneStepAtATime) {
  struct Case {
    double day, month, year, typedTime, stepDays;
  };
  const Case cases[] = {
      {15, 6, 1987, 13.00, 3 * 146097 + 777},
      {29, 2, 2000, 23.00, 146097},
      {31, 12, 1999, 23.00, 2 * 146097 + 1},
      {10, 3, -1000.5, 5.00, 3 * 146097 + 100},  // Trunc of the year passes 0 twice
      {1, 1, -2000, 0.00, 6 * 146097 + 59},
  };
  for (const Case& c : cases) {
    AnimationClock fast = Clock(c.day, c.month, c.year, c.typedTime, c.stepDays * 1440 + 1);
    AnimationClock slow = fast;
    AdvanceClock(fast);
    AdvanceOneStepAtATime(slow);
    SCOPED_TRACE(Describe(slow));
    ExpectSameClock(fast, slow);
  }
}

TEST(AdvanceClock, HugeAndNonFiniteValuesFinishAtOnce) {
  struct Case {
    const char* what;
    double day, month, year, typedTime, step;
  };
  const Case cases[] = {
      {"step 1e300", 1, 1, 2000, 12.00, 1e300},
      {"step of the largest double", 1, 1, 2000, 12.00, std::numeric_limits<double>::max()},
      {"step +inf", 1, 1, 2000, 12.00, kInf},
      {"step -inf", 1, 1, 2000, 12.00, -kInf},
      {"step NaN", 1, 1, 2000, 12.00, kNaN},
      {"hour NaN", 1, 1, 2000, kNaN, 1e15},
      {"hour +inf", 1, 1, 2000, kInf, 60},
      {"hour -1e300", 1, 1, 2000, -1e300, 1e15},
      {"day NaN", kNaN, 1, 2000, 23.00, 1e15},
      {"day -inf", -kInf, 1, 2000, 23.00, 1e15},
      {"day -1e15", -1e15, 1, 2000, 23.00, 1e15},
      {"day 1e300", 1e300, 1, 2000, 23.00, 1e15},
      {"month NaN", 1, kNaN, 2000, 23.00, 1e15},
      {"month 1e300", 1, 1e300, 2000, 23.00, 1e15},
      {"month -1e300", 1, -1e300, 2000, 23.00, 1e15},
      {"month -1e12", 1, -1e12, 2000, 23.00, 1e15},
      {"month +inf", 1, kInf, 2000, 23.00, 1e15},
      {"year NaN", 1, 1, kNaN, 23.00, 1e15},
      {"year 1e300", 1, 1, 1e300, 23.00, 1e300},
      {"year -inf", 1, 1, -kInf, 23.00, 1e300},
      {"year just below 2^53", 1, 1, 9007199254740000.0, 23.00, 1e300},
      {"year -1e13 with a fraction", 1, 1, -1e13 - 0.5, 23.00, 1e300},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AnimationClock clock = Clock(c.day, c.month, c.year, c.typedTime, c.step);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 3; ++i) AdvanceClock(clock);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(1)) << Describe(clock);
  }
}

TEST(AdvanceClock, HugeAndNonFiniteValuesGiveSensibleResults) {
  // An endless number of minutes has no carry that ever ends: the chart stays put.
  AnimationClock endless = Clock(1, 1, 2000, 12.00, kInf);
  AdvanceClock(endless);
  EXPECT_EQ(endless.input.localTime, 12);
  EXPECT_EQ(endless.input.day, 1);

  // A day that is not a number never exceeds its month: the date stays, the hour moves.
  AnimationClock noDay = Clock(kNaN, 3, 2000, 23.00, 60);
  AdvanceClock(noDay);
  EXPECT_TRUE(std::isnan(noDay.input.day));
  EXPECT_EQ(noDay.input.month, 3);
  EXPECT_EQ(noDay.input.localTime, 0);

  // A month that is not a number has 31 days and never reaches January.
  AnimationClock noMonth = Clock(1, kNaN, 2000, 0.00, 1440 * 40);
  AdvanceClock(noMonth);
  EXPECT_EQ(noMonth.input.day, 10);
  EXPECT_EQ(noMonth.input.year, 2000);

  // A year that is not a number is never a leap year and months still roll over.
  AnimationClock noYear = Clock(28, 2, kNaN, 0.00, 1440);
  AdvanceClock(noYear);
  EXPECT_EQ(noYear.input.day, 1);
  EXPECT_EQ(noYear.input.month, 3);

  // Where adding a year no longer changes a double, the calendar stays in that year.
  AnimationClock farFuture = Clock(1, 1, 9007199254740000.0, 0.00, 1e300);
  AdvanceClock(farFuture);
  EXPECT_EQ(farFuture.input.year, 9007199254740992.0);
  EXPECT_GE(farFuture.input.day, 1);
  EXPECT_LE(farFuture.input.day, MonthLength(farFuture.input.month, farFuture.input.year));
  EXPECT_GE(farFuture.input.month, 1);
  EXPECT_LE(farFuture.input.month, 12);
  EXPECT_GE(farFuture.minutes, 0);
  EXPECT_LT(farFuture.minutes, 60);
  EXPECT_GE(farFuture.input.localTime, 0);
  EXPECT_LT(farFuture.input.localTime, 24);
}

}  // namespace
}  // namespace chartanim
