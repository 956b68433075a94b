#include "planetarium/controls.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace planetarium {
namespace {

struct StepCase {
  int code;
  double days;
};

TEST(HandleKeyTest, TimeStepsSwitchRealTimeOff) {
  const StepCase cases[] = {
      {72, -27.321660532407407}, {75, -1.0},     {77, 1.0},        {80, 27.321660532407407},
      {91, -365.2564},           {93, 365.2564}, {115, -1.0 / 24}, {116, 1.0 / 24},
  };
  for (const StepCase& c : cases) {
    PlanetariumState state;
    state.modelTime = 100.25;
    EXPECT_EQ(HandleKey(state, c.code), KeyOutcome::kContinue);
    EXPECT_EQ(state.modelTime, 100.25 + c.days) << c.code;
    EXPECT_FALSE(state.realTime) << c.code;
    EXPECT_EQ(state.zoom, kStartZoom) << c.code;
  }
}

TEST(HandleKeyTest, ZoomKeysKeepTheMode) {
  for (bool realTime : {true, false}) {
    PlanetariumState state;
    state.realTime = realTime;
    HandleKey(state, 42);
    EXPECT_EQ(state.zoom, kStartZoom * 1.1);
    HandleKey(state, 47);
    EXPECT_EQ(state.zoom, kStartZoom * 1.1 * 0.9);
    EXPECT_EQ(state.realTime, realTime);
    EXPECT_EQ(state.modelTime, 0.0);
  }
}

TEST(HandleKeyTest, EscQuitsAndRReturnsToTheClock) {
  PlanetariumState state;
  EXPECT_EQ(HandleKey(state, 27), KeyOutcome::kQuit);
  HandleKey(state, 77);
  ASSERT_FALSE(state.realTime);
  HandleKey(state, 114);
  EXPECT_TRUE(state.realTime);
  EXPECT_EQ(state.modelTime, 1.0);  // the next frame takes the clock
}

TEST(HandleKeyTest, OtherCodesChangeNothing) {
  for (int code : {0, 13, 32, 43, 71, 73, 82, 107, 113, 117, 255, -1}) {
    PlanetariumState state;
    state.modelTime = 5.0;
    EXPECT_EQ(HandleKey(state, code), KeyOutcome::kContinue) << code;
    EXPECT_EQ(state.modelTime, 5.0) << code;
    EXPECT_TRUE(state.realTime) << code;
    EXPECT_EQ(state.zoom, kStartZoom) << code;
  }
}

TEST(HandleKeyTest, ZoomStaysFiniteAndPositiveSoItCanBeUndone) {
  PlanetariumState state;
  for (int i = 0; i < 10000; ++i) HandleKey(state, 42);
  EXPECT_TRUE(std::isfinite(state.zoom));
  EXPECT_GT(state.zoom, 1e300);
  HandleKey(state, 47);
  EXPECT_LT(state.zoom, DBL_MAX * 0.95);

  for (int i = 0; i < 20000; ++i) HandleKey(state, 47);
  EXPECT_GE(state.zoom, DBL_MIN);
  const double smallest = state.zoom;
  HandleKey(state, 42);
  EXPECT_GT(state.zoom, smallest);
}

TEST(DrawFrameTest, FlipsPagesAndKeepsASteppedTime) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(800, 600);
  PlanetariumState state;
  state.realTime = false;
  state.modelTime = 42.0;
  DrawFrame(dev, state);
  EXPECT_EQ(dev.state.activePage, 0);
  EXPECT_EQ(dev.state.visualPage, 1);
  EXPECT_EQ(state.page, 1);
  DrawFrame(dev, state);
  EXPECT_EQ(dev.state.activePage, 1);
  EXPECT_EQ(dev.state.visualPage, 0);
  EXPECT_EQ(state.page, 0);
  EXPECT_EQ(state.modelTime, 42.0);
}

TEST(DrawFrameTest, RealTimeTakesTheClock) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(800, 600);
  PlanetariumState state;
  state.modelTime = -1e9;
  DrawFrame(dev, state);
  // Any clock of this century.
  EXPECT_GT(state.modelTime, 1000.0);
  EXPECT_LT(state.modelTime, 40000.0);
}

TEST(PollKeyTest, NoWindowNoKey) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(800, 600);
  PlanetariumState state;
  EXPECT_EQ(PollKey(dev, state), KeyOutcome::kContinue);
  EXPECT_TRUE(state.realTime);
  EXPECT_EQ(state.zoom, kStartZoom);
}

}  // namespace
}  // namespace planetarium
