#include "biorhythm/dialogue.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace biorhythm {

namespace {

constexpr unsigned kWordModulus = 65536;

// Asks until the answer lies in [low, high]. An input error (a wrong answer or the end of
// input) makes every later answer 0, so the loop stops there and takes the nearest bound.
std::uint16_t AskInRange(console::Console& con, std::string_view prompt, unsigned low,
                         unsigned high, std::string_view note) {
  for (;;) {
    console::WritePrompt(con, prompt);
    const unsigned value = console::ReadWhole(con, kWordModulus);
    if (value >= low && value <= high) return static_cast<std::uint16_t>(value);
    if (con.inputError) return static_cast<std::uint16_t>(std::clamp(value, low, high));
    console::WriteLine(con, note);
  }
}

}  // namespace

Date AskDate(console::Console& con) {
  Date date;
  console::WritePrompt(con, "Anul=");
  date.year = static_cast<std::uint16_t>(console::ReadWhole(con, kWordModulus));
  date.month = AskInRange(con, "Luna=", 1, 12, "Luna trebuie sa fie intre 1 si 12.");
  const int length = DaysInMonth(date.year, date.month);
  date.day = AskInRange(con, "Ziua=", 1, static_cast<unsigned>(length),
                        "Ziua trebuie sa fie intre 1 si " + std::to_string(length) + ".");
  return date;
}

ProgramState RunDialogue(console::Console& con) {
  ProgramState state;
  console::WritePrompt(con, "Cum te cheama:");
  state.name = console::ReadLine(con);
  console::WriteLine(con, "DATA NASTERII:");
  state.birth = AskDate(con);
  console::WriteLine(con, "DATA CURENTA:");
  state.current = AskDate(con);
  return state;
}

}  // namespace biorhythm
