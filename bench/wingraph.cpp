// Drawing speed of the graphics layer on an in-memory 800 x 600 page.
#include "wingraph/wingraph.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace wingraph;

void BM_ClearDevice(benchmark::State& state) {
  Device dev = MakeMemoryDevice(800, 600);
  for (auto _ : state) {
    ClearDevice(dev);
    benchmark::DoNotOptimize(dev.pages[0].data());
  }
  state.SetBytesProcessed(state.iterations() * 800 * 600);
}
BENCHMARK(BM_ClearDevice);

// A spoke of a chart wheel: about 200 pixels long, at many angles.
void BM_Line(benchmark::State& state) {
  Device dev = MakeMemoryDevice(800, 600);
  SetLineStyle(dev, 0, 0, static_cast<int>(state.range(0)));
  int i = 0;
  for (auto _ : state) {
    const int k = i++ % 64;
    Line(dev, 400, 300, 200 + 6 * k, 100 + (k * 37) % 400);
  }
  benchmark::DoNotOptimize(dev.pages[0].data());
}
BENCHMARK(BM_Line)->Arg(1)->Arg(3);

void BM_LineHugeClipped(benchmark::State& state) {
  Device dev = MakeMemoryDevice(800, 600);
  for (auto _ : state) Line(dev, -2000000000, -1500000000, 2000000000, 1500000000);
  benchmark::DoNotOptimize(dev.pages[0].data());
}
BENCHMARK(BM_LineHugeClipped);

void BM_Circle(benchmark::State& state) {
  Device dev = MakeMemoryDevice(800, 600);
  SetLineStyle(dev, 0, 0, static_cast<int>(state.range(1)));
  const int radius = static_cast<int>(state.range(0));
  for (auto _ : state) Circle(dev, 400, 300, radius);
  benchmark::DoNotOptimize(dev.pages[0].data());
}
BENCHMARK(BM_Circle)->Args({10, 1})->Args({200, 1})->Args({200, 3})->Args({2000000000, 1});

void BM_EllipseArc(benchmark::State& state) {
  Device dev = MakeMemoryDevice(800, 600);
  for (auto _ : state) Ellipse(dev, 400, 300, 330, 210, 60, 20);
  benchmark::DoNotOptimize(dev.pages[0].data());
}
BENCHMARK(BM_EllipseArc);

// The short labels of an animated chart frame: two letters, centred, size 2.
void BM_OutTextXY(benchmark::State& state) {
  Device dev = MakeMemoryDevice(800, 600);
  SetTextStyle(dev, 0, 0, 2);
  SetTextJustify(dev, 1, 1);
  const std::string text = state.range(0) == 2 ? "MC" : "Data: 12- 3-1990 ora: 14.00";
  OutTextXY(dev, 0, 0, text);  // glyphs are rendered once, before timing
  int i = 0;
  for (auto _ : state) {
    const int k = i++ % 50;
    OutTextXY(dev, 100 + 12 * k, 100 + 9 * k, text);
  }
  benchmark::DoNotOptimize(dev.pages[0].data());
}
BENCHMARK(BM_OutTextXY)->Arg(2)->Arg(28);

}  // namespace
