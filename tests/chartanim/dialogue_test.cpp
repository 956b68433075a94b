#include "chartanim/dialogue.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace chartanim {
namespace {

struct Transcript {
  AnimationClock clock;
  std::string output;
};

Transcript Ask(const std::string& typed) {
  std::string input = typed;
  std::FILE* in = fmemopen(input.data(), input.size(), "r");
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* out = open_memstream(&buffer, &size);
  console::Console con = console::StreamConsole(in, out);
  Transcript t;
  t.clock = ReadAnimationClock(con);
  std::fclose(in);
  std::fclose(out);
  t.output.assign(buffer, size);
  std::free(buffer);
  return t;
}

TEST(ReadAnimationClock, AsksTheEightStepsInOrder) {
  const Transcript t = Ask("5\n11\n1975\n14.305\n30\n-26.06\n44.26\n");
  EXPECT_EQ(t.output,
            "Ziua=Luna=Anul=Ora locala (OO.MM(SS/6)):"
            "Intervalul in minute cu care ma deplasez in timp:"
            "BRAILA: Lon(E):-27.58, Lat(N):45.20\n"
            "Longitudine (E-) (GGG.MM):Latitudine (S-) (GG.MM):");
  const astrocore::ChartInput& in = t.clock.input;
  EXPECT_EQ(in.day, 5);
  EXPECT_EQ(in.month, 11);
  EXPECT_EQ(in.year, 1975);
  EXPECT_EQ(in.localTime, 14);
  EXPECT_NEAR(t.clock.minutes, 30.5, 1e-9);
  EXPECT_EQ(t.clock.stepMinutes, 30);
  EXPECT_EQ(in.placeLongitude, -26.06);
  EXPECT_EQ(in.placeLatitude, 44.26);
  EXPECT_EQ(in.zoneDifference, -2);
}

TEST(ReadAnimationClock, AnAnswerThatIsNotANumberSilencesTheRest) {
  const Transcript t = Ask("5\n11x\n1975\n14.305\n30\n-26.06\n44.26\n");
  // The example line is suppressed like every later prompt.
  EXPECT_EQ(t.output, "Ziua=Luna=");
  const astrocore::ChartInput& in = t.clock.input;
  EXPECT_EQ(in.day, 5);
  EXPECT_EQ(in.month, 0);
  EXPECT_EQ(in.year, 0);
  EXPECT_EQ(in.localTime, 0);
  EXPECT_EQ(t.clock.minutes, 0);
  EXPECT_EQ(t.clock.stepMinutes, 0);
  EXPECT_EQ(in.placeLongitude, 0);
  EXPECT_EQ(in.placeLatitude, 0);
  EXPECT_EQ(in.zoneDifference, -2);
}

}  // namespace
}  // namespace chartanim
