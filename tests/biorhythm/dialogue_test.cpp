#include "biorhythm/dialogue.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace biorhythm {
namespace {

struct Transcript {
  ProgramState state;
  std::string output;
};

Transcript RunWithInput(const std::string& input) {
  std::string buffer = input;
  std::FILE* in =
      buffer.empty() ? std::fopen("/dev/null", "r") : fmemopen(buffer.data(), buffer.size(), "r");
  char* outData = nullptr;
  std::size_t outSize = 0;
  std::FILE* out = open_memstream(&outData, &outSize);
  console::Console con = console::StreamConsole(in, out);
  Transcript t;
  t.state = RunDialogue(con);
  std::fclose(in);
  std::fclose(out);
  t.output.assign(outData, outSize);
  std::free(outData);
  return t;
}

struct DialogueCase {
  const char* what;
  std::string input;
  std::string output;
  std::string name;
  Date birth;
  Date current;
};

const std::string kBirthAsked = "Cum te cheama:DATA NASTERII:\nAnul=Luna=Ziua=";
const std::string kCurrentAsked = "DATA CURENTA:\nAnul=Luna=Ziua=";
const std::string kMonthNote = "Luna trebuie sa fie intre 1 si 12.\n";

TEST(RunDialogue, AsksNameBirthDateAndCurrentDate) {
  const DialogueCase cases[] = {
      {"plain",
       "Ana\n1980\n3\n15\n2024\n1\n1\n",
       kBirthAsked + kCurrentAsked,
       "Ana",
       {1980, 3, 15},
       {2024, 1, 1}},
      {"name with blanks, numbers with trailing text",
       "Ana Maria  Pop \n1980 x\n  3\n\n15\n2024\n1\n1\n",
       kBirthAsked + kCurrentAsked,
       "Ana Maria  Pop ",
       {1980, 3, 15},
       {2024, 1, 1}},
      {"empty name",
       "\n1980\n3\n15\n2024\n1\n1\n",
       kBirthAsked + kCurrentAsked,
       "",
       {1980, 3, 15},
       {2024, 1, 1}},
      {"bytes above 0x7F",
       "\x8c\xff\n1980\n3\n15\n2024\n1\n1\n",
       kBirthAsked + kCurrentAsked,
       "\x8c\xff",
       {1980, 3, 15},
       {2024, 1, 1}},
      {"leap days by the program's rule",
       "A\n1900\n2\n29\n2024\n2\n29\n",
       kBirthAsked + kCurrentAsked,
       "A",
       {1900, 2, 29},
       {2024, 2, 29}},
      {"negative year wraps like the 16-bit field",
       "A\n-1\n1\n1\n0\n12\n31\n",
       kBirthAsked + kCurrentAsked,
       "A",
       {65535, 1, 1},
       {0, 12, 31}},
      {"month asked again",
       "A\n1980\n13\n0\n3\n15\n2024\n1\n1\n",
       "Cum te cheama:DATA NASTERII:\nAnul=Luna=" + kMonthNote + "Luna=" + kMonthNote +
           "Luna=Ziua=" + kCurrentAsked,
       "A",
       {1980, 3, 15},
       {2024, 1, 1}},
      {"day asked again",
       "A\n1980\n3\n15\n2023\n2\n29\n28\n",
       kBirthAsked + "DATA CURENTA:\nAnul=Luna=Ziua=Ziua trebuie sa fie intre 1 si 28.\nZiua=",
       "A",
       {1980, 3, 15},
       {2023, 2, 28}},
      {"day 0 asked again",
       "A\n1980\n4\n0\n30\n2024\n4\n31\n1\n",
       kBirthAsked + "Ziua trebuie sa fie intre 1 si 30.\nZiua=" + kCurrentAsked +
           "Ziua trebuie sa fie intre 1 si 30.\nZiua=",
       "A",
       {1980, 4, 30},
       {2024, 4, 1}},
      // An input error silences the rest and reads 0: no more asking, the nearest real date.
      {"end of input while asking again",
       "A\n1980\n13\n",
       "Cum te cheama:DATA NASTERII:\nAnul=Luna=" + kMonthNote + "Luna=",
       "A",
       {1980, 1, 1},
       {0, 1, 1}},
      {"not a number",
       "A\n1980\nmartie\n15\n2024\n1\n1\n",
       "Cum te cheama:DATA NASTERII:\nAnul=Luna=",
       "A",
       {1980, 1, 1},
       {0, 1, 1}},
      {"no input at all", "", "Cum te cheama:", "", {0, 1, 1}, {0, 1, 1}},
  };
  for (const DialogueCase& c : cases) {
    const Transcript t = RunWithInput(c.input);
    EXPECT_EQ(t.output, c.output) << c.what;
    EXPECT_EQ(t.state.name, c.name) << c.what;
    EXPECT_EQ(t.state.birth.year, c.birth.year) << c.what;
    EXPECT_EQ(t.state.birth.month, c.birth.month) << c.what;
    EXPECT_EQ(t.state.birth.day, c.birth.day) << c.what;
    EXPECT_EQ(t.state.current.year, c.current.year) << c.what;
    EXPECT_EQ(t.state.current.month, c.current.month) << c.what;
    EXPECT_EQ(t.state.current.day, c.current.day) << c.what;
    EXPECT_EQ(t.state.monthLength, kStartMonthLength) << c.what;
  }
}

}  // namespace
}  // namespace biorhythm
