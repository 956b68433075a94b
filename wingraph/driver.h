// Internal interfaces of the graphics layer: the driver that shows the visual page and
// supplies keys, the key queue a window fills, and the clipped pixel store every primitive
// writes through.
#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "wingraph/wingraph.h"

namespace wingraph {

// Codes pressed ahead of the program; filled by the window thread, read by the program.
// A full queue drops codes instead of waiting, so the window never stalls.
class KeyQueue {
 public:
  // Queues one code; false (and nothing queued) when full.
  bool Push(int code);
  // Queues 0 and the code together, or neither when fewer than two places are free.
  bool PushSpecial(int code);
  // Waits until a code is queued or the queue is shut, then takes it (0 once shut and empty).
  int Pop();
  bool TryPop(int& code);
  bool Empty() const;
  // Wakes a waiting Pop for good; later Pops return queued codes, then 0.
  void Shut();

 private:
  bool PushLocked(int code);

  mutable std::mutex mutex_;
  std::condition_variable ready_;
  std::array<std::uint8_t, kKeyQueueCapacity> codes_{};
  int head_ = 0;
  int count_ = 0;
  bool shut_ = false;
};

// Keys of the keyboard that do not type a character, as the window reports them.
enum class Key {
  kOther,
  kEscape,
  kEnter,
  kBackspace,
  kTab,
  kUp,
  kDown,
  kLeft,
  kRight,
  kHome,
  kEnd,
  kPageUp,
  kPageDown,
  kInsert,
  kDelete,
  kF1,
  kF2,
  kF3,
  kF4,
  kF5,
  kF6,
  kF7,
  kF8,
  kF9,
  kF10,
};

// Queues the codes of a pressed key: one code for Esc, Enter, Backspace and Tab, 0 and the
// key code for the others; nothing for keys without a code.
void QueueKeyDown(KeyQueue& queue, Key key, bool ctrl);
// Queues typed text (UTF-8) as code page 437 bytes; characters outside it are dropped.
void QueueTypedText(KeyQueue& queue, std::string_view utf8);
// The close box of the window: 0 and 107; the window stays open.
void QueueCloseBox(KeyQueue& queue);

class Driver {
 public:
  virtual ~Driver() = default;
  // The program hands over its visual page (after a flip, before waiting for a key, ...).
  // `flip` is true when the visual page was just chosen, so the driver may pace flips.
  virtual void Present(const Device& dev, bool flip) = 0;
  virtual int ReadKey(const Device& dev) = 0;
  virtual bool KeyPressed(const Device& dev) = 0;
  virtual void Close() = 0;
};

// The driver of scripted runs: keys from a WINGRAPH_KEYS text, snapshots into a folder
// (empty: none).
std::shared_ptr<Driver> MakeHeadlessDriver(std::string_view keys, std::string snapshotDir);
// Opens an SDL window of the page size showing the page; writes one line to standard error
// and exits with status 1 when no window can be opened.
std::shared_ptr<Driver> OpenWindowDriver(int width, int height, std::string_view title);

// Writes one page as an 8-bit indexed PNG with the default palette.
bool WriteIndexedPng(const std::uint8_t* pixels, int width, int height, const std::string& path);

// The active page's pixel store, clipped: every coordinate is accepted.
inline void PlotClipped(Device& dev, std::int64_t x, std::int64_t y, std::uint8_t color) {
  if (x < 0 || y < 0 || x >= dev.width || y >= dev.height) return;
  dev.pages[dev.state.activePage][static_cast<std::size_t>(y) * dev.width + x] = color;
}

inline std::uint8_t ColorByte(int color) {
  return static_cast<std::uint8_t>(color & 0xFF);
}

}  // namespace wingraph
