// The window driver: an SDL window on a thread of its own. The program thread never calls
// SDL; it copies its visual page into a shared frame at defined moments (a page flip, a key
// read, a KeyPressed poll now and then, the opening) and the window thread converts that
// frame through the palette and shows it scaled, and turns keyboard events into key codes.
#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "wingraph/driver.h"
#include "wingraph/sanitizer.h"

#if defined(WINGRAPH_ASAN)
#include <sanitizer/lsan_interface.h>
#endif

namespace wingraph {

namespace {

using Clock = std::chrono::steady_clock;

// The desktop libraries SDL brings up (X11, D-Bus, input methods) keep or lose small blocks
// for the whole run; in sanitized builds their set-up is left out of the leak check.
struct LeakCheckPause {
#if defined(WINGRAPH_ASAN)
  LeakCheckPause() {
    __lsan_disable();
  }
  ~LeakCheckPause() {
    __lsan_enable();
  }
#endif
};

// A KeyPressed poll hands over the visual page at most this often, so a program that polls
// without flipping pages still shows what it draws without copying pages all the time.
constexpr auto kPollPublishInterval = std::chrono::milliseconds(15);

Key KeyOf(const SDL_Keysym& keysym) {
  const bool numLock = (keysym.mod & KMOD_NUM) != 0;
  switch (keysym.sym) {
    case SDLK_ESCAPE:
      return Key::kEscape;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return Key::kEnter;
    case SDLK_BACKSPACE:
      return Key::kBackspace;
    case SDLK_TAB:
      return Key::kTab;
    case SDLK_UP:
      return Key::kUp;
    case SDLK_DOWN:
      return Key::kDown;
    case SDLK_LEFT:
      return Key::kLeft;
    case SDLK_RIGHT:
      return Key::kRight;
    case SDLK_HOME:
      return Key::kHome;
    case SDLK_END:
      return Key::kEnd;
    case SDLK_PAGEUP:
      return Key::kPageUp;
    case SDLK_PAGEDOWN:
      return Key::kPageDown;
    case SDLK_INSERT:
      return Key::kInsert;
    case SDLK_DELETE:
      return Key::kDelete;
    case SDLK_F1:
      return Key::kF1;
    case SDLK_F2:
      return Key::kF2;
    case SDLK_F3:
      return Key::kF3;
    case SDLK_F4:
      return Key::kF4;
    case SDLK_F5:
      return Key::kF5;
    case SDLK_F6:
      return Key::kF6;
    case SDLK_F7:
      return Key::kF7;
    case SDLK_F8:
      return Key::kF8;
    case SDLK_F9:
      return Key::kF9;
    case SDLK_F10:
      return Key::kF10;
    default:
      break;
  }
  // Without Num Lock the keypad digits are the cursor keys (with it they type digits).
  if (numLock) return Key::kOther;
  switch (keysym.sym) {
    case SDLK_KP_8:
      return Key::kUp;
    case SDLK_KP_2:
      return Key::kDown;
    case SDLK_KP_4:
      return Key::kLeft;
    case SDLK_KP_6:
      return Key::kRight;
    case SDLK_KP_7:
      return Key::kHome;
    case SDLK_KP_1:
      return Key::kEnd;
    case SDLK_KP_9:
      return Key::kPageUp;
    case SDLK_KP_3:
      return Key::kPageDown;
    case SDLK_KP_0:
      return Key::kInsert;
    case SDLK_KP_PERIOD:
      return Key::kDelete;
    default:
      return Key::kOther;
  }
}

class WindowDriver final : public Driver {
 public:
  WindowDriver(int width, int height, std::string_view title)
      : width_(width),
        height_(height),
        title_(title),
        frame_(static_cast<std::size_t>(width) * height, 0) {}

  ~WindowDriver() override { Close(); }

  // Starts the window thread and waits until the window is shown; false with the reason
  // when it cannot be opened.
  bool Start(std::string& reason) {
    thread_ = std::thread([this] { Run(); });
    std::unique_lock lock(startMutex_);
    startCv_.wait(lock, [this] { return startState_ != StartState::kStarting; });
    if (startState_ == StartState::kRunning) return true;
    reason = startError_;
    lock.unlock();
    thread_.join();
    return false;
  }

