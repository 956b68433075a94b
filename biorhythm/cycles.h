// The four cycles and their mean sampled over 21 days, the state of each series on the
// current day and the advice sentence for it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace biorhythm {

inline constexpr int kSeriesCount = 5;
inline constexpr int kSampleCount = 21;
inline constexpr int kMeanSeries = 4;  // index of "Media"

// Periods of the four cycles, in the order of the series.
inline constexpr std::array<int, 4> kCyclePeriod = {23, 28, 33, 38};
inline constexpr std::array<std::string_view, kSeriesCount> kSeriesLabel = {
    "Fizic", "Emotional", "Intelectual", "Intuitional", "Media"};

// Chart pixels above (positive) or below the zero line; sample i is i days after the current date.
using SeriesSamples = std::array<std::int32_t, kSampleCount>;
using SampleTable = std::array<SeriesSamples, kSeriesCount>;

enum VerdictStateValue : int { kNegative = 1, kCritical = 2, kPositive = 3 };

// Samples of the five series for D days lived (D may be negative).
SampleTable CycleSamples(std::int64_t daysLived);
// State of one series from its samples 0 and 1.
int VerdictState(const SeriesSamples& samples);
// The advice sentence of a series (0 to 4) in a state (1 to 3).
std::string_view VerdictSentence(int series, int state);

}  // namespace biorhythm
