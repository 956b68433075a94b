// Line-wise reads of numbers, lines and keys, and the input-error state.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "console/console.h"
#include "stream_fixture.h"

namespace {

struct RealReadCase {
  const char* input;
  double value;  // ignored when the answer is not a number
  bool number;
};

void PrintTo(const RealReadCase& c, std::ostream* os) {
  *os << '"' << Escaped(c.input) << '"';
}

class ReadRealTest : public testing::TestWithParam<RealReadCase> {};

TEST_P(ReadRealTest, ReadsOneNumberOrEntersInputError) {
  const RealReadCase& c = GetParam();
  MemoryConsole mc(c.input);
  double value = console::ReadReal(mc.con);
  EXPECT_EQ(mc.con.inputError, !c.number) << "input: " << c.input;
  if (c.number) {
    EXPECT_EQ(value, c.value) << "input: " << c.input;
  } else {
    EXPECT_EQ(value, 0.0) << "input: " << c.input;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadRealTest,
    testing::Values(RealReadCase{"12\n", 12, true}, RealReadCase{"-26.06\n", -26.06, true},
                    RealReadCase{"+3\n", 3, true}, RealReadCase{".5\n", 0.5, true},
                    RealReadCase{"5.\n", 5, true}, RealReadCase{"1e3\n", 1000, true},
                    RealReadCase{"-2.5E-1\n", -0.25, true}, RealReadCase{"14.305\n", 14.305, true},
                    // Blanks and empty lines before the number are skipped.
                    RealReadCase{"  \t 7\n", 7, true},
                    RealReadCase{"\n\n \r\n  \n44.25\n", 44.25, true},
                    // The number ends at a blank; the rest of the line does not matter.
                    RealReadCase{"1980 anul nasterii\n", 1980, true},
                    RealReadCase{"3\t4\n", 3, true}, RealReadCase{"8\r\n", 8, true},
                    // The last line may lack its line end.
                    RealReadCase{"42", 42, true},
                    // Too small to represent is zero, not an error.
                    RealReadCase{"1e-999\n", 0, true},
                    // Not numbers.
                    RealReadCase{"12a\n", 0, false}, RealReadCase{"x\n", 0, false},
                    RealReadCase{"1.2.3\n", 0, false}, RealReadCase{"--1\n", 0, false},
                    RealReadCase{".\n", 0, false}, RealReadCase{"+\n", 0, false},
                    RealReadCase{"1e\n", 0, false}, RealReadCase{"1e+\n", 0, false},
                    RealReadCase{"12,5\n", 0, false}, RealReadCase{"0x10\n", 0, false},
                    RealReadCase{"nan\n", 0, false}, RealReadCase{"inf\n", 0, false},
                    RealReadCase{"-infinity\n", 0, false},
                    // Beyond the largest finite number the program could not compute with it.
                    RealReadCase{"1e999\n", 0, false}, RealReadCase{"-1e400\n", 0, false},
                    // The end of input before any number.
                    RealReadCase{"", 0, false}, RealReadCase{"  \n\n\t\n", 0, false}));

TEST(ReadReal, DiscardsTheRestOfTheLine) {
  MemoryConsole mc("12 13 14\n\n   15 x\n16");
  EXPECT_EQ(console::ReadReal(mc.con), 12);
  EXPECT_EQ(console::ReadReal(mc.con), 15);
  EXPECT_EQ(console::ReadReal(mc.con), 16);
  EXPECT_FALSE(mc.con.inputError);
  EXPECT_EQ(console::ReadReal(mc.con), 0);
  EXPECT_TRUE(mc.con.inputError);
}

TEST(ReadReal, NumberEndingTheLineDoesNotSwallowTheNextLine) {
  MemoryConsole mc("1\n2\n");
  EXPECT_EQ(console::ReadReal(mc.con), 1);
  EXPECT_EQ(console::ReadReal(mc.con), 2);
}

TEST(InputError, SilencesOutputAndZeroesEveryLaterRead) {
  MemoryConsole mc("5\n12a\n7\nIon\nk");
  console::WritePrompt(mc.con, "Ziua=");
  EXPECT_EQ(console::ReadReal(mc.con), 5);
  console::WritePrompt(mc.con, "Luna=");
  EXPECT_EQ(console::ReadReal(mc.con), 0);
  ASSERT_TRUE(mc.con.inputError);
  console::WritePrompt(mc.con, "Anul=");
  console::WriteLine(mc.con, "o linie");
  EXPECT_EQ(console::ReadReal(mc.con), 0);  // although 7 follows
  EXPECT_EQ(console::ReadWhole(mc.con, 256), 0u);
  EXPECT_EQ(console::ReadLine(mc.con), "");
  // A key read cannot answer 0: a listing waiting for Esc must still end.
  EXPECT_EQ(console::ReadSingleKey(mc.con), 27);
  EXPECT_TRUE(mc.con.inputError);
  EXPECT_EQ(mc.Output(), "Ziua=Luna=");
}

struct WholeReadCase {
  const char* input;
  unsigned modulus;
  unsigned value;
  bool number;
};

void PrintTo(const WholeReadCase& c, std::ostream* os) {
  *os << '"' << Escaped(c.input) << "\" mod " << c.modulus;
}

class ReadWholeTest : public testing::TestWithParam<WholeReadCase> {};

TEST_P(ReadWholeTest, KeepsTheValueModuloAndWrapsNegatives) {
  const WholeReadCase& c = GetParam();
  MemoryConsole mc(c.input);
  EXPECT_EQ(console::ReadWhole(mc.con, c.modulus), c.value) << "input: " << c.input;
  EXPECT_EQ(mc.con.inputError, !c.number) << "input: " << c.input;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadWholeTest,
    testing::Values(WholeReadCase{"0\n", 256, 0, true}, WholeReadCase{"1\n", 256, 1, true},
                    WholeReadCase{"+7\n", 256, 7, true}, WholeReadCase{"  50 x\n", 256, 50, true},
                    WholeReadCase{"255\n", 256, 255, true}, WholeReadCase{"256\n", 256, 0, true},
                    WholeReadCase{"267\n", 256, 11, true}, WholeReadCase{"512\n", 256, 0, true},
                    WholeReadCase{"-1\n", 256, 255, true}, WholeReadCase{"-256\n", 256, 0, true},
                    WholeReadCase{"-257\n", 256, 255, true},
                    // 10^35 is a multiple of 256, so 10^35 - 1 leaves 255: exact for any length.
                    WholeReadCase{"99999999999999999999999999999999999\n", 256, 255, true},
                    WholeReadCase{"-99999999999999999999999999999999999\n", 256, 1, true},
                    WholeReadCase{"65537\n", 65536, 1, true},
                    WholeReadCase{"-1\n", 65536, 65535, true},
                    WholeReadCase{"4294967297\n", 0, 1, true},
                    // A fraction or an exponent is not a whole number.
                    WholeReadCase{"1.0\n", 256, 0, false}, WholeReadCase{"1e3\n", 256, 0, false},
                    WholeReadCase{"5.\n", 256, 0, false}, WholeReadCase{"-\n", 256, 0, false},
                    WholeReadCase{"12a\n", 256, 0, false}, WholeReadCase{"", 256, 0, false},
                    WholeReadCase{"\n\n", 256, 0, false}));

TEST(ReadLine, ReadsWholeLinesWithoutTheirEnds) {
  MemoryConsole mc("Ion Popescu  \n\nMaria\r\nultima");
  EXPECT_EQ(console::ReadLine(mc.con), "Ion Popescu  ");
  EXPECT_EQ(console::ReadLine(mc.con), "");
  EXPECT_EQ(console::ReadLine(mc.con), "Maria");
  EXPECT_EQ(console::ReadLine(mc.con), "ultima");
  EXPECT_FALSE(mc.con.inputError);
  EXPECT_EQ(console::ReadLine(mc.con), "");
  EXPECT_TRUE(mc.con.inputError);
}

TEST(ReadLine, FollowsANumberOnTheNextLine) {
  MemoryConsole mc("3 rest\nNume\n");
  EXPECT_EQ(console::ReadReal(mc.con), 3);
  EXPECT_EQ(console::ReadLine(mc.con), "Nume");
}

TEST(ReadLine, TurnsUtf8TypedOnATerminalIntoCodePageBytes) {
  MemoryConsole mc("Ana \xC3\xA0 \xC3\xAE\xC8\x99\n");
  mc.con.utf8Input = true;
  EXPECT_EQ(console::ReadLine(mc.con), "Ana \x85 \x8C?");
}

TEST(ReadSingleKey, TakesExactlyOneByteFromAStream) {
  MemoryConsole mc(
      "1\n \x1b"
      "11\n");
  EXPECT_EQ(console::ReadWhole(mc.con, 256), 1u);
  EXPECT_EQ(console::ReadSingleKey(mc.con), ' ');
  EXPECT_EQ(console::ReadSingleKey(mc.con), 27);
  EXPECT_FALSE(mc.con.inputError);  // a typed Esc is a key, not the end
  EXPECT_EQ(console::ReadWhole(mc.con, 256), 11u);
}

TEST(ReadSingleKey, EndOfInputIsEscAndTheInputErrorState) {
  MemoryConsole mc("a");
  EXPECT_EQ(console::ReadSingleKey(mc.con), 'a');
  EXPECT_EQ(console::ReadSingleKey(mc.con), 27);
  EXPECT_TRUE(mc.con.inputError);
}

TEST(Write, PromptHasNoLineEndAndLinesDo) {
  MemoryConsole mc("");
  console::WritePrompt(mc.con, "Ziua=");
  console::WriteLine(mc.con, "");
  console::WriteLine(mc.con,
                     "Lat.46\xf8"
                     "5'N");
  EXPECT_EQ(mc.Output(),
            "Ziua=\nLat.46\xf8"
            "5'N\n");
}

TEST(Write, Utf8TerminalShowsCodePageCharacters) {
  MemoryConsole mc("");
  mc.con.utf8Output = true;
  console::WriteLine(mc.con, "dat\x85 \x83 \x8C 46\xf8");
  EXPECT_EQ(mc.Output(), "dat\xC3\xA0 \xC3\xA2 \xC3\xAE 46\xC2\xB0\n");
}

TEST(ReadReal, LongAnswers) {
  std::string tiny = "0." + std::string(300, '0') + "1\n";
  MemoryConsole mc(tiny + std::string(5000, '0') + " 1\n");
  EXPECT_EQ(console::ReadReal(mc.con), 1e-301);
  EXPECT_FALSE(mc.con.inputError);
  // Far too long to be anything someone typed as a number.
  EXPECT_EQ(console::ReadReal(mc.con), 0);
  EXPECT_TRUE(mc.con.inputError);
}

}  // namespace
