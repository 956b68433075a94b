// The key loop: the arrows step the current date and redraw, Esc ends.
#pragma once

#include "biorhythm/program_state.h"
#include "wingraph/wingraph.h"

namespace biorhythm {

enum class KeyCommand { kNone, kForward, kBack, kQuit };

// Reads one key; after a 0 the key's second code is read as well.
KeyCommand ReadKeyCommand(wingraph::Device& dev);
// Sets the February entry from the current year, then acts on the command. Returns whether
// the current date moved, so the screen must be drawn again.
bool ApplyKeyCommand(ProgramState& state, KeyCommand command);

// Clears the window and draws the chart of the state's dates.
void ShowChart(wingraph::Device& dev, const ProgramState& state);
// Runs until Esc (at once without a window); the first screen must already be drawn.
void RunKeyLoop(wingraph::Device& dev, ProgramState& state);

}  // namespace biorhythm
