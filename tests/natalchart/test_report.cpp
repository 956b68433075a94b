#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "natalchart/report.h"

namespace natalchart {
namespace {

const astrocore::ChartInput kInput1980{1, 1, 1980, 12.00, -2, -26.06, 44.26};

std::string Report(const astrocore::ChartRecord& chart, bool inputError = false) {
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* out = open_memstream(&buffer, &size);
  console::Console con = console::StreamConsole(nullptr, out);
  con.inputError = inputError;
  PrintReport(con, chart);
  std::fclose(out);
  std::string text(buffer, size);
  std::free(buffer);
  return text;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(PrintReport, MatchesTheGoldenReportOf1980LineByLine) {
  const std::string golden = ReadFile(std::string(ASTRO_TEST_DATA_DIR) + "/report_1980.txt");
  ASSERT_FALSE(golden.empty());
  const std::string report = Report(astrocore::ComputeChart(kInput1980));
  const std::vector<std::string> expected = Lines(golden);
  const std::vector<std::string> actual = Lines(report);
  for (std::size_t i = 0; i < expected.size() && i < actual.size(); ++i) {
    EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1;
  }
  EXPECT_EQ(actual.size(), expected.size());
  EXPECT_EQ(report, golden);  // line ends included
}

TEST(PrintReport, ListsTheSectionsInOrder) {
  const std::vector<std::string> lines = Lines(Report(astrocore::ComputeChart(kInput1980)));
  ASSERT_EQ(lines.size(), 3u + 15 + 1 + 12 + 1 + 33 + 1);
  EXPECT_EQ(lines[0], "---------------------------");
  EXPECT_EQ(lines[1], "TIMPUL SIDERAL:18.25190");
  EXPECT_EQ(lines[2], "-PLANETELE--------------------------");
  EXPECT_EQ(lines[8], "Jupiter-Retrograd  10\xf8 Fecioar\x85   4`  5\"160");
  EXPECT_EQ(lines[18], "-CASELE-----------------------------");
  EXPECT_EQ(lines[19], "Casa 1  11\xf8 Berbec  55` 38\" 11");
  EXPECT_EQ(lines[31], "-ASPECTELE--------------------------");
  EXPECT_EQ(lines[32], "Soarele cu Luna este in Opozitie (180)");
  EXPECT_EQ(lines.back(), "-GATA-----------------------------");
}

TEST(PrintReport, ChartWithoutAspectsGoesStraightToTheEndLine) {
  astrocore::ChartRecord chart = astrocore::ComputeChart(kInput1980);
  for (auto& row : chart.aspectGrid) row.fill(0);
  const std::vector<std::string> lines = Lines(Report(chart));
  ASSERT_EQ(lines.size(), 33u);
  EXPECT_EQ(lines[31], "-ASPECTELE--------------------------");
  EXPECT_EQ(lines[32], "-GATA-----------------------------");
}

TEST(PrintReport, CuspRoundedUpToAFullTurnPrintsAsTheFirstSign) {
  astrocore::ChartRecord chart = astrocore::ComputeChart(kInput1980);
  chart.houseCusp[12] = 359.99996;  // four decimals make it 360
  const std::vector<std::string> lines = Lines(Report(chart));
  EXPECT_EQ(lines[30], "Casa 12   0\xf8 Berbec   0`  0\"  0");
}

TEST(PrintReport, PrintsWhateverTheRecordHolds) {
  astrocore::ChartRecord chart;  // an empty record: no motion texts, zero longitudes
  chart.aspectGrid[1][2] = 99;   // not an aspect number: nothing to name, so no line
  chart.aspectGrid[3][4] = -1;
  const std::vector<std::string> lines = Lines(Report(chart));
  ASSERT_EQ(lines.size(), 33u);
  EXPECT_EQ(lines[3], "Soarele-   0\xf8 Berbec   0`  0\"  0");
}

TEST(PrintReport, InputErrorStateSuppressesTheWholeReport) {
  EXPECT_EQ(Report(astrocore::ComputeChart(kInput1980), true), "");
}

}  // namespace
}  // namespace natalchart
