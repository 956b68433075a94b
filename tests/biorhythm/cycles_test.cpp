#include "biorhythm/cycles.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace biorhythm {
namespace {

// A whole number of every period: 23 x 28 x 33 x 38 / 2.
constexpr std::int64_t kCommonPeriod = 403788;

TEST(CycleSamples, BirthOn15March1980SeenOn1January2024) {
  const SampleTable s = CycleSamples(15997);
  const std::array<std::int32_t, kSeriesCount> first = {-20, 135, -150, -25, -15};
  const std::array<std::int32_t, kSeriesCount> second = {-60, 117, -146, 0, -22};
  for (std::size_t c = 0; c < kSeriesCount; ++c) {
    EXPECT_EQ(s[c][0], first[c]) << kSeriesLabel[c];
    EXPECT_EQ(s[c][1], second[c]) << kSeriesLabel[c];
  }
  // The mean of -89 truncates toward zero to -22, not down to -23.
  const std::array<int, kSeriesCount> verdict = {kNegative, kPositive, kNegative, kCritical,
                                                 kNegative};
  for (std::size_t c = 0; c < kSeriesCount; ++c) {
    EXPECT_EQ(VerdictState(s[c]), verdict[c]) << kSeriesLabel[c];
  }
}

TEST(CycleSamples, DayZeroIsCriticalEverywhere) {
  const SampleTable s = CycleSamples(0);
  for (std::size_t c = 0; c < kSeriesCount; ++c) {
    EXPECT_EQ(s[c][0], 0);
    EXPECT_EQ(VerdictState(s[c]), kCritical) << kSeriesLabel[c];
  }
}

struct SampleCase {
  std::int64_t daysLived;
  int series;
  int index;
  std::int32_t sample;
};

TEST(CycleSamples, HalfPeriodsAreExactZerosAndPeaksReach150) {
  const SampleCase cases[] = {
      {14, 1, 0, 0},  {13, 1, 1, 0},    {19, 3, 0, 0},   {0, 3, 19, 0},
      {6, 0, 0, 150}, {17, 0, 0, -150}, {0, 0, 6, 150},  {0, 0, 17, -150},
      {7, 1, 0, 150}, {21, 1, 0, -150}, {-1, 0, 0, -40}, {-14, 1, 0, 0},
  };
  for (const SampleCase& c : cases) {
    const SampleTable s = CycleSamples(c.daysLived);
    EXPECT_EQ(s[static_cast<std::size_t>(c.series)][static_cast<std::size_t>(c.index)], c.sample)
        << "D=" << c.daysLived << " " << kSeriesLabel[static_cast<std::size_t>(c.series)];
  }
  // A zero on the current day or the next makes the verdict critical.
  EXPECT_EQ(VerdictState(CycleSamples(14)[1]), kCritical);
  EXPECT_EQ(VerdictState(CycleSamples(13)[1]), kCritical);
  EXPECT_EQ(VerdictState(CycleSamples(18)[3]), kCritical);
}

TEST(CycleSamples, NegativeDaysDrawTheSameCurvesAsThePositivePhase) {
  for (const std::int64_t d : {std::int64_t{-15997}, std::int64_t{-1}, std::int64_t{-7},
                               std::int64_t{-23936658}, -kCommonPeriod + 5}) {
    EXPECT_EQ(CycleSamples(d), CycleSamples(d + 100 * kCommonPeriod)) << "D=" << d;
  }
}

TEST(CycleSamples, StayWithinTheChart) {
  for (std::int64_t d = -500; d < 500; ++d) {
    for (const SeriesSamples& series : CycleSamples(d)) {
      for (const std::int32_t v : series) {
        ASSERT_LE(std::abs(v), 150) << "D=" << d;
      }
    }
  }
}

struct VerdictCase {
  std::int32_t s0, s1;
  int state;
};

TEST(VerdictState, TouchingOrCrossingZeroIsCritical) {
  const VerdictCase cases[] = {
      {5, 3, kPositive},  {-5, -3, kNegative}, {0, 5, kCritical}, {5, 0, kCritical},
      {-1, 1, kCritical}, {1, -1, kCritical},  {0, 0, kCritical}, {150, 150, kPositive},
  };
  for (const VerdictCase& c : cases) {
    SeriesSamples s{};
    s[0] = c.s0;
    s[1] = c.s1;
    s[2] = -c.s0;  // later samples play no part
    EXPECT_EQ(VerdictState(s), c.state) << c.s0 << " " << c.s1;
  }
}

TEST(VerdictSentence, KeepsTheTextsByteForByte) {
  EXPECT_EQ(VerdictSentence(2, kNegative),
            "Azi nu poti gandi prea clar.Nu juca sah pe bani.Matematica-i naspa`.");
  EXPECT_EQ(VerdictSentence(3, kPositive),
            std::string_view("Increde-te \x8cn instincte.Ai al saselea simt."));
  EXPECT_EQ(VerdictSentence(2, kCritical), "Zi critica.Se prea poate ca 2+2=5.");
  EXPECT_EQ(VerdictSentence(4, kPositive), "Viata-i frumoasa si merita sa fie traita.");
  EXPECT_EQ(VerdictSentence(0, kNegative),
            "Azi esti epuizat fizic.Odihneste-te,nu fa efort prea mult.");
  for (int series = 0; series < kSeriesCount; ++series) {
    for (int state = kNegative; state <= kPositive; ++state) {
      const std::string_view text = VerdictSentence(series, state);
      ASSERT_FALSE(text.empty());
      EXPECT_NE(text.front(), ' ');
      EXPECT_NE(text.back(), ' ');
    }
  }
  EXPECT_TRUE(VerdictSentence(5, kNegative).empty());
  EXPECT_TRUE(VerdictSentence(0, 0).empty());
}

}  // namespace
}  // namespace biorhythm
