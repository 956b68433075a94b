#include "window/window_harness.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "wingraph/palette.h"

extern char** environ;

namespace windowtest {

namespace {

constexpr auto kPollDelay = std::chrono::milliseconds(10);

Display* AsDisplay(void* connection) {
  return static_cast<Display*>(connection);
}

// A window can vanish between finding and reading it (the program ends); such errors
// make the call fail instead of ending the test program.
int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

std::string NameOf(const std::string& entry) {
  return entry.substr(0, entry.find('='));
}

std::vector<std::string> ChildEnvironment(const std::vector<std::string>& env,
                                          const std::vector<std::string>& unset) {
  std::vector<std::string> result;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    const std::string name = NameOf(entry);
    bool drop = false;
    for (const std::string& u : unset) drop = drop || name == u;
    for (const std::string& v : env) drop = drop || name == NameOf(v);
    if (!drop) result.push_back(entry);
  }
  result.insert(result.end(), env.begin(), env.end());
  return result;
}

std::vector<char*> PointersOf(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& t : texts) pointers.push_back(t.data());
  pointers.push_back(nullptr);
  return pointers;
}

// The bit position and width of a colour mask, to pull an 8-bit channel out of a pixel.
struct Channel {
  int shift = 0;
  int bits = 0;
};

Channel ChannelOf(unsigned long mask) {
  Channel c;
  if (mask == 0) return c;
  while ((mask & 1) == 0) {
    mask >>= 1;
    ++c.shift;
  }
  while ((mask & 1) != 0) {
    mask >>= 1;
    ++c.bits;
  }
  return c;
}

std::uint8_t Extract(unsigned long pixel, Channel c) {
  const unsigned long value = (pixel >> c.shift) & ((1ul << c.bits) - 1);
  if (c.bits >= 8) return static_cast<std::uint8_t>(value >> (c.bits - 8));
  return static_cast<std::uint8_t>(value * 255 / ((1ul << c.bits) - 1));
}

std::string WindowTitle(Display* display, Window window) {
  const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  Atom type = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  std::string title;
  if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                         &after, &data) == Success &&
      data != nullptr && type == utf8) {
    title.assign(reinterpret_cast<char*>(data), count);
  }
  if (data != nullptr) XFree(data);
  if (!title.empty()) return title;
  char* name = nullptr;
  if (XFetchName(display, window, &name) != 0 && name != nullptr) {
    title = name;
    XFree(name);
  }
  return title;
}

}  // namespace