  void Present(const Device& dev, bool flip) override {
    Publish(dev);
    if (!flip) return;
    // Flips are paced to the display: a program flipping in a tight loop waits here for
    // the next refresh instead of spinning.
    const auto period = std::chrono::microseconds(1000000 / refreshRate_.load());
    const auto now = Clock::now();
    if (nextFlip_ > now) std::this_thread::sleep_until(nextFlip_);
    nextFlip_ = std::max(now, nextFlip_) + period;
  }

  int ReadKey(const Device& dev) override {
    Publish(dev);
    return keys_.Pop();
  }

  bool KeyPressed(const Device& dev) override {
    if (Clock::now() - lastPublish_ >= kPollPublishInterval) Publish(dev);
    return !keys_.Empty();
  }

  void Close() override {
    if (!thread_.joinable()) return;
    quit_ = true;
    Wake();
    thread_.join();
    keys_.Shut();
  }

 private:
  enum class StartState { kStarting, kRunning, kFailed };

  void Publish(const Device& dev) {
    // A page equal to the one already handed over is not painted again: a program that
    // redraws the same picture every frame then costs the window almost nothing.
    bool changed = false;
    {
      std::lock_guard lock(frameMutex_);
      const auto& page = dev.pages[dev.state.visualPage];
      changed = !std::equal(page.begin(), page.end(), frame_.begin());
      if (changed) {
        std::copy(page.begin(), page.end(), frame_.begin());
        ++frameSerial_;
      }
    }
    lastPublish_ = Clock::now();
    if (changed) Wake();
  }

  void Wake() {
    // The window thread shuts SDL down when it ends (Close wakes it for that); a wake
    // pushed at that moment would use SDL while it is torn down, so the two exclude each
    // other.
    std::lock_guard lock(wakeMutex_);
    if (!eventsOpen_ || wakePending_.exchange(true)) return;
    SDL_Event event{};
    event.type = wakeEvent_;
    SDL_PushEvent(&event);
  }

  void Fail(const char* what, const char* detail = nullptr) {
    std::lock_guard lock(startMutex_);
    startError_ = detail ? std::string(what) + ": " + detail : std::string(what);
    startState_ = StartState::kFailed;
    startCv_.notify_all();
  }

  // The window opens at the largest whole scale that fits the usable display area with a
  // margin for the window frame and title bar (at least 1).
  int InitialScale() const {
    constexpr int kFrameMargin = 64;
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return 1;
    const int scale =
        std::min((usable.w - kFrameMargin) / width_, (usable.h - kFrameMargin) / height_);
    return std::max(scale, 1);
  }

