// One planetarium frame (model and drawing on an 800 x 600 page) next to clearing that page.
#include <benchmark/benchmark.h>

#include <string>

#include "planetarium/clock_line.h"
#include "planetarium/orbit_model.h"
#include "planetarium/scene.h"
#include "planetarium/time_base.h"
#include "wingraph/wingraph.h"

namespace {

const double kModelTime = planetarium::ModelTimeOfClock({{2024, 1, 1}, 12, 0, 0});

void BM_ClearDevice(benchmark::State& state) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(800, 600);
  for (auto _ : state) {
    wingraph::ClearDevice(dev);
    benchmark::DoNotOptimize(dev.pages[0].data());
  }
}
BENCHMARK(BM_ClearDevice);

void BM_Frame(benchmark::State& state) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(800, 600);
  for (auto _ : state) {
    const std::string line = planetarium::BuildClockLine(kModelTime);
    wingraph::ClearDevice(dev);
    planetarium::DrawScene(dev, kModelTime, planetarium::kStartZoom, line);
    benchmark::DoNotOptimize(dev.pages[0].data());
  }
}
BENCHMARK(BM_Frame);

// Zoomed far out, every orbit on the page.
void BM_FrameAllOrbits(benchmark::State& state) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(800, 600);
  for (auto _ : state) {
    const std::string line = planetarium::BuildClockLine(kModelTime);
    wingraph::ClearDevice(dev);
    planetarium::DrawScene(dev, kModelTime, 0.03, line);
    benchmark::DoNotOptimize(dev.pages[0].data());
  }
}
BENCHMARK(BM_FrameAllOrbits);

// Model only: the nine positions and the Moon.
void BM_Model(benchmark::State& state) {
  const planetarium::ScreenPoint centre{399, 299};
  for (auto _ : state) {
    for (const planetarium::PlanetRow& row : planetarium::kPlanetTable) {
      benchmark::DoNotOptimize(planetarium::PlanetPosition(row, kModelTime, 0.27, centre));
    }
  }
}
BENCHMARK(BM_Model);

}  // namespace
