#include "planetarium/clock_line.h"

#include <gtest/gtest.h>

namespace planetarium {
namespace {

// The model time at a local clock reading.
double At(int year, int month, int day, int hour, int minute, int second) {
  return ModelTimeOfClock({{year, month, day}, hour, minute, second});
}

TEST(ClockLineTest, EpochAndTheEveningBefore) {
  EXPECT_EQ(BuildClockLine(0.0), "Sambata  1 Februarie 1997  8: 0: 0  am  => Zuren: 16.");
  EXPECT_EQ(BuildClockLine(-7.0 / 12.0), "Vineri 31 Ianuarie 1997  6: 0: 0  pm  => Zuren: 16.");
}

struct LineCase {
  double t;
  const char* line;
};

TEST(ClockLineTest, TwelveHourClock) {
  const LineCase cases[] = {
      {At(2024, 1, 1, 12, 0, 0), "Luni  1 Ianuarie 2024 12: 0: 0  Miezul zilei  => Zuren: 43."},
      {At(2024, 1, 1, 0, 0, 0), "Luni  1 Ianuarie 2024 12: 0: 0  Miezul noptii  => Zuren: 43."},
      {At(2024, 1, 1, 0, 30, 0), "Luni  1 Ianuarie 2024 12:30: 0  am  => Zuren: 43."},
      {At(2024, 1, 1, 12, 30, 0), "Luni  1 Ianuarie 2024 12:30: 0  pm  => Zuren: 43."},
      {At(2024, 1, 1, 10, 45, 50), "Luni  1 Ianuarie 2024 10:45:50  am  => Zuren: 43."},
      {At(2024, 1, 1, 10, 5, 9), "Luni  1 Ianuarie 2024 10: 5: 9  am  => Zuren: 43."},
      {At(2024, 1, 1, 13, 59, 59), "Luni  1 Ianuarie 2024  1:59:59  pm  => Zuren: 43."},
      {At(2024, 1, 1, 23, 59, 59), "Luni  1 Ianuarie 2024 11:59:59  pm  => Zuren: 43."},
      {At(2024, 12, 31, 0, 0, 1), "Marti 31 Decembrie 2024 12: 0: 1  am  => Zuren: 44."},
  };
  for (const LineCase& c : cases) EXPECT_EQ(BuildClockLine(c.t), c.line);
}

TEST(ClockLineTest, AgeTurnsOnTheBirthday) {
  const CalendarDate birth = PersonBirthDate;
  const LineCase cases[] = {
      {At(1990, birth.month, birth.day - 1, 9, 0, 0),
       "Miercuri 14 Martie 1990  9: 0: 0  am  => Zuren:  9."},
      {At(1990, birth.month, birth.day, 9, 0, 0), "Joi 15 Martie 1990  9: 0: 0  am  => Zuren: 10."},
      {At(2080, birth.month, birth.day, 9, 0, 0),
       "Vineri 15 Martie 2080  9: 0: 0  am  => Zuren: 100."},
      // Born that year but not yet: no age, as in the years before.
      {At(1980, birth.month, birth.day - 1, 9, 0, 0), "Vineri 14 Martie 1980  9: 0: 0  am"},
      {At(1980, birth.month, birth.day, 9, 0, 0),
       "Sambata 15 Martie 1980  9: 0: 0  am  => Zuren:  0."},
      {At(1979, 12, 31, 23, 0, 0), "Luni 31 Decembrie 1979 11: 0: 0  pm"},
  };
  for (const LineCase& c : cases) EXPECT_EQ(BuildClockLine(c.t), c.line);
}

TEST(ClockLineTest, SteppingBackAYearCrossesTheEpoch) {
  EXPECT_EQ(BuildClockLine(-365.2564), "Vineri  2 Februarie 1996  1:50:47  am  => Zuren: 15.");
  EXPECT_EQ(BuildClockLine(-1e19), "Luni  1 Ianuarie    1 12: 0: 0  Miezul noptii");
  EXPECT_EQ(BuildClockLine(1e19), "Vineri 31 Decembrie 9999 11:59:59  pm  => Zuren: 8019.");
}

}  // namespace
}  // namespace planetarium
