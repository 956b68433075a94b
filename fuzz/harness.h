// The code paths the fuzz targets drive, shared with the regression test that replays the
// inputs they found. Each path takes arbitrary bytes, runs the code under test on them and
// calls abort() with a message when a guarantee of that code is broken, so the fuzzer
// reports it like a crash. The environment must select the headless graphics driver with
// no snapshots (PrepareEnvironment).
#pragma once

#include <stdio.h>
#include <stdlib.h>
#include <sys/types.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "astrocore/chart.h"
#include "biorhythm/dialogue.h"
#include "biorhythm/key_loop.h"
#include "chartanim/dialogue.h"
#include "chartanim/frame_loop.h"
#include "console/console.h"
#include "natalchart/natal_program.h"
#include "planetarium/controls.h"
#include "wingraph/wingraph.h"

namespace fuzzharness {

inline void Require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "fuzz harness: guarantee broken: %s\n", what);
  std::abort();
}

// Headless window; the key script is set per input; no files written.
inline void PrepareEnvironment() {
  setenv("WINGRAPH_DRIVER", "headless", 1);
  setenv("WINGRAPH_KEYS", "", 1);
  unsetenv("WINGRAPH_SNAPSHOTS");
}

// The bytes as a read-only stream (an empty one too, which fmemopen may refuse).
inline FILE* OpenInput(const std::uint8_t* data, std::size_t size) {
  FILE* in =
      size == 0 ? fopen("/dev/null", "rb") : fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
  Require(in != nullptr, "input stream opens");
  return in;
}

// An unbuffered output stream that checks, at every write, that the console is not in its
// input-error state: once an answer has failed, nothing more may appear.
struct WatchedOutput {
  const console::Console* con = nullptr;
  std::size_t bytes = 0;
};

inline ssize_t WatchedWrite(void* cookie, const char* /*buf*/, size_t size) {
  auto* watch = static_cast<WatchedOutput*>(cookie);
  if (size > 0 && watch->con != nullptr) {
    Require(!watch->con->inputError, "no output after the input-error state");
  }
  watch->bytes += size;
  return static_cast<ssize_t>(size);
}

inline FILE* OpenWatchedOutput(WatchedOutput& watch) {
  cookie_io_functions_t functions{};
  functions.write = WatchedWrite;
  FILE* out = fopencookie(&watch, "w", functions);
  Require(out != nullptr, "output stream opens");
  setvbuf(out, nullptr, _IONBF, 0);
  return out;
}

// A console over the input bytes whose output is watched; the flags byte picks the
// character-set conversions.
class FuzzConsole {
 public:
  FuzzConsole(const std::uint8_t* data, std::size_t size, std::uint8_t flags) {
    in_ = OpenInput(data, size);
    out_ = OpenWatchedOutput(watch_);
    con = console::StreamConsole(in_, out_);
    con.utf8Output = (flags & 1) != 0;
    con.utf8Input = (flags & 2) != 0;
    watch_.con = &con;
  }
  ~FuzzConsole() {
    watch_.con = nullptr;
    fclose(out_);
    fclose(in_);
  }
  FuzzConsole(const FuzzConsole&) = delete;
  FuzzConsole& operator=(const FuzzConsole&) = delete;

  long Position() { return ftell(in_); }

  console::Console con;

 private:
  FILE* in_ = nullptr;
  FILE* out_ = nullptr;
  WatchedOutput watch_;
};

// The layout of a dialogue input: a flags byte, a key count byte, that many window key
// codes (at most maxKeys), then the console bytes.
struct DialogueInput {
  std::uint8_t flags = 0;
  std::string keys;  // WINGRAPH_KEYS text
  int keyCount = 0;
  const std::uint8_t* console = nullptr;
  std::size_t consoleSize = 0;
};

