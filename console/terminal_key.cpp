// Raw single-key reads on a terminal; see terminal_key.h.
#include "console/terminal_key.h"

#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <string>

#include "console/cp437.h"

namespace console {

namespace {

constexpr int kEsc = 27;
// Bytes of an escape sequence arrive together; a lone Esc is followed by silence.
constexpr int kSequenceGapMs = 50;
constexpr std::array<int, 5> kRestoringSignals = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP};

// The terminal settings to put back; read by the signal handler, so kept where it can
// reach them. Only one key read runs at a time (the programs have one thread).
struct RawModeState {
  int fd = -1;
  termios saved{};
  termios raw{};
  volatile sig_atomic_t active = 0;
  std::array<struct sigaction, kRestoringSignals.size()> previous{};
  std::array<bool, kRestoringSignals.size()> installed{};
};
RawModeState gRawMode;

void RestoringHandler(int sig) {
  int savedErrno = errno;
  tcsetattr(gRawMode.fd, TCSANOW, &gRawMode.saved);
  // Let the signal take its default effect (end or stop the program) now.
  struct sigaction byDefault {};
  byDefault.sa_handler = SIG_DFL;
  sigemptyset(&byDefault.sa_mask);
  sigaction(sig, &byDefault, nullptr);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, sig);
  sigprocmask(SIG_UNBLOCK, &only, nullptr);
  raise(sig);
  // Still here: the program was stopped and has been continued; wait for the key again.
  struct sigaction again {};
  again.sa_handler = RestoringHandler;
  sigemptyset(&again.sa_mask);
  sigaction(sig, &again, nullptr);
  if (gRawMode.active) tcsetattr(gRawMode.fd, TCSANOW, &gRawMode.raw);
  errno = savedErrno;
}

// Catches the signals that would end or stop the program while the terminal is raw.
// A signal the program ignores or handles itself is left as it is.
void InstallRestoringHandlers() {
  struct sigaction restoring {};
  restoring.sa_handler = RestoringHandler;
  sigemptyset(&restoring.sa_mask);
  for (std::size_t i = 0; i < kRestoringSignals.size(); ++i) {
    sigaction(kRestoringSignals[i], nullptr, &gRawMode.previous[i]);
    gRawMode.installed[i] = gRawMode.previous[i].sa_handler == SIG_DFL;
    if (gRawMode.installed[i]) sigaction(kRestoringSignals[i], &restoring, nullptr);
  }
}

void RemoveRestoringHandlers() {
  for (std::size_t i = 0; i < kRestoringSignals.size(); ++i) {
    if (gRawMode.installed[i]) sigaction(kRestoringSignals[i], &gRawMode.previous[i], nullptr);
    gRawMode.installed[i] = false;
  }
}

bool EnterRawMode(int fd) {
  if (tcgetattr(fd, &gRawMode.saved) != 0) return false;
  gRawMode.fd = fd;
  gRawMode.raw = gRawMode.saved;
  gRawMode.raw.c_lflag &= ~(ICANON | ECHO);
  gRawMode.raw.c_cc[VMIN] = 1;
  gRawMode.raw.c_cc[VTIME] = 0;
  InstallRestoringHandlers();
  gRawMode.active = 1;
  if (tcsetattr(fd, TCSANOW, &gRawMode.raw) != 0) {
    gRawMode.active = 0;
    RemoveRestoringHandlers();
    return false;
  }
  return true;
}

void LeaveRawMode() {
  tcsetattr(gRawMode.fd, TCSANOW, &gRawMode.saved);
  gRawMode.active = 0;
  RemoveRestoringHandlers();
}

// One byte, waiting as long as needed; EOF when the terminal is gone.
int ReadByte(int fd) {
  unsigned char b = 0;
  for (;;) {
    ssize_t n = read(fd, &b, 1);
    if (n == 1) return b;
    if (n < 0 && errno == EINTR) continue;
    return EOF;
  }
}

// One byte if it arrives within the gap, else EOF.
int ReadFollowingByte(int fd) {
  pollfd p{fd, POLLIN, 0};
  int ready;
  do {
    ready = poll(&p, 1, kSequenceGapMs);
  } while (ready < 0 && errno == EINTR);
  if (ready <= 0) return EOF;
  return ReadByte(fd);
}

int ReadKeyBytes(int fd, bool utf8) {
  int first = ReadByte(fd);
  if (first == EOF) return EOF;
  // The terminal's end-of-input key (Ctrl-D) ends the input here as it does in a line.
  cc_t eof = gRawMode.saved.c_cc[VEOF];
  if (eof != _POSIX_VDISABLE && first == eof) return EOF;
  if (first == kEsc) {
    bool sequence = false;
    while (ReadFollowingByte(fd) != EOF) sequence = true;
    return sequence ? 0 : kEsc;
  }
  if (!utf8 || first < 0xC0) return first;
  std::string character(1, static_cast<char>(first));
  int length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : 2;
  while (static_cast<int>(character.size()) < length) {
    int next = ReadFollowingByte(fd);
    if (next == EOF) break;
    character += static_cast<char>(next);
  }
  return static_cast<unsigned char>(Utf8ToCp437(character)[0]);
}

}  // namespace

int ReadTerminalKey(int fd, bool utf8) {
  if (!EnterRawMode(fd)) return ReadByte(fd);
  int key = ReadKeyBytes(fd, utf8);
  LeaveRawMode();
  return key;
}

}  // namespace console