  bool Open() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");  // Ctrl+C in the console still ends the run
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    // Without a display SDL would fall back to an invisible off-screen driver (or print
    // connection noise); only an explicit SDL_VIDEODRIVER choice is taken as it is.
    const bool driverChosen = std::getenv("SDL_VIDEODRIVER") != nullptr;
    if (!driverChosen && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
      Fail("no display: DISPLAY is not set");
      return false;
    }
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
      Fail("no display", SDL_GetError());
      return false;
    }
    const std::string videoDriver = SDL_GetCurrentVideoDriver();
    if (!driverChosen && (videoDriver == "offscreen" || videoDriver == "dummy")) {
      Fail("no display", "only an off-screen video driver is available");
      return false;
    }
    const int scale = InitialScale();
    window_ = SDL_CreateWindow(title_.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               width_ * scale, height_ * scale, SDL_WINDOW_RESIZABLE);
    if (!window_) {
      Fail("cannot create the window", SDL_GetError());
      return false;
    }
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) {
      Fail("cannot create a renderer", SDL_GetError());
      return false;
    }
    // The logical size keeps the aspect and letterboxes the page in a resized window.
    SDL_RenderSetLogicalSize(renderer_, width_, height_);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                 width_, height_);
    if (!texture_) {
      Fail("cannot create a texture", SDL_GetError());
      return false;
    }
    SDL_DisplayMode mode{};
    if (SDL_GetCurrentDisplayMode(0, &mode) == 0 && mode.refresh_rate >= 30 &&
        mode.refresh_rate <= 240) {
      refreshRate_ = mode.refresh_rate;
    }
    wakeEvent_ = SDL_RegisterEvents(1);
    if (wakeEvent_ == static_cast<Uint32>(-1)) wakeEvent_ = 0;
    {
      std::lock_guard lock(wakeMutex_);
      eventsOpen_ = wakeEvent_ != 0;
    }
    for (Uint32 c = 0; c < 256; ++c) {
      const Rgb& rgb = kDefaultPalette[c];
      argb_[c] = 0xFF000000u | (Uint32{rgb.r} << 16) | (Uint32{rgb.g} << 8) | rgb.b;
    }
    shown_.assign(frame_.size(), 0);
    SDL_StartTextInput();
    Render();
    SDL_PumpEvents();
    return true;
  }

  void Shutdown() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
    SDL_Quit();
  }

  void Run() {
    [[maybe_unused]] const LeakCheckPause pause;
    if (!Open()) {
      Shutdown();
      return;
    }
    {
      std::lock_guard lock(startMutex_);
      startState_ = StartState::kRunning;
    }
    startCv_.notify_all();
    std::uint64_t shownSerial = 0;
    while (!quit_) {
      bool redraw = false;
      SDL_Event event;
      if (SDL_WaitEventTimeout(&event, 100)) {
        redraw |= Handle(event);
        while (SDL_PollEvent(&event)) redraw |= Handle(event);
      }
      {
        std::lock_guard lock(frameMutex_);
        if (frameSerial_ != shownSerial) {
          shownSerial = frameSerial_;
          shown_ = frame_;
          redraw = true;
        }
      }
      if (redraw) Render();
    }
    {
      std::lock_guard lock(wakeMutex_);
      eventsOpen_ = false;
    }
    SDL_StopTextInput();
    Shutdown();
  }

  // Returns whether the window needs painting again.
  bool Handle(const SDL_Event& event) {
    if (event.type == wakeEvent_ && wakeEvent_ != 0) {
      wakePending_ = false;
      return false;
    }
    switch (event.type) {
      case SDL_KEYDOWN:
        QueueKeyDown(keys_, KeyOf(event.key.keysym), (event.key.keysym.mod & KMOD_CTRL) != 0);
        return false;
      case SDL_TEXTINPUT:
        QueueTypedText(keys_, event.text.text);
        return false;
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
          QueueCloseBox(keys_);
          return false;
        }
        return event.window.event == SDL_WINDOWEVENT_EXPOSED ||
               event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
               event.window.event == SDL_WINDOWEVENT_SHOWN;
      default:
        return false;
    }
  }

  void Render() {
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) == 0) {
      for (int y = 0; y < height_; ++y) {
        auto* row = reinterpret_cast<Uint32*>(static_cast<std::uint8_t*>(pixels) +
                                              static_cast<std::ptrdiff_t>(y) * pitch);
        const std::uint8_t* source = shown_.data() + static_cast<std::size_t>(y) * width_;
        for (int x = 0; x < width_; ++x) row[x] = argb_[source[x]];
      }
      SDL_UnlockTexture(texture_);
    }
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
  }

  const int width_;
  const int height_;
  const std::string title_;

  std::thread thread_;
  std::mutex startMutex_;
  std::condition_variable startCv_;
  StartState startState_ = StartState::kStarting;
  std::string startError_;

  std::mutex frameMutex_;
  std::vector<std::uint8_t> frame_;  // the last page handed over, guarded by frameMutex_
  std::uint64_t frameSerial_ = 0;

  KeyQueue keys_;
  std::atomic<bool> quit_{false};
  std::atomic<bool> wakePending_{false};
  std::atomic<Uint32> wakeEvent_{0};
  std::mutex wakeMutex_;
  bool eventsOpen_ = false;  // wakes may be pushed; guarded by wakeMutex_
  std::atomic<int> refreshRate_{60};

  // Program thread only.
  Clock::time_point nextFlip_{};
  Clock::time_point lastPublish_{};

  // Window thread only.
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  std::vector<std::uint8_t> shown_;
  std::array<Uint32, 256> argb_{};
};

}  // namespace

std::shared_ptr<Driver> OpenWindowDriver(int width, int height, std::string_view title) {
  auto driver = std::make_shared<WindowDriver>(width, height, title);
  std::string reason;
  if (!driver->Start(reason)) {
    std::fprintf(stderr,
                 "wingraph: cannot open the graphics window (%s); to run without a window set "
                 "WINGRAPH_DRIVER=headless\n",
                 reason.c_str());
    std::exit(1);
  }
  return driver;
}

}  // namespace wingraph