inline DialogueInput SplitDialogueInput(const std::uint8_t* data, std::size_t size, int maxKeys,
                                        bool lastCodeIsFramePass) {
  DialogueInput input;
  std::size_t pos = 0;
  if (pos < size) input.flags = data[pos++];
  int wanted = pos < size ? data[pos++] % (maxKeys + 1) : 0;
  for (; wanted > 0 && pos < size; --wanted, ++pos) {
    if (!input.keys.empty()) input.keys += ',';
    if (lastCodeIsFramePass && data[pos] == 0xFF) {
      input.keys += '.';
    } else {
      input.keys += std::to_string(data[pos]);
    }
    ++input.keyCount;
  }
  input.console = data + pos;
  input.consoleSize = size - pos;
  return input;
}

// Reads of real and whole numbers with several moduli, in an order chosen by the input.
inline void FuzzConsoleNumbers(const std::uint8_t* data, std::size_t size) {
  static constexpr unsigned kModuli[] = {
      0, 1, 2, 3, 7, 10, 12, 13, 50, 256, 65536, 1u << 31, 1000000007u, 51u, 24u, 0xFFFFFFFFu};
  if (size < 2) return;
  const unsigned modulus = kModuli[data[0] % std::size(kModuli)];
  const std::uint8_t order = data[1];
  const std::uint8_t* text = data + 2;
  const std::size_t textSize = size - 2;

  // Every answer that is read uses up at least one byte, so more reads than bytes plus
  // one mean a read that neither consumed input nor failed.
  const std::size_t readLimit = textSize + 1;
  std::string wholes;  // the whole-number answers in order, for the cross-check below
  {
    FuzzConsole fc(text, textSize, 0);
    std::size_t reads = 0;
    while (!fc.con.inputError) {
      Require(++reads <= readLimit, "every read consumes input or fails (no hang)");
      if ((order >> (reads % 8)) & 1) {
        const unsigned value = console::ReadWhole(fc.con, modulus);
        if (modulus != 0) Require(value < modulus, "ReadWhole is below its modulus");
        if (fc.con.inputError) Require(value == 0, "a failed whole-number read gives 0");
        wholes += std::to_string(value) + ",";
      } else {
        const double value = console::ReadReal(fc.con);
        Require(std::isfinite(value), "ReadReal gives a finite number");
        if (fc.con.inputError) Require(value == 0, "a failed real read gives 0");
      }
    }
    Require(console::ReadReal(fc.con) == 0, "reads after the input error give 0");
    Require(console::ReadWhole(fc.con, modulus) == 0, "reads after the input error give 0");
    Require(fc.con.inputError, "the input-error state lasts");
  }

  // The same answers read modulo 2^32 and reduced by a power-of-two modulus agree with
  // the answers read with that modulus directly.
  if (modulus != 0 && (modulus & (modulus - 1)) == 0) {
    FuzzConsole fc(text, textSize, 0);
    std::string wide;
    std::size_t reads = 0;
    while (!fc.con.inputError) {
      Require(++reads <= readLimit, "every read consumes input or fails (no hang)");
      if ((order >> (reads % 8)) & 1) {
        wide += std::to_string(console::ReadWhole(fc.con, 0) % modulus) + ",";
      } else {
        console::ReadReal(fc.con);
      }
    }
    Require(wide == wholes, "whole numbers agree across moduli");
  }
}

