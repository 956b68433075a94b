#include "biorhythm/key_loop.h"

#include "biorhythm/chart_screen.h"

namespace biorhythm {

KeyCommand ReadKeyCommand(wingraph::Device& dev) {
  const int key = wingraph::ReadKey(dev);
  if (key == wingraph::kKeyEsc) return KeyCommand::kQuit;
  if (key != 0) return KeyCommand::kNone;
  switch (wingraph::ReadKey(dev)) {
    case wingraph::kKeyLeft:
      return KeyCommand::kForward;  // the curves shift to the left
    case wingraph::kKeyRight:
      return KeyCommand::kBack;
    default:
      return KeyCommand::kNone;
  }
}

bool ApplyKeyCommand(ProgramState& state, KeyCommand command) {
  SetFebruaryLength(state.monthLength, state.current.year);
  switch (command) {
    case KeyCommand::kQuit:
      state.done = true;
      return false;
    case KeyCommand::kForward:
      state.current = StepDayForward(state.current, state.monthLength);
      return true;
    case KeyCommand::kBack:
      state.current = StepDayBack(state.current, state.monthLength);
      return true;
    case KeyCommand::kNone:
      return false;
  }
  return false;
}

void ShowChart(wingraph::Device& dev, const ProgramState& state) {
  DrawBiorhythm(dev, state.monthLength, state.name, state.birth.year, state.birth.month,
                state.birth.day, state.current.year, state.current.month, state.current.day);
}

void RunKeyLoop(wingraph::Device& dev, ProgramState& state) {
  // Without a window every read gives 0 at once and no Esc could ever come.
  while (!state.done && dev.driver != nullptr) {
    if (ApplyKeyCommand(state, ReadKeyCommand(dev))) {
      wingraph::ClearDevice(dev);
      ShowChart(dev, state);
    }
  }
}

}  // namespace biorhythm
