// Dates as typed, the program's day count and weekday, its leap-year rule, and the day
// steps of the key loop and of the chart's date labels.
#pragma once

#include <array>
#include <cstdint>

namespace biorhythm {

struct Date {
  std::uint16_t year = 0;
  std::uint16_t month = 1;
  std::uint16_t day = 1;
};

// A date of the label row; its year may run one past the largest typed year.
struct LabelDate {
  std::int32_t year = 0;
  std::int32_t month = 1;
  std::int32_t day = 1;
};

// Days of the months 1 to 12 (index month - 1). The key loop rewrites the February entry.
using MonthTable = std::array<std::uint8_t, 12>;
inline constexpr MonthTable kStartMonthLength = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

inline constexpr std::uint16_t kLastYear = 0xFFFF;

// Every fourth year, century years included.
bool IsLeapYear(std::int64_t year);
// The length of a month by the leap-year rule; months outside 1 to 12 count as the
// nearest of them.
int DaysInMonth(std::int64_t year, int month);

// A Julian-calendar day count; any values of the three fields are accepted.
std::int64_t BiorhythmDayNumber(std::uint16_t year, std::uint16_t month, std::uint16_t day);
// Days from the birth date to the current date, negative when the birth date lies later.
std::int64_t DaysLived(const Date& birth, const Date& current);
// 1 for Sunday up to 7 for Saturday.
std::int64_t WeekdayNumber(const Date& current);

// The nearest real date: the month into 1 to 12, then the day into the month.
Date ClampDate(const Date& date);

// Sets the February entry for the given year.
void SetFebruaryLength(MonthTable& monthLength, std::uint16_t year);
// One day forward or back with the month lengths of the table. The date is first brought
// into range; the first and last days of the 16-bit year range do not move.
Date StepDayForward(const Date& date, const MonthTable& monthLength);
Date StepDayBack(const Date& date, const MonthTable& monthLength);

// The next day of the label row: February by the leap rule of the label year, the other
// months from the table.
LabelDate NextLabelDate(const LabelDate& date, const MonthTable& monthLength);

}  // namespace biorhythm