// Reads of lines and single keys, in an order chosen by the input; each result is checked
// against the bytes it was read from.
inline void FuzzConsoleLines(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return;
  const std::uint8_t flags = data[0];
  const std::uint8_t order = data[1];
  const std::uint8_t* text = data + 2;
  const std::size_t textSize = size - 2;
  const bool converted = (flags & 2) != 0;

  FuzzConsole fc(text, textSize, flags);
  std::size_t reads = 0;
  while (!fc.con.inputError) {
    Require(++reads <= textSize + 1, "every read consumes input or fails (no hang)");
    const long start = fc.Position();
    if ((order >> (reads % 8)) & 1) {
      const int key = console::ReadSingleKey(fc.con);
      if (fc.con.inputError) {
        Require(key == 27, "the end of input reads as Esc");
        Require(static_cast<std::size_t>(start) == textSize, "Esc only at the end");
      } else {
        Require(key == text[start], "a key is the next byte");
      }
    } else {
      const std::string line = console::ReadLine(fc.con);
      const long end = fc.Position();
      if (fc.con.inputError) {
        Require(line.empty(), "a failed line read is empty");
        Require(static_cast<std::size_t>(start) == textSize, "a line fails only at the end");
        continue;
      }
      Require(line.find('\n') == std::string::npos, "a line holds no line end");
      if (!converted) {
        std::string_view raw(reinterpret_cast<const char*>(text) + start,
                             static_cast<std::size_t>(end - start));
        if (!raw.empty() && raw.back() == '\n') raw.remove_suffix(1);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        Require(line == raw, "a line is its bytes without the line end");
      }
    }
  }
  Require(console::ReadLine(fc.con).empty(), "lines after the input error are empty");
  Require(console::ReadSingleKey(fc.con) == 27, "keys after the input error are Esc");
}

inline void FuzzNatalChart(const std::uint8_t* data, std::size_t size) {
  const DialogueInput input = SplitDialogueInput(data, size, 6, false);
  setenv("WINGRAPH_KEYS", input.keys.c_str(), 1);
  FuzzConsole fc(input.console, input.consoleSize, input.flags);
  wingraph::Device dev;
  Require(natalchart::RunNatalChart(fc.con, dev) == 0, "natalchart ends with status 0");
  Require(dev.driver == nullptr, "natalchart closes its window");
}

inline void FuzzChartAnim(const std::uint8_t* data, std::size_t size) {
  const DialogueInput input = SplitDialogueInput(data, size, 6, false);
  setenv("WINGRAPH_KEYS", input.keys.c_str(), 1);
  FuzzConsole fc(input.console, input.consoleSize, input.flags);
  const chartanim::AnimationClock clock = chartanim::ReadAnimationClock(fc.con);
  wingraph::Device dev;
  wingraph::InitGraph(dev, wingraph::kDriverVga256, wingraph::kMode800x600, "ASTROGRAMA ANIMATA");
  chartanim::RunAnimation(dev, clock);
  Require(dev.driver == nullptr, "chartanim closes its window at Esc");
}

inline bool IsRealDate(const biorhythm::Date& date) {
  return date.month >= 1 && date.month <= 12 && date.day >= 1 &&
         date.day <= biorhythm::DaysInMonth(date.year, date.month);
}

inline void FuzzBiorhythm(const std::uint8_t* data, std::size_t size) {
  const DialogueInput input = SplitDialogueInput(data, size, 24, false);
  setenv("WINGRAPH_KEYS", input.keys.c_str(), 1);
  FuzzConsole fc(input.console, input.consoleSize, input.flags);
  biorhythm::ProgramState state = biorhythm::RunDialogue(fc.con);
  Require(IsRealDate(state.birth) && IsRealDate(state.current), "the dialogue gives real dates");
  wingraph::Device dev;
  wingraph::InitGraph(dev, wingraph::kDriverVga256, wingraph::kMode640x480, "BIORITMURI");
  biorhythm::ShowChart(dev, state);
  biorhythm::RunKeyLoop(dev, state);
  wingraph::CloseGraph(dev);
  Require(state.done, "the key loop ends at Esc");
  Require(IsRealDate(state.current), "the arrows keep the current date real");
}

