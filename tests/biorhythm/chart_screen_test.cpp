#include "biorhythm/chart_screen.h"

#include <gtest/gtest.h>

#include <string>

#include "wingraph/palette.h"

namespace biorhythm {
namespace {

TEST(HeadingText, JoinsNameAndBothDates) {
  EXPECT_EQ(HeadingText("abc", {1980, 3, 15}, {2024, 1, 1}),
            "abc - 15/MARTIE/1980:1/IANUARIE/2024");
  EXPECT_EQ(HeadingText("", {0, 12, 31}, {65535, 2, 29}), " - 31/DECEMBRIE/0:29/FEBRUARIE/65535");
  const std::string highBytes = "\x8c\xff\x80 \xa0";
  EXPECT_EQ(HeadingText(highBytes, {1980, 3, 15}, {2024, 1, 1}),
            highBytes + " - 15/MARTIE/1980:1/IANUARIE/2024");
}

struct CutCase {
  std::size_t nameLength;
  std::string expectedTail;  // what follows the name, after the cut
};

TEST(HeadingText, IsCutTo255Characters) {
  const std::string dates = " - 15/MARTIE/1980:1/IANUARIE/2024";  // 34 characters
  const CutCase cases[] = {
      {221, dates},                // exactly 255
      {222, dates.substr(0, 33)},  // one over: the last digit goes
      {250, dates.substr(0, 5)},   // " - 15"
      {255, ""},                   // only the name
      {300, ""},
      {std::size_t{1} << 20, ""},  // a megabyte
  };
  for (const CutCase& c : cases) {
    const std::string name(c.nameLength, 'n');
    const std::string heading = HeadingText(name, {1980, 3, 15}, {2024, 1, 1});
    const std::size_t nameShown = std::min<std::size_t>(c.nameLength, 255);
    EXPECT_EQ(heading.size(), std::min<std::size_t>(c.nameLength + dates.size(), 255));
    EXPECT_EQ(heading.substr(0, nameShown), name.substr(0, nameShown));
    EXPECT_EQ(heading.substr(nameShown), c.expectedTail) << c.nameLength;
  }
}

std::string Describe(const LabelColumn& column) {
  return std::string(column.dayName) + " " + std::to_string(column.day) + " " +
         std::string(column.monthName) + " " + std::to_string(column.yearLabel) +
         (column.sunday ? " S" : "");
}

struct ColumnCase {
  Date current;
  int column;
  std::string labels;  // day name, day, month, year label, S for a Sunday
};

// Column i shows the day i + 1 after the current date, with February by the label year's
// leap rule whatever the key loop last wrote into the table.
TEST(LabelColumns, NameTheDaysAfterTheCurrentDate) {
  const ColumnCase cases[] = {
      {{2024, 1, 1}, 0, "Mar 2 IAN 24"},     {{2024, 1, 1}, 4, "Sam 6 IAN 24"},
      {{2024, 1, 1}, 5, "Dum 7 IAN 24 S"},   {{2024, 1, 1}, 6, "Lun 8 IAN 24"},
      {{2024, 1, 1}, 19, "Dum 21 IAN 24 S"}, {{2024, 2, 20}, 7, "Mie 28 FEB 24"},
      {{2024, 2, 20}, 8, "Joi 29 FEB 24"},   {{2024, 2, 20}, 9, "Vin 1 MAR 24"},
      {{2023, 2, 20}, 7, "Mar 28 FEB 23"},   {{2023, 2, 20}, 8, "Mie 1 MAR 23"},
      {{1999, 12, 25}, 5, "Vin 31 DEC 999"}, {{1999, 12, 25}, 6, "Sam 1 IAN 0"},
      {{2005, 6, 1}, 0, "Joi 2 IUN 5"},      {{65535, 12, 31}, 0, "Joi 1 IAN 536"},
  };
  for (const ColumnCase& c : cases) {
    for (const int february : {28, 29}) {
      MonthTable table = kStartMonthLength;
      table[1] = static_cast<std::uint8_t>(february);
      const auto columns = LabelColumns(c.current, WeekdayNumber(c.current), table);
      EXPECT_EQ(Describe(columns[static_cast<std::size_t>(c.column)]), c.labels)
          << c.current.day << "." << c.current.month << "." << c.current.year << " column "
          << c.column;
    }
  }
}

TEST(NameTables, NeverReadOutsideTheirRange) {
  EXPECT_EQ(DayName(0), "Duminica");
  EXPECT_EQ(DayName(6), "Sambata");
  EXPECT_EQ(DayName(9), "Marti");
  EXPECT_EQ(DayName(-1), "Sambata");
  EXPECT_EQ(MonthName(1), "IANUARIE");
  EXPECT_EQ(MonthName(12), "DECEMBRIE");
  EXPECT_EQ(MonthName(0), "IANUARIE");
  EXPECT_EQ(MonthName(13), "DECEMBRIE");
}

int CountColour(const wingraph::Device& dev, int x1, int y1, int x2, int y2, int colour) {
  int count = 0;
  for (int y = y1; y <= y2; ++y) {
    for (int x = x1; x <= x2; ++x) count += wingraph::GetPixel(dev, x, y) == colour ? 1 : 0;
  }
  return count;
}

struct HarshInput {
  std::string name;
  Date birth;
  Date current;
};

// Whatever the name and the date fields hold, the screen is drawn inside the window and
// every table lookup stays in range (the sanitizer run checks the memory side).
TEST(DrawBiorhythm, DrawsHarshInputsWithoutHarm) {
  const HarshInput inputs[] = {
      {std::string(std::size_t{1} << 20, '\xdb'), {0, 0, 0}, {65535, 13, 65535}},
      {"", {65535, 12, 31}, {0, 1, 1}},
      {std::string(300, '\x8c'), {2024, 2, 30}, {2023, 2, 29}},
      {std::string("a\0b\xff", 4), {1980, 65535, 0}, {2024, 0, 40}},
  };
  for (const HarshInput& in : inputs) {
    wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
    DrawBiorhythm(dev, kStartMonthLength, in.name, in.birth.year, in.birth.month, in.birth.day,
                  in.current.year, in.current.month, in.current.day);
    EXPECT_GT(CountColour(dev, 0, 440, 639, 460, wingraph::kLightMagenta), 0);
    EXPECT_GT(CountColour(dev, 40, 229, 600, 229, wingraph::kGrey), 0);
  }
}

}  // namespace
}  // namespace biorhythm
