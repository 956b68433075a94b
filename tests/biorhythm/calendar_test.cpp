#include "biorhythm/calendar.h"

#include <gtest/gtest.h>

namespace biorhythm {
namespace {

struct DayNumberCase {
  std::uint16_t year, month, day;
  std::int64_t dayNumber;
};

// The month offsets come out of the 30.6 factor; 153, 306 and 459 are exact multiples that
// a factor stored below 30.6 would turn into 152, 305 and 458. Year 1 adds 365 days for
// March to December; January and February count from year 0.
TEST(BiorhythmDayNumber, CountsDaysWithExactMonthOffsets) {
  const DayNumberCase cases[] = {
      {2024, 1, 1, 739329},
      {2024, 3, 15, 739403},
      {1980, 3, 15, 723332},
      {1, 1, 0, 428},
      {1, 2, 0, 459},
      {1, 3, 0, 122 + 365},
      {1, 4, 0, 153 + 365},
      {1, 5, 0, 183 + 365},
      {1, 6, 0, 214 + 365},
      {1, 7, 0, 244 + 365},
      {1, 8, 0, 275 + 365},
      {1, 9, 0, 306 + 365},
      {1, 10, 0, 336 + 365},
      {1, 11, 0, 367 + 365},
      {1, 12, 0, 397 + 365},
      // trunc(365.25 x -1) is -365: truncation toward zero, not rounding down.
      {0, 1, 1, 1 + 428 - 365},
      {0, 3, 1, 1 + 122},
      {65535, 12, 31, 31 + 397 + 23936658},
  };
  for (const DayNumberCase& c : cases) {
    EXPECT_EQ(BiorhythmDayNumber(c.year, c.month, c.day), c.dayNumber)
        << c.day << "." << c.month << "." << c.year;
  }
}

TEST(BiorhythmDayNumber, CountsJulianLeapDaysInCenturyYears) {
  EXPECT_EQ(BiorhythmDayNumber(1900, 3, 1) - BiorhythmDayNumber(1900, 2, 28), 2);
  EXPECT_EQ(BiorhythmDayNumber(2023, 3, 1) - BiorhythmDayNumber(2023, 2, 28), 1);
}

TEST(DaysLived, IsSignedDifferenceOfDayNumbers) {
  const Date birth{1980, 3, 15};
  const Date current{2024, 1, 1};
  EXPECT_EQ(DaysLived(birth, current), 15997);
  EXPECT_EQ(DaysLived(current, birth), -15997);
  EXPECT_EQ(DaysLived(current, current), 0);
}

struct WeekdayCase {
  Date date;
  std::int64_t weekday;  // 1 Sunday .. 7 Saturday
};

TEST(WeekdayNumber, RunsFromSundayToSaturday) {
  const WeekdayCase cases[] = {
      {{2024, 1, 1}, 2},  {{2024, 3, 15}, 6}, {{1980, 3, 15}, 7},   {{2024, 1, 7}, 1},
      {{2024, 2, 29}, 5}, {{0, 1, 1}, 7},     {{65535, 12, 31}, 4},
  };
  for (const WeekdayCase& c : cases) {
    EXPECT_EQ(WeekdayNumber(c.date), c.weekday)
        << c.date.day << "." << c.date.month << "." << c.date.year;
  }
}

TEST(IsLeapYear, EveryFourthYearWithoutCenturyException) {
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_TRUE(IsLeapYear(1900));
  EXPECT_TRUE(IsLeapYear(2100));
  EXPECT_TRUE(IsLeapYear(0));
  EXPECT_FALSE(IsLeapYear(2023));
  EXPECT_FALSE(IsLeapYear(65535));
}

struct ClampCase {
  Date in;
  Date out;
};

TEST(ClampDate, BringsAnyFieldsToTheNearestRealDate) {
  const ClampCase cases[] = {
      {{2024, 2, 29}, {2024, 2, 29}},   {{2023, 2, 29}, {2023, 2, 28}},
      {{2024, 0, 0}, {2024, 1, 1}},     {{2024, 13, 40}, {2024, 12, 31}},
      {{0, 65535, 65535}, {0, 12, 31}}, {{1900, 2, 30}, {1900, 2, 29}},
      {{2024, 4, 31}, {2024, 4, 30}},
  };
  for (const ClampCase& c : cases) {
    const Date d = ClampDate(c.in);
    EXPECT_EQ(d.year, c.out.year);
    EXPECT_EQ(d.month, c.out.month) << c.in.month;
    EXPECT_EQ(d.day, c.out.day) << c.in.day << "." << c.in.month << "." << c.in.year;
  }
}

struct LabelStepCase {
  LabelDate in;
  int februaryEntry;  // what the key loop last wrote; labels must not depend on it
  LabelDate out;
};

TEST(NextLabelDate, UsesTheLabelYearForFebruary) {
  const LabelStepCase cases[] = {
      {{2024, 2, 28}, 28, {2024, 2, 29}}, {{2024, 2, 29}, 28, {2024, 3, 1}},
      {{2023, 2, 28}, 29, {2023, 3, 1}},  {{2023, 2, 29}, 29, {2023, 3, 1}},
      {{2024, 2, 30}, 29, {2024, 3, 1}},  {{2023, 12, 31}, 28, {2024, 1, 1}},
      {{2024, 4, 30}, 28, {2024, 5, 1}},  {{65535, 12, 31}, 28, {65536, 1, 1}},
      {{2024, 13, 5}, 28, {2024, 12, 6}},
  };
  for (const LabelStepCase& c : cases) {
    MonthTable table = kStartMonthLength;
    table[1] = static_cast<std::uint8_t>(c.februaryEntry);
    const LabelDate d = NextLabelDate(c.in, table);
    EXPECT_EQ(d.year, c.out.year);
    EXPECT_EQ(d.month, c.out.month);
    EXPECT_EQ(d.day, c.out.day) << c.in.day << "." << c.in.month << "." << c.in.year;
  }
}

}  // namespace
}  // namespace biorhythm
