// The line of text at the top of the screen: weekday, date, a 12-hour clock and the age of
// the person born on PersonBirthDate.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "planetarium/time_base.h"

namespace planetarium {

inline constexpr std::array<std::string_view, 7> kDayNames = {
    "Duminica", "Luni", "Marti", "Miercuri", "Joi", "Vineri", "Sambata"};

inline constexpr std::array<std::string_view, 13> kMonthNames = {
    "",      "Ianuarie", "Februarie",  "Martie",   "Aprilie",   "Mai",      "Iunie",
    "Iulie", "August",   "Septembrie", "Octobrie", "Noiembrie", "Decembrie"};

// The birth date of the person whose age the clock line gives.
inline constexpr CalendarDate PersonBirthDate{1980, 3, 15};

// Whole years of age on the given date of someone born on the birth date.
int AgeOn(const CalendarDate& date, const CalendarDate& birth);

std::string BuildClockLine(double modelTime);

}  // namespace planetarium
