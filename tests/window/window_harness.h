// Runs the programs in real windows on a virtual X server of their own: starts the server
// and the program, finds the window by its title, takes screenshots of it, sends the close
// box message, and compares a screenshot with a headless snapshot through the palette.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "support/indexed_png.h"

namespace windowtest {

using Clock = std::chrono::steady_clock;

// How long any awaited moment (window shown, picture shown, program ended) may take;
// sanitized programs run several times slower.
#if defined(__SANITIZE_THREAD__) || defined(__SANITIZE_ADDRESS__)
inline constexpr auto kPatience = std::chrono::seconds(30);
#else
inline constexpr auto kPatience = std::chrono::seconds(10);
#endif

bool HaveCommand(const std::string& name);

// A page as the program left it: palette indices, as in a headless snapshot.
using IndexedPage = astrotest::IndexedImage;
using astrotest::ReadIndexedPng;

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // three bytes a pixel, rows top down
};

// Pixels of the screenshot that differ from the palette colour of the page pixel under
// them when the page is shown at a whole scale; -1 when the sizes do not fit that scale.
long CountMismatches(const RgbImage& shot, const IndexedPage& page, int scale);

bool WritePpm(const RgbImage& image, const std::string& path);

// A started process in a process group of its own (so a wrapper and what it runs end
// together), its standard input fed from a text and its output kept in a file.
class Process {
 public:
  Process() = default;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process() { Kill(); }

  // argv[0] is looked up on PATH; `env` entries NAME=VALUE replace inherited ones, and
  // inherited names listed in `unset` are left out. `passFd`, when given, becomes the
  // child's descriptor 3.
  bool Start(const std::vector<std::string>& argv, const std::vector<std::string>& env,
             const std::vector<std::string>& unset, const std::string& input,
             const std::string& outputPath, int passFd = -1);
  bool Running();
  // Waits for the end until the deadline; false if it is still running then.
  bool WaitExit(Clock::time_point deadline);
  // The exit status, or -1 when killed by a signal or not ended.
  int ExitStatus() const { return exitStatus_; }
  void Kill();
  pid_t Pid() const { return pid_; }
  Clock::time_point Started() const { return started_; }

 private:
  pid_t pid_ = -1;
  bool ended_ = false;
  int exitStatus_ = -1;
  Clock::time_point started_{};
};

// A virtual X server with one screen of the given size, and a connection to it.
class VirtualDisplay {
 public:
  VirtualDisplay(int width, int height);
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;
  ~VirtualDisplay();

  bool Ok() const { return connection_ != nullptr; }
  const std::string& Name() const { return name_; }  // ":N", for DISPLAY
  pid_t ServerPid() const { return server_.Pid(); }

  // The shown top-level window with this exact title, 0 when none appears by the deadline.
  unsigned long WaitForWindow(const std::string& title, Clock::time_point deadline);
  bool Capture(unsigned long window, RgbImage& image);
  // What the window's close box sends: a WM_DELETE_WINDOW client message.
  bool SendCloseBox(unsigned long window);
  // Focuses the window and types the keys (xdotool key names, e.g. "Left ctrl+Right a").
  bool TypeKeys(unsigned long window, const std::string& keys);

 private:
  Process server_;
  std::string name_;
  void* connection_ = nullptr;  // Display*
};

}  // namespace windowtest
