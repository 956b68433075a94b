// One frame of the animated chart (the chart computed and the wheel drawn on an 800 x 600
// page) next to clearing that page, the floor that every frame pays anyway.
#include <benchmark/benchmark.h>

#include "astrocore/chart.h"
#include "chartanim/animated_wheel.h"
#include "chartanim/clock.h"
#include "wingraph/wingraph.h"

namespace {

chartanim::AnimationClock BucharestClock() {
  astrocore::ChartInput typed;
  typed.day = 1;
  typed.month = 1;
  typed.year = 1980;
  typed.localTime = 12.00;
  typed.placeLongitude = -26.06;
  typed.placeLatitude = 44.26;
  return chartanim::StartClock(typed, 60);
}

void BM_ClearDevice(benchmark::State& state) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(800, 600);
  for (auto _ : state) {
    wingraph::ClearDevice(dev);
    benchmark::DoNotOptimize(dev.pages[0].data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ClearDevice);

// Compute and draw only, as the frame loop does after clearing; the clock moves on an hour
// per frame so every frame is a new chart.
void BM_Frame(benchmark::State& state) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(800, 600);
  chartanim::AnimationClock clock = BucharestClock();
  for (auto _ : state) {
    chartanim::DrawAnimatedWheel(dev, astrocore::ComputeChart(clock.input));
    chartanim::AdvanceClock(clock);
    benchmark::DoNotOptimize(dev.pages[0].data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Frame);

void BM_ComputeChart(benchmark::State& state) {
  const chartanim::AnimationClock clock = BucharestClock();
  for (auto _ : state) benchmark::DoNotOptimize(astrocore::ComputeChart(clock.input));
}
BENCHMARK(BM_ComputeChart);

void BM_AdvanceClockHugeStep(benchmark::State& state) {
  chartanim::AnimationClock clock = BucharestClock();
  clock.stepMinutes = 1e12;
  for (auto _ : state) {
    chartanim::AdvanceClock(clock);
    benchmark::DoNotOptimize(clock);
  }
}
BENCHMARK(BM_AdvanceClockHugeStep);

}  // namespace
