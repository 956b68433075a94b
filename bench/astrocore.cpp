// Cost of one chart: the computation alone (the animation's inner step) and the console
// report written into memory.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "astrocore/chart.h"
#include "console/console.h"
#include "natalchart/report.h"

namespace {

const astrocore::ChartInput kInput{1, 1, 1980, 12.00, -2, -26.06, 44.26};

void BM_ComputeChart(benchmark::State& state) {
  astrocore::ChartInput input = kInput;
  for (auto _ : state) {
    // A new minute each time, as the animation steps its clock.
    input.localTime = input.localTime < 23 ? input.localTime + 0.01 : 0;
    astrocore::ChartRecord chart = astrocore::ComputeChart(input);
    benchmark::DoNotOptimize(chart);
  }
}
BENCHMARK(BM_ComputeChart);

void BM_PrintReport(benchmark::State& state) {
  const astrocore::ChartRecord chart = astrocore::ComputeChart(kInput);
  std::vector<char> buffer(64 * 1024);
  std::FILE* out = fmemopen(buffer.data(), buffer.size(), "w");
  console::Console con = console::StreamConsole(nullptr, out);
  for (auto _ : state) {
    std::rewind(out);
    natalchart::PrintReport(con, chart);
    std::fflush(out);
  }
  std::fclose(out);
}
BENCHMARK(BM_PrintReport);

void BM_ComputeChartAndReport(benchmark::State& state) {
  std::vector<char> buffer(64 * 1024);
  std::FILE* out = fmemopen(buffer.data(), buffer.size(), "w");
  console::Console con = console::StreamConsole(nullptr, out);
  for (auto _ : state) {
    std::rewind(out);
    natalchart::PrintReport(con, astrocore::ComputeChart(kInput));
    std::fflush(out);
  }
  std::fclose(out);
}
BENCHMARK(BM_ComputeChartAndReport);

}  // namespace
