// The code page's characters on a UTF-8 terminal and back.
#include <gtest/gtest.h>

#include <string>

#include "console/cp437.h"

namespace {

TEST(Cp437, AsciiPassesUnchanged) {
  std::string ascii;
  for (int b = 0; b < 0x80; ++b) ascii += static_cast<char>(b);
  EXPECT_EQ(console::Cp437ToUtf8(ascii), ascii);
  EXPECT_EQ(console::Utf8ToCp437(ascii), ascii);
}

TEST(Cp437, EveryUpperByteSurvivesTheRoundTrip) {
  for (int b = 0x80; b <= 0xFF; ++b) {
    std::string byte(1, static_cast<char>(b));
    std::string shown = console::Cp437ToUtf8(byte);
    EXPECT_GE(shown.size(), 2u) << std::hex << b;
    EXPECT_EQ(console::Utf8ToCp437(shown), byte) << std::hex << b;
  }
}

TEST(Cp437, KnownCharacters) {
  EXPECT_EQ(console::Cp437ToUtf8("\x80\x83\x85\x8C\xB0\xC4\xE1\xF8\xFF"),
            "\xC3\x87\xC3\xA2\xC3\xA0\xC3\xAE\xE2\x96\x91\xE2\x94\x80\xC3\x9F\xC2\xB0\xC2\xA0");
}

TEST(Cp437, MissingOrMalformedCharactersBecomeQuestionMarks) {
  // Romanian letters with comma below or breve are not in the code page.
  EXPECT_EQ(console::Utf8ToCp437("\xC8\x99\xC8\x9B\xC4\x83"), "???");
  EXPECT_EQ(console::Utf8ToCp437("\xF0\x9F\x98\x80!"), "?!");  // an emoji
  EXPECT_EQ(console::Utf8ToCp437("a\xC3"), "a?");              // cut short
  EXPECT_EQ(console::Utf8ToCp437("\xC0\xAF"
                                 "b"),
            "??b");                                      // overlong form
  EXPECT_EQ(console::Utf8ToCp437("\x80z"), "?z");        // stray continuation
  EXPECT_EQ(console::Utf8ToCp437("\xE0\x80\xAF"), "?");  // overlong, 3 bytes
}

}  // namespace
