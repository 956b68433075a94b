#include "biorhythm/key_loop.h"

#include <gtest/gtest.h>

namespace biorhythm {
namespace {

struct StepCase {
  Date from;
  KeyCommand command;
  Date to;
};

// The state starts as after the dialogue: February holds 28 until the first key press, so
// the leap-year steps only work if the entry is set before the step.
TEST(ApplyKeyCommand, StepsAcrossMonthAndYearEnds) {
  const StepCase cases[] = {
      {{2023, 12, 31}, KeyCommand::kForward, {2024, 1, 1}},
      {{2024, 3, 1}, KeyCommand::kBack, {2024, 2, 29}},
      {{2023, 3, 1}, KeyCommand::kBack, {2023, 2, 28}},
      {{2024, 1, 1}, KeyCommand::kBack, {2023, 12, 31}},
      {{2024, 2, 28}, KeyCommand::kForward, {2024, 2, 29}},
      {{2024, 2, 29}, KeyCommand::kForward, {2024, 3, 1}},
      {{2023, 2, 28}, KeyCommand::kForward, {2023, 3, 1}},
      {{1900, 2, 28}, KeyCommand::kForward, {1900, 2, 29}},
      {{2024, 1, 31}, KeyCommand::kForward, {2024, 2, 1}},
      {{2024, 5, 1}, KeyCommand::kBack, {2024, 4, 30}},
      {{2024, 6, 15}, KeyCommand::kForward, {2024, 6, 16}},
      // The ends of the 16-bit year range hold instead of wrapping round.
      {{65535, 12, 31}, KeyCommand::kForward, {65535, 12, 31}},
      {{65535, 12, 30}, KeyCommand::kForward, {65535, 12, 31}},
      {{0, 1, 1}, KeyCommand::kBack, {0, 1, 1}},
      {{0, 1, 2}, KeyCommand::kBack, {0, 1, 1}},
      {{1, 1, 1}, KeyCommand::kBack, {0, 12, 31}},
      // Dates outside the calendar first become the nearest real date.
      {{2024, 13, 5}, KeyCommand::kForward, {2024, 12, 6}},
      {{2024, 0, 0}, KeyCommand::kBack, {2023, 12, 31}},
      {{2023, 2, 31}, KeyCommand::kForward, {2023, 3, 1}},
  };
  for (const StepCase& c : cases) {
    ProgramState state;
    state.current = c.from;
    EXPECT_TRUE(ApplyKeyCommand(state, c.command));
    EXPECT_EQ(state.current.year, c.to.year);
    EXPECT_EQ(state.current.month, c.to.month);
    EXPECT_EQ(state.current.day, c.to.day)
        << c.from.day << "." << c.from.month << "." << c.from.year;
    EXPECT_FALSE(state.done);
  }
}

TEST(ApplyKeyCommand, SetsFebruaryFromTheYearBeforeTheStep) {
  ProgramState state;
  state.current = {2024, 1, 1};
  ApplyKeyCommand(state, KeyCommand::kBack);  // lands in 2023, but 2024 was current
  EXPECT_EQ(state.monthLength[1], 29);
  ApplyKeyCommand(state, KeyCommand::kForward);  // 2023 was current
  EXPECT_EQ(state.monthLength[1], 28);
}

TEST(ApplyKeyCommand, OtherKeysNeitherMoveNorRedraw) {
  ProgramState state;
  state.current = {2024, 3, 1};
  EXPECT_FALSE(ApplyKeyCommand(state, KeyCommand::kNone));
  EXPECT_EQ(state.current.day, 1);
  EXPECT_EQ(state.current.month, 3);
  EXPECT_FALSE(state.done);
  EXPECT_EQ(state.monthLength[1], 29);  // set on every key press
}

TEST(ApplyKeyCommand, EscEndsWithoutRedraw) {
  ProgramState state;
  state.current = {2024, 3, 1};
  EXPECT_FALSE(ApplyKeyCommand(state, KeyCommand::kQuit));
  EXPECT_TRUE(state.done);
  EXPECT_EQ(state.current.day, 1);
}

TEST(RunKeyLoop, EndsAtOnceWithoutAWindow) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(640, 480);
  ProgramState state;
  state.current = {2024, 1, 1};
  RunKeyLoop(dev, state);  // would spin forever on the endless zeros of a missing window
  EXPECT_EQ(state.current.day, 1);
}

}  // namespace
}  // namespace biorhythm
