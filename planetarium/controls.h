// The program's state, its keys and the endless frame loop.
#pragma once

#include "planetarium/orbit_model.h"
#include "wingraph/wingraph.h"

namespace planetarium {

struct PlanetariumState {
  double modelTime = 0.0;
  bool realTime = true;  // the model time follows the clock
  double zoom = kStartZoom;
  int page = 0;  // the page the next frame is drawn on
};

enum class KeyOutcome { kContinue, kQuit };

// Acts on one key code (the second code of a special key, or a character with that code).
KeyOutcome HandleKey(PlanetariumState& state, int code);

// Handles at most one waiting key without ever waiting.
KeyOutcome PollKey(wingraph::Device& dev, PlanetariumState& state);

// One frame: the clock when real time is on, the page flip, the clear and the picture.
void DrawFrame(wingraph::Device& dev, PlanetariumState& state);

// Opens the window, runs the frame loop until Esc and closes the window.
void RunPlanetarium(wingraph::Device& dev);

}  // namespace planetarium
