// The chart computation runs in every animation frame: it must not touch the heap.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "astrocore/chart.h"

namespace {
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace astrocore {
namespace {

TEST(ComputeChart, AllocatesNothing) {
  const ChartInput input{1, 1, 1980, 12.00, -2, -26.06, 44.26};
  const long before = allocations.load();
  volatile double sink = 0;
  for (int i = 0; i < 10; ++i) sink = sink + ComputeChart(input).bodyLongitude[kSun];
  EXPECT_EQ(allocations.load(), before);
}

}  // namespace
}  // namespace astrocore