bool HaveCommand(const std::string& name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

long CountMismatches(const RgbImage& shot, const IndexedPage& page, int scale) {
  if (scale < 1 || shot.width != page.width * scale || shot.height != page.height * scale) {
    return -1;
  }
  long mismatches = 0;
  for (int y = 0; y < shot.height; ++y) {
    const std::uint8_t* row = &shot.rgb[static_cast<std::size_t>(y) * shot.width * 3];
    const std::uint8_t* source = &page.pixels[static_cast<std::size_t>(y / scale) * page.width];
    for (int x = 0; x < shot.width; ++x) {
      const wingraph::Rgb& want = wingraph::kDefaultPalette[source[x / scale]];
      const std::uint8_t* got = row + 3 * x;
      mismatches += got[0] != want.r || got[1] != want.g || got[2] != want.b;
    }
  }
  return mismatches;
}

bool WritePpm(const RgbImage& image, const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  std::fprintf(file, "P6\n%d %d\n255\n", image.width, image.height);
  const bool ok = std::fwrite(image.rgb.data(), 1, image.rgb.size(), file) == image.rgb.size();
  return std::fclose(file) == 0 && ok;
}

bool Process::Start(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                    const std::vector<std::string>& unset, const std::string& input,
                    const std::string& outputPath, int passFd) {
  std::vector<std::string> args = argv;
  std::vector<std::string> environment = ChildEnvironment(env, unset);
  std::vector<char*> argPointers = PointersOf(args);
  std::vector<char*> envPointers = PointersOf(environment);
  int inputPipe[2];
  if (pipe2(inputPipe, O_CLOEXEC) != 0) return false;
  const int output = open(outputPath.empty() ? "/dev/null" : outputPath.c_str(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (output < 0) {
    close(inputPipe[0]);
    close(inputPipe[1]);
    return false;
  }
  const pid_t parent = getpid();
  started_ = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    // Only async-signal-safe calls from here to exec.
    setpgid(0, 0);
    prctl(PR_SET_PDEATHSIG, SIGKILL);  // no stray servers or windows when a test dies
    if (getppid() != parent) _exit(127);
    dup2(inputPipe[0], 0);
    dup2(output, 1);
    dup2(output, 2);
    if (passFd >= 0) {
      if (passFd == 3) {
        fcntl(3, F_SETFD, 0);
      } else {
        dup2(passFd, 3);
      }
    }
    execvpe(argPointers[0], argPointers.data(), envPointers.data());
    _exit(127);
  }
  close(inputPipe[0]);
  close(output);
  if (pid < 0) {
    close(inputPipe[1]);
    return false;
  }
  setpgid(pid, pid);
  pid_ = pid;
  ended_ = false;
  exitStatus_ = -1;
  // The answers are far smaller than a pipe holds, so this never waits for the reader.
  std::size_t written = 0;
  while (written < input.size()) {
    const ssize_t n = write(inputPipe[1], input.data() + written, input.size() - written);
    if (n <= 0) break;
    written += static_cast<std::size_t>(n);
  }
  close(inputPipe[1]);
  return true;
}

bool Process::Running() {
  if (pid_ <= 0 || ended_) return false;
  int status = 0;
  const pid_t r = waitpid(pid_, &status, WNOHANG);
  if (r == 0) return true;
  ended_ = true;
  exitStatus_ = (r == pid_ && WIFEXITED(status)) ? WEXITSTATUS(status) : -1;
  return false;
}

bool Process::WaitExit(Clock::time_point deadline) {
  while (Running()) {
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kPollDelay);
  }
  return true;
}

void Process::Kill() {
  if (pid_ <= 0) return;
  if (Running()) {
    kill(-pid_, SIGKILL);
    int status = 0;
    waitpid(pid_, &status, 0);
    ended_ = true;
  }
  pid_ = -1;
}

VirtualDisplay::VirtualDisplay(int width, int height) {
  int ready[2];
  if (pipe2(ready, O_CLOEXEC) != 0) return;
  // The server picks a free display number and writes it to descriptor 3 once it accepts
  // connections.
  const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
  const bool started = server_.Start(
      {"Xvfb", "-displayfd", "3", "-screen", "0", screen, "-nolisten", "tcp", "-noreset"}, {}, {},
      "", "", ready[1]);
  close(ready[1]);
  std::string number;
  const auto deadline = Clock::now() + kPatience;
  while (started && Clock::now() < deadline) {
    pollfd p{ready[0], POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    char c = 0;
    if (read(ready[0], &c, 1) != 1 || c == '\n') break;
    number += c;
  }
  close(ready[0]);
  if (number.empty()) return;
  name_ = ":" + number;
  XSetErrorHandler(IgnoreXError);
  connection_ = XOpenDisplay(name_.c_str());
}

VirtualDisplay::~VirtualDisplay() {
  if (connection_ != nullptr) XCloseDisplay(AsDisplay(connection_));
  server_.Kill();
}

unsigned long VirtualDisplay::WaitForWindow(const std::string& title, Clock::time_point deadline) {
  Display* display = AsDisplay(connection_);
  while (true) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) != 0) {
      for (unsigned int i = 0; i < count && found == 0; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) != 0 &&
            attributes.map_state == IsViewable && WindowTitle(display, children[i]) == title) {
          found = children[i];
        }
      }
      if (children != nullptr) XFree(children);
    }
    if (found != 0 || Clock::now() >= deadline) return found;
    std::this_thread::sleep_for(kPollDelay);
  }
}

bool VirtualDisplay::Capture(unsigned long window, RgbImage& image) {
  Display* display = AsDisplay(connection_);
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0) return false;
  XImage* shot =
      XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
  if (shot == nullptr) return false;
  const Channel red = ChannelOf(shot->red_mask);
  const Channel green = ChannelOf(shot->green_mask);
  const Channel blue = ChannelOf(shot->blue_mask);
  image.width = attributes.width;
  image.height = attributes.height;
  image.rgb.resize(static_cast<std::size_t>(image.width) * image.height * 3);
  std::uint8_t* out = image.rgb.data();
  const bool direct = shot->bits_per_pixel == 32 && shot->byte_order == LSBFirst;
  for (int y = 0; y < image.height; ++y) {
    const auto* row = reinterpret_cast<const std::uint8_t*>(shot->data) +
                      static_cast<std::size_t>(y) * shot->bytes_per_line;
    for (int x = 0; x < image.width; ++x) {
      unsigned long pixel = 0;
      if (direct) {
        std::uint32_t word = 0;
        std::memcpy(&word, row + 4 * x, 4);
        pixel = word;
      } else {
        pixel = XGetPixel(shot, x, y);
      }
      *out++ = Extract(pixel, red);
      *out++ = Extract(pixel, green);
      *out++ = Extract(pixel, blue);
    }
  }
  XDestroyImage(shot);
  return true;
}

bool VirtualDisplay::SendCloseBox(unsigned long window) {
  Display* display = AsDisplay(connection_);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
  XSync(display, False);
  return sent != 0;
}

bool VirtualDisplay::TypeKeys(unsigned long window, const std::string& keys) {
  // Bounded, so that a focus that never arrives fails the step instead of hanging it.
  const std::string command = "DISPLAY=" + name_ + " timeout 30 xdotool windowfocus --sync " +
                              std::to_string(window) + " key --delay 0 " + keys +
                              " >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

}  // namespace windowtest
