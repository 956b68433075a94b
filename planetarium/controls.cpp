#include "planetarium/controls.h"

#include <cfloat>
#include <cmath>
#include <string>

#include "planetarium/clock_line.h"
#include "planetarium/scene.h"
#include "planetarium/time_base.h"

namespace planetarium {

namespace {

void StepTime(PlanetariumState& state, double days) {
  state.modelTime += days;
  state.realTime = false;
}

// A zoom that would overflow to infinity or sink to zero could never be undone by the
// opposite key, so such a press is ignored.
void ScaleZoom(PlanetariumState& state, double factor) {
  const double zoom = state.zoom * factor;
  if (zoom >= DBL_MIN && zoom <= DBL_MAX) state.zoom = zoom;
}

}  // namespace

KeyOutcome HandleKey(PlanetariumState& state, int code) {
  switch (code) {
    case 27:
      return KeyOutcome::kQuit;
    case 42:
      ScaleZoom(state, 1.1);
      break;
    case 47:
      ScaleZoom(state, 0.9);
      break;
    case 72:
      StepTime(state, -kMoonPeriod);
      break;
    case 75:
      StepTime(state, -1.0);
      break;
    case 77:
      StepTime(state, 1.0);
      break;
    case 80:
      StepTime(state, kMoonPeriod);
      break;
    case 91:
      StepTime(state, -kYearLength);
      break;
    case 93:
      StepTime(state, kYearLength);
      break;
    case 114:
      state.realTime = true;
      break;
    case 115:
      StepTime(state, -1.0 / 24.0);
      break;
    case 116:
      StepTime(state, 1.0 / 24.0);
      break;
    default:
      break;
  }
  return KeyOutcome::kContinue;
}

KeyOutcome PollKey(wingraph::Device& dev, PlanetariumState& state) {
  if (!wingraph::KeyPressed(dev)) return KeyOutcome::kContinue;
  int code = wingraph::ReadKey(dev);
  if (code == 0) code = wingraph::ReadKey(dev);
  return HandleKey(state, code);
}

void DrawFrame(wingraph::Device& dev, PlanetariumState& state) {
  if (state.realTime) state.modelTime = ModelTimeNow();
  const std::string clockLine = BuildClockLine(state.modelTime);
  wingraph::SetActivePage(dev, state.page);
  state.page = 1 - state.page;
  wingraph::SetVisualPage(dev, state.page);
  wingraph::ClearDevice(dev);
  DrawScene(dev, state.modelTime, state.zoom, clockLine);
}

void RunPlanetarium(wingraph::Device& dev) {
  wingraph::InitGraph(dev, wingraph::kDriverVga256, wingraph::kMode800x600, "PLANETARIU");
  PlanetariumState state;
  do {
    DrawFrame(dev, state);
  } while (PollKey(dev, state) == KeyOutcome::kContinue);
  wingraph::CloseGraph(dev);
}

}  // namespace planetarium
