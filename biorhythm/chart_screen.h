// The chart screen: frame, day grid with date labels, heading, legend, verdicts and curves.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "biorhythm/calendar.h"
#include "wingraph/wingraph.h"

namespace biorhythm {

inline constexpr int kLabelColumns = 20;
inline constexpr std::size_t kHeadingLimit = 255;

// The four labels of one day column and whether the day is a Sunday.
struct LabelColumn {
  std::string_view dayName;  // first three letters
  std::int32_t day = 0;
  std::string_view monthName;  // first three letters
  std::int32_t yearLabel = 0;  // year modulo 1000
  bool sunday = false;
};

// "Duminica" to "Sambata" for 0 to 6 (0 is Sunday), any other index counted modulo 7.
std::string_view DayName(std::int64_t index);
// "IANUARIE" to "DECEMBRIE"; months outside 1 to 12 take the nearest name.
std::string_view MonthName(int month);

// name - day/MONTH/year:day/MONTH/year, at most 255 characters.
std::string HeadingText(std::string_view name, const Date& birth, const Date& current);
// Column i is labelled with the date i + 1 days after the current date.
std::array<LabelColumn, kLabelColumns> LabelColumns(const Date& current, std::int64_t weekday,
                                                    const MonthTable& monthLength);

// Draws one complete screen on a cleared window. Dates outside the calendar are drawn as
// the nearest real date.
void DrawBiorhythm(wingraph::Device& dev, const MonthTable& monthLength, std::string_view name,
                   std::uint16_t birthYear, std::uint16_t birthMonth, std::uint16_t birthDay,
                   std::uint16_t currentYear, std::uint16_t currentMonth, std::uint16_t currentDay);

}  // namespace biorhythm
