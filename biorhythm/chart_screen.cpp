#include "biorhythm/chart_screen.h"

#include <algorithm>

#include "biorhythm/cycles.h"
#include "wingraph/palette.h"

namespace biorhythm {

namespace {

constexpr std::array<std::string_view, 7> kDayName = {"Duminica", "Luni",   "Marti",  "Miercuri",
                                                      "Joi",      "Vineri", "Sambata"};
constexpr std::array<std::string_view, 12> kMonthName = {
    "IANUARIE", "FEBRUARIE", "MARTIE",     "APRILIE",   "MAI",       "IUNIE",
    "IULIE",    "AUGUST",    "SEPTEMBRIE", "OCTOMBRIE", "NOIEMBRIE", "DECEMBRIE"};

// Chart geometry; the vertical offsets are taken from maxY, so the chart hangs from the
// bottom of the window.
constexpr int kLeft = 40;
constexpr int kRight = 600;
constexpr int kLowerOffset = 100;
constexpr int kUpperOffset = 400;
constexpr int kLabelBaseOffset = 50;
constexpr int kColumnWidth = (kRight - kLeft) / kLabelColumns;
constexpr int kZeroOffset = kLowerOffset + (kUpperOffset - kLowerOffset) / 2;

constexpr std::array<int, kSeriesCount> kSeriesColor = {wingraph::kLightRed, wingraph::kLightBlue,
                                                        wingraph::kLightGreen, wingraph::kLightCyan,
                                                        wingraph::kWhite};

struct LegendEntry {
  int x1;
  int x2;
  int xt;
};
constexpr std::array<LegendEntry, kSeriesCount> kLegend = {
    {{40, 50, 73}, {105, 115, 154}, {200, 210, 255}, {305, 315, 361}, {413, 423, 445}}};

constexpr int kSolid = 0;
constexpr int kSolidFill = 1;
constexpr int kFont = 0;
constexpr int kHorizontal = 0;
constexpr int kTextSize = 2;
constexpr int kJustifyLeft = 0;
constexpr int kJustifyCentre = 1;
constexpr int kJustifyBottom = 1;

int GridX(int i) {
  return kLeft + kColumnWidth * i;
}

std::string_view FirstThree(std::string_view text) {
  return text.substr(0, 3);
}

void DrawFrame(wingraph::Device& dev, int maxY) {
  wingraph::Rectangle(dev, kLeft, maxY - kLowerOffset, kRight, maxY - kUpperOffset);
  wingraph::Line(dev, kLeft, maxY - kZeroOffset, kRight, maxY - kZeroOffset);
  wingraph::Line(dev, kLeft, maxY - kLabelBaseOffset, kRight, maxY - kLabelBaseOffset);
}

void DrawDayColumns(wingraph::Device& dev, int maxY,
                    const std::array<LabelColumn, kLabelColumns>& columns) {
  for (int i = 0; i <= kLabelColumns; ++i) {
    wingraph::SetColor(dev, wingraph::kGrey);
    wingraph::Line(dev, GridX(i), maxY - kLabelBaseOffset, GridX(i), maxY - kUpperOffset);
    if (i == kLabelColumns) break;
    const LabelColumn& column = columns[static_cast<std::size_t>(i)];
    const int x = GridX(i) + kColumnWidth / 2;
    wingraph::SetColor(dev, column.sunday ? wingraph::kLightRed : wingraph::kWhite);
    wingraph::OutTextXY(dev, x, maxY - 85, column.dayName);
    wingraph::OutTextXY(dev, x, maxY - 75, std::to_string(column.day));
    wingraph::OutTextXY(dev, x, maxY - 65, column.monthName);
    wingraph::OutTextXY(dev, x, maxY - 55, std::to_string(column.yearLabel));
  }
}

void DrawLegend(wingraph::Device& dev) {
  for (int c = 0; c < kSeriesCount; ++c) {
    const LegendEntry& entry = kLegend[static_cast<std::size_t>(c)];
    wingraph::SetFillStyle(dev, kSolidFill, kSeriesColor[static_cast<std::size_t>(c)]);
    wingraph::Bar(dev, entry.x1, 65, entry.x2, 75);
    wingraph::SetColor(dev, wingraph::kWhite);
    wingraph::OutTextXY(dev, entry.xt, 80, kSeriesLabel[static_cast<std::size_t>(c)]);
  }
}

void DrawVerdicts(wingraph::Device& dev, const SampleTable& samples) {
  wingraph::SetTextJustify(dev, kJustifyLeft, kJustifyBottom);
  for (int c = 0; c < kSeriesCount; ++c) {
    const auto series = static_cast<std::size_t>(c);
    wingraph::SetFillStyle(dev, kSolidFill, kSeriesColor[series]);
    wingraph::Bar(dev, 25, 10 * c, 35, 10 * c + 7);
    wingraph::SetColor(dev, wingraph::kWhite);
    wingraph::OutTextXY(dev, 40, 15 + 10 * c, VerdictSentence(c, VerdictState(samples[series])));
  }
}

// One grid step at a time for all five series, so later series cover earlier ones.
void DrawCurves(wingraph::Device& dev, int maxY, const SampleTable& samples) {
  const int zeroY = maxY - kZeroOffset;
  for (int i = 1; i < kSampleCount; ++i) {
    for (int c = 0; c < kSeriesCount; ++c) {
      const auto series = static_cast<std::size_t>(c);
      const SeriesSamples& s = samples[series];
      wingraph::SetColor(dev, kSeriesColor[series]);
      wingraph::Line(dev, GridX(i - 1), zeroY - s[static_cast<std::size_t>(i - 1)], GridX(i),
                     zeroY - s[static_cast<std::size_t>(i)]);
    }
  }
}

}  // namespace

std::string_view DayName(std::int64_t index) {
  const std::int64_t i = (index % 7 + 7) % 7;
  return kDayName[static_cast<std::size_t>(i)];
}

std::string_view MonthName(int month) {
  return kMonthName[static_cast<std::size_t>(std::clamp(month, 1, 12) - 1)];
}

std::string HeadingText(std::string_view name, const Date& birth, const Date& current) {
  // Only the first 255 bytes of a name can show, so a huge name is never copied whole.
  std::string text(name.substr(0, kHeadingLimit));
  text += " - ";
  text += std::to_string(birth.day) + "/" + std::string(MonthName(birth.month)) + "/" +
          std::to_string(birth.year);
  text += ":";
  text += std::to_string(current.day) + "/" + std::string(MonthName(current.month)) + "/" +
          std::to_string(current.year);
  if (text.size() > kHeadingLimit) text.resize(kHeadingLimit);
  return text;
}

std::array<LabelColumn, kLabelColumns> LabelColumns(const Date& current, std::int64_t weekday,
                                                    const MonthTable& monthLength) {
  std::array<LabelColumn, kLabelColumns> columns{};
  LabelDate date{current.year, current.month, current.day};
  for (int i = 0; i < kLabelColumns; ++i) {
    LabelColumn& column = columns[static_cast<std::size_t>(i)];
    const std::int64_t dayIndex = weekday + i;
    column.sunday = dayIndex % 7 == 0;
    column.dayName = FirstThree(DayName(dayIndex));
    date = NextLabelDate(date, monthLength);
    column.day = date.day;
    column.monthName = FirstThree(MonthName(date.month));
    column.yearLabel = date.year - 1000 * (date.year / 1000);
  }
  return columns;
}

void DrawBiorhythm(wingraph::Device& dev, const MonthTable& monthLength, std::string_view name,
                   std::uint16_t birthYear, std::uint16_t birthMonth, std::uint16_t birthDay,
                   std::uint16_t currentYear, std::uint16_t currentMonth,
                   std::uint16_t currentDay) {
  const Date birth = ClampDate(Date{birthYear, birthMonth, birthDay});
  const Date current = ClampDate(Date{currentYear, currentMonth, currentDay});
  const int maxX = wingraph::GetMaxX(dev);
  const int maxY = wingraph::GetMaxY(dev);

  const SampleTable samples = CycleSamples(DaysLived(birth, current));
  const std::int64_t weekday = WeekdayNumber(current);

  wingraph::SetLineStyle(dev, kSolid, 0, 1);
  wingraph::SetColor(dev, wingraph::kGrey);
  wingraph::SetTextStyle(dev, kFont, kHorizontal, kTextSize);
  DrawFrame(dev, maxY);

  wingraph::SetTextJustify(dev, kJustifyCentre, kJustifyBottom);
  wingraph::SetTextStyle(dev, kFont, kHorizontal, kTextSize);
  wingraph::SetColor(dev, wingraph::kLightMagenta);
  wingraph::OutTextXY(dev, maxX / 2, maxY - 20, HeadingText(name, birth, current));

  wingraph::SetTextStyle(dev, kFont, kHorizontal, kTextSize);
  DrawDayColumns(dev, maxY, LabelColumns(current, weekday, monthLength));
  DrawLegend(dev);

  wingraph::SetLineStyle(dev, kSolid, 0, 3);
  DrawVerdicts(dev, samples);
  DrawCurves(dev, maxY, samples);
}

}  // namespace biorhythm
