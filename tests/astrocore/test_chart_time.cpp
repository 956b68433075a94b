#include <gtest/gtest.h>

#include "astrocore/chart_time.h"

namespace astrocore {
namespace {

TEST(DayNumber, SwitchesFromTheJulianToTheGregorianCalendar) {
  struct {
    double day, month, year, number;
  } const cases[] = {
      {1, 1, 2000, 2451545},  {31, 12, 1899, 2415020}, {1, 3, 1900, 2415080},
      {4, 10, 1582, 2299160}, {15, 10, 1582, 2299161}, {1, 1, 1980, 2444240},
      {28, 2, 1900, 2415079},                          // 1900 is not a Gregorian leap year
      {31, 4, 1980, 2444361},                          // 31 April counts as 1 May
      {1, 5, 1980, 2444361},  {1, 13, 1979, 2444240},  // month 13 is January of the next year
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DayNumber(c.day, c.month, c.year), c.number)
        << c.day << "." << c.month << "." << c.year;
  }
}

TEST(ChartTime, GivesTheInstantAndTheSiderealTime) {
  struct {
    ChartInput input;
    double ut, dayNumber, centuries, theta, siderealTime;
  } const cases[] = {
      {{1, 1, 1980, 12.00, -2, -26.06, 44.26}, 10, 2444240, 0.7999977185, 276.3285, 18.2519},
      {{12, 3, 1850, 6.15, -2, -26.06, 44.26}, 4.25, 2396829, -0.4980512777, 259.3094, 17.1714},
      {{15, 6, 1985, 14.30, -10, -151.12, -33.52}, 4.5, 2446232, 0.8545294319, 122.1125, 8.0827},
  };
  for (const auto& c : cases) {
    const ChartTime time = ComputeChartTime(c.input);
    EXPECT_NEAR(time.universalTime, c.ut, 1e-12);
    EXPECT_EQ(time.dayNumber, c.dayNumber);
    EXPECT_NEAR(time.centuries, c.centuries, 5e-11);
    EXPECT_NEAR(time.siderealAngle, c.theta, 0.00005);
    EXPECT_DOUBLE_EQ(SiderealTimeText(time.siderealAngle), c.siderealTime);
  }
}

TEST(ChartTime, UniversalTimeOutsideTheDayCarriesIntoTheNeighbouringDay) {
  // 23.00 with zone +3 is 02:00 UT of the next day; 00.30 with zone -2 is 22:30 of the day before.
  const ChartTime late = ComputeChartTime({1, 1, 1980, 23.00, 3, 0, 0});
  const ChartTime nextDay = ComputeChartTime({2, 1, 1980, 2.00, 0, 0, 0});
  EXPECT_EQ(late.universalTime, 26);
  EXPECT_EQ(late.dayNumber, 2444240);
  EXPECT_NEAR(late.centuries, nextDay.centuries, 1e-15);

  const ChartTime early = ComputeChartTime({1, 1, 1980, 0.30, -2, 0, 0});
  const ChartTime dayBefore = ComputeChartTime({31, 12, 1979, 22.30, 0, 0, 0});
  EXPECT_EQ(early.universalTime, -1.5);
  EXPECT_NEAR(early.centuries, dayBefore.centuries, 1e-15);
  EXPECT_NEAR(early.siderealAngle, dayBefore.siderealAngle, 1e-9);
}

TEST(SiderealTimeText, RoundsOnlyTheLastStepSoSecondsCanShowSixty) {
  // 18 h 25 min 19 s exactly, and 1 h 0 min 59.7 s which shows 60 seconds without a carry.
  EXPECT_DOUBLE_EQ(SiderealTimeText(15 * (18 + 25 / 60.0 + 19 / 3600.0)), 18.2519);
  EXPECT_DOUBLE_EQ(SiderealTimeText(15 * (1 + 59.7 / 3600.0)), 1.0060);
  EXPECT_DOUBLE_EQ(SiderealTimeText(0), 0);
}

}  // namespace
}  // namespace astrocore