// A start state from 16 bytes: any finite model time, a zoom within the range the keys
// keep it in.
inline planetarium::PlanetariumState StartState(const std::uint8_t* bytes) {
  planetarium::PlanetariumState state;
  double modelTime = 0;
  double zoom = 0;
  std::memcpy(&modelTime, bytes, sizeof modelTime);
  std::memcpy(&zoom, bytes + 8, sizeof zoom);
  state.realTime = false;
  state.modelTime = std::isfinite(modelTime) ? modelTime : 0.0;
  zoom = std::fabs(zoom);
  state.zoom = std::isfinite(zoom) && zoom >= DBL_MIN ? zoom : planetarium::kStartZoom;
  return state;
}

// The frame loop of the planetarium on the headless window: one frame per key or per "."
// (code 255), the start state either the program's own or taken from the input.
inline void FuzzPlanetarium(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return;
  planetarium::PlanetariumState state;
  std::size_t pos = 1;
  if ((data[0] & 1) != 0 && size >= 17) {
    state = StartState(data + 1);
    pos = 17;
  }
  constexpr std::size_t kMaxCodes = 48;
  std::string keys;
  std::size_t codes = 0;
  for (; pos < size && codes < kMaxCodes; ++pos, ++codes) {
    if (!keys.empty()) keys += ',';
    keys += data[pos] == 0xFF ? std::string(".") : std::to_string(data[pos]);
  }
  setenv("WINGRAPH_KEYS", keys.c_str(), 1);
  wingraph::Device dev;
  wingraph::InitGraph(dev, wingraph::kDriverVga256, wingraph::kMode800x600, "PLANETARIU");
  std::size_t frames = 0;
  do {
    Require(++frames <= codes + 2, "the frame loop ends at Esc once the keys are used up");
    planetarium::DrawFrame(dev, state);
    Require(state.page == 0 || state.page == 1, "frames flip between pages 0 and 1");
    Require(state.zoom >= DBL_MIN && state.zoom <= DBL_MAX, "the zoom stays usable");
  } while (planetarium::PollKey(dev, state) == planetarium::KeyOutcome::kContinue);
  wingraph::CloseGraph(dev);
}

inline bool InCircle(double degrees) {
  return degrees >= 0 && degrees < 360;
}

// Seven doubles of any bit pattern (missing bytes are zero).
inline void FuzzComputeChart(const std::uint8_t* data, std::size_t size) {
  double values[7] = {};
  std::memcpy(values, data, std::min(size, sizeof values));
  const astrocore::ChartInput input{values[0], values[1], values[2], values[3],
                                    values[4], values[5], values[6]};
  const astrocore::ChartRecord chart = astrocore::ComputeChart(input);
  for (int body = 1; body <= astrocore::kBodyCount; ++body) {
    Require(InCircle(chart.bodyLongitude[body]), "bodyLongitude in [0, 360)");
    Require(chart.bodyHouse[body] >= 1 && chart.bodyHouse[body] <= astrocore::kHouseCount,
            "bodyHouse in 1..12");
    Require(chart.bodyMotion[body] == astrocore::kMotionDirect ||
                chart.bodyMotion[body] == astrocore::kMotionRetrograde,
            "bodyMotion is Direct or Retrograd");
    for (int other = 1; other <= astrocore::kBodyCount; ++other) {
      const int aspect = chart.aspectGrid[body][other];
      Require(aspect >= 0 && aspect <= astrocore::kAspectCount, "aspectGrid in 0..13");
    }
  }
  for (int house = 1; house <= astrocore::kHouseCount; ++house) {
    Require(InCircle(chart.houseCusp[house]), "houseCusp in [0, 360)");
  }
}

struct Target {
  std::string_view name;
  void (*run)(const std::uint8_t* data, std::size_t size);
};

inline constexpr Target kTargets[] = {
    {"console_numbers", FuzzConsoleNumbers},
    {"console_lines", FuzzConsoleLines},
    {"natalchart", FuzzNatalChart},
    {"chartanim", FuzzChartAnim},
    {"biorhythm", FuzzBiorhythm},
    {"planetarium", FuzzPlanetarium},
    {"compute_chart", FuzzComputeChart},
};

}  // namespace fuzzharness
