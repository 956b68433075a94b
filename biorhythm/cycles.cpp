#include "biorhythm/cycles.h"

#include <cmath>
#include <numbers>

namespace biorhythm {

namespace {

// Half the chart's plotting height: (400 - 100) / 2 pixels.
constexpr double kAmplitude = (400 - 100) / 2;

// Rows are the series, columns the states negative, critical, positive. The texts are shown
// as they stand, missing blanks and the byte 0x8C included.
constexpr std::array<std::array<std::string_view, 3>, kSeriesCount> kVerdictText = {{
    {"Azi esti epuizat fizic.Odihneste-te,nu fa efort prea mult.",
     "Zi critica.Nu folosi cutite.Traverseaza cu grija strada.Te poti accidenta.",
     "Esti plin de forta.Plimba-te cat mai mult sa consumi din energie (fa sex)."},
    {"Azi esti deprimat.Gandeste la lucruri frumoase.Si maine este o zi.",
     "Zi critica.Incearca sa nu fi singur.Anumite amintiri te pot face sa plangi.",
     "Esti dl.OPTIMISM.Bucura-te de viata.Binedispune-i si pe prieteni."},
    {"Azi nu poti gandi prea clar.Nu juca sah pe bani.Matematica-i naspa\x60.",
     "Zi critica.Se prea poate ca 2+2=5.",
     "Poti gandi limpede si clar.Lasa filosofia.Treci la practica.Fa afaceri."},
    {"Nu juca la ruleta si nici la LOTO.Nu vei ghici numerele castigatoare.",
     "Daca ai de gand sa faci ceva, poate-ar fi mai bine s-o lasi pe alta data.",
     "Increde-te \x8c"
     "n instincte.Ai al saselea simt."},
    {"Esti obosit si deprimat.Azi toate-ti merg pe dos.Odihneste-te.",
     "Azi esti predispus la accidente.Ai mare grija pe unde si cu cine mergi.",
     "Viata-i frumoasa si merita sa fie traita."},
}};

std::int32_t CycleSample(std::int64_t dayIndex, int period) {
  // The remainder keeps the sign of the dividend; the sine is periodic, so a negative
  // phase draws the same curve.
  const std::int64_t k = dayIndex % period;
  const double value =
      std::sin(2.0 * std::numbers::pi * static_cast<double>(k) / period) * kAmplitude;
  return static_cast<std::int32_t>(std::nearbyint(value));
}

}  // namespace

SampleTable CycleSamples(std::int64_t daysLived) {
  SampleTable table{};
  for (int i = 0; i < kSampleCount; ++i) {
    std::int32_t sum = 0;
    for (std::size_t c = 0; c < kCyclePeriod.size(); ++c) {
      table[c][i] = CycleSample(daysLived + i, kCyclePeriod[c]);
      sum += table[c][i];
    }
    table[kMeanSeries][i] = sum / 4;  // truncates toward zero
  }
  return table;
}

int VerdictState(const SeriesSamples& samples) {
  const std::int32_t s0 = samples[0];
  const std::int32_t s1 = samples[1];
  if (s0 * s1 <= 0) return kCritical;
  if (s0 > 0) return kPositive;
  return kNegative;
}

std::string_view VerdictSentence(int series, int state) {
  if (series < 0 || series >= kSeriesCount || state < kNegative || state > kPositive) return {};
  return kVerdictText[static_cast<std::size_t>(series)][static_cast<std::size_t>(state - 1)];
}

}  // namespace biorhythm
