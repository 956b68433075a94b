#include "planetarium/clock_line.h"

#include <cstdio>

namespace planetarium {

namespace {

// A number right-aligned with blanks in the given width, never cut.
std::string RightAligned(long long value, int width) {
  char text[32];
  std::snprintf(text, sizeof text, "%*lld", width, value);
  return text;
}

}  // namespace

int AgeOn(const CalendarDate& date, const CalendarDate& birth) {
  int age = date.year - birth.year;
  if (date.month < birth.month || (date.month == birth.month && date.day < birth.day)) --age;
  return age;
}

std::string BuildClockLine(double modelTime) {
  const DisplayedMoment moment = DisplayedMomentOf(modelTime);
  const int s = moment.secondOfDay;
  std::string line;
  line += kDayNames[moment.weekday];
  line += " ";
  line += RightAligned(moment.date.day, 2) + " ";
  line += kMonthNames[moment.date.month];
  line += " ";
  line += RightAligned(moment.date.year, 4) + " ";
  line += RightAligned((s / 3600 + 11) % 12 + 1, 2) + ":";
  line += RightAligned(s / 60 % 60, 2) + ":";
  line += RightAligned(s % 60, 2) + " ";
  if (s == 0) {
    line += " Miezul noptii";
  } else if (s == 43200) {
    line += " Miezul zilei";
  } else if (s < 43200) {
    line += " am";
  } else {
    line += " pm";
  }
  // Dates before the birth itself, also those early in the birth year, have no age.
  const int age = AgeOn(moment.date, PersonBirthDate);
  if (moment.date.year >= PersonBirthDate.year && age >= 0) {
    line += "  => Zuren: ";
    line += RightAligned(age, 2) + ".";
  }
  return line;
}

}  // namespace planetarium
