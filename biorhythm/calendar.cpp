#include "biorhythm/calendar.h"

#include <algorithm>

namespace biorhythm {

namespace {

constexpr int kFebruary = 2;

int ClampMonth(int month) {
  return std::clamp(month, 1, 12);
}

int TableLength(const MonthTable& monthLength, int month) {
  return monthLength[static_cast<std::size_t>(ClampMonth(month) - 1)];
}

}  // namespace

bool IsLeapYear(std::int64_t year) {
  return year % 4 == 0;
}

int DaysInMonth(std::int64_t year, int month) {
  const int m = ClampMonth(month);
  if (m == kFebruary) return IsLeapYear(year) ? 29 : 28;
  return kStartMonthLength[static_cast<std::size_t>(m - 1)];
}

std::int64_t BiorhythmDayNumber(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
  // 30.6 and 365.25 are scaled to whole numbers so that exact multiples stay exact
  // (30.6 x 5 is 153, never 152); integer division truncates toward zero as required.
  std::int64_t y = year;
  std::int64_t m = month;
  if (m <= 2) {
    m += 13;
    y -= 1;
  } else {
    m += 1;
  }
  return day + (306 * m) / 10 + (36525 * y) / 100;
}

std::int64_t DaysLived(const Date& birth, const Date& current) {
  return BiorhythmDayNumber(current.year, current.month, current.day) -
         BiorhythmDayNumber(birth.year, birth.month, birth.day);
}

std::int64_t WeekdayNumber(const Date& current) {
  return (BiorhythmDayNumber(current.year, current.month, current.day) - 2) % 7 + 1;
}

Date ClampDate(const Date& date) {
  Date result = date;
  result.month = static_cast<std::uint16_t>(ClampMonth(date.month));
  result.day = static_cast<std::uint16_t>(
      std::clamp<int>(date.day, 1, DaysInMonth(date.year, result.month)));
  return result;
}

void SetFebruaryLength(MonthTable& monthLength, std::uint16_t year) {
  monthLength[kFebruary - 1] = IsLeapYear(year) ? 29 : 28;
}

Date StepDayForward(const Date& date, const MonthTable& monthLength) {
  Date d = ClampDate(date);
  if (d.month == 12 && d.day >= 31 && d.year == kLastYear) return d;
  d.day = static_cast<std::uint16_t>(d.day + 1);
  if (d.day > TableLength(monthLength, d.month)) {
    d.day = 1;
    if (d.month == 12) {
      d.month = 1;
      d.year = static_cast<std::uint16_t>(d.year + 1);
    } else {
      d.month = static_cast<std::uint16_t>(d.month + 1);
    }
  }
  return d;
}

Date StepDayBack(const Date& date, const MonthTable& monthLength) {
  Date d = ClampDate(date);
  if (d.month == 1 && d.day == 1 && d.year == 0) return d;
  if (d.day > 1) {
    d.day = static_cast<std::uint16_t>(d.day - 1);
    return d;
  }
  if (d.month == 1) {
    d.month = 12;
    d.year = static_cast<std::uint16_t>(d.year - 1);
  } else {
    d.month = static_cast<std::uint16_t>(d.month - 1);
  }
  d.day = static_cast<std::uint16_t>(TableLength(monthLength, d.month));
  return d;
}

LabelDate NextLabelDate(const LabelDate& date, const MonthTable& monthLength) {
  LabelDate d = date;
  d.month = ClampMonth(d.month);
  d.day += 1;
  const int length =
      d.month == kFebruary ? (IsLeapYear(d.year) ? 29 : 28) : TableLength(monthLength, d.month);
  if (d.day > length) {
    d.day = 1;
    d.month += 1;
    if (d.month > 12) {
      d.month = 1;
      d.year += 1;
    }
  }
  return d;
}

}  // namespace biorhythm
