// Single keys from a real terminal (a pseudo-terminal): raw for one key, then restored,
// also when a signal ends the program while it waits.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "console/console.h"
#include "console/terminal_key.h"

namespace {

class PseudoTerminal : public testing::Test {
 protected:
  void SetUp() override {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master_, 0);
    ASSERT_EQ(grantpt(master_), 0);
    ASSERT_EQ(unlockpt(master_), 0);
    slave_ = open(ptsname(master_), O_RDWR | O_NOCTTY);
    ASSERT_GE(slave_, 0);
  }
  void TearDown() override {
    if (slave_ >= 0) close(slave_);
    if (master_ >= 0) close(master_);
  }

  void Type(const std::string& keys) {
    ASSERT_EQ(write(master_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
  }

  tcflag_t LocalFlags() {
    termios t{};
    tcgetattr(slave_, &t);
    return t.c_lflag;
  }

  // Waits until the reader has switched the terminal out of line mode.
  bool WaitForRawMode() {
    for (int i = 0; i < 500; ++i) {
      if ((LocalFlags() & ICANON) == 0) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }

  int master_ = -1;
  int slave_ = -1;
};

TEST_F(PseudoTerminal, ReadsOneKeyWithoutEnterAndRestoresLineMode) {
  tcflag_t before = LocalFlags();
  ASSERT_TRUE(before & ICANON);
  Type("ab");  // no Enter: a line-mode read would wait for ever
  EXPECT_EQ(console::ReadTerminalKey(slave_, false), 'a');
  EXPECT_EQ(console::ReadTerminalKey(slave_, false), 'b');
  EXPECT_EQ(LocalFlags(), before);
}

TEST_F(PseudoTerminal, LoneEscIsEscAndAnArrowIsNot) {
  Type("\x1b");
  EXPECT_EQ(console::ReadTerminalKey(slave_, false), 27);
  Type("\x1b[A");  // an arrow key's sequence is one key, not Esc
  EXPECT_EQ(console::ReadTerminalKey(slave_, false), 0);
  Type("x");
  EXPECT_EQ(console::ReadTerminalKey(slave_, false), 'x');
}

TEST_F(PseudoTerminal, Utf8KeyGivesItsCodePageByte) {
  Type(
      "\xC3\xAE"
      "z");
  EXPECT_EQ(console::ReadTerminalKey(slave_, true), 0x8C);
  EXPECT_EQ(console::ReadTerminalKey(slave_, true), 'z');
}

TEST_F(PseudoTerminal, KeyIsNotEchoed) {
  ASSERT_TRUE(LocalFlags() & ECHO);
  int key = 0;
  std::thread reader([&] { key = console::ReadTerminalKey(slave_, false); });
  ASSERT_TRUE(WaitForRawMode());
  Type("q");  // typed while the reader waits, as a user would
  reader.join();
  EXPECT_EQ(key, 'q');
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  int flags = fcntl(master_, F_GETFL);
  fcntl(master_, F_SETFL, flags | O_NONBLOCK);
  char echoed[8];
  EXPECT_LE(read(master_, echoed, sizeof echoed), 0);
}

TEST_F(PseudoTerminal, SignalWhileWaitingRestoresTheTerminal) {
  for (int sig : {SIGINT, SIGTERM}) {
    tcflag_t before = LocalFlags();
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      console::ReadTerminalKey(slave_, false);
      _exit(0);
    }
    ASSERT_TRUE(WaitForRawMode());
    kill(child, sig);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << "signal " << sig;
    EXPECT_EQ(LocalFlags(), before) << "signal " << sig;
  }
}

TEST_F(PseudoTerminal, StopAndContinueWaitsForTheKeyAgain) {
  tcflag_t before = LocalFlags();
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // A group of its own whose parent is in the same session is never orphaned, so the
    // stop signal takes effect however the test itself was started (a stop sent to an
    // orphaned group is discarded).
    setpgid(0, 0);
    _exit(console::ReadTerminalKey(slave_, false) == 'k' ? 0 : 1);
  }
  ASSERT_TRUE(WaitForRawMode());
  kill(child, SIGTSTP);
  int status = 0;
  pid_t waited = 0;
  for (int i = 0; i < 500 && waited == 0; ++i) {
    waited = waitpid(child, &status, WUNTRACED | WNOHANG);
    if (waited == 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (waited != child) kill(child, SIGKILL);
  ASSERT_EQ(waited, child) << "the reader did not stop";
  ASSERT_TRUE(WIFSTOPPED(status));
  EXPECT_EQ(LocalFlags(), before);  // the shell gets its terminal back while stopped
  kill(child, SIGCONT);
  ASSERT_TRUE(WaitForRawMode());
  Type("k");
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(LocalFlags(), before);
}

TEST_F(PseudoTerminal, EndOfInputKeyEndsTheInput) {
  int key = 0;
  std::thread reader([&] { key = console::ReadTerminalKey(slave_, false); });
  ASSERT_TRUE(WaitForRawMode());
  Type("\x04");  // Ctrl-D, the terminal's end-of-input key, pressed at the pause
  reader.join();
  EXPECT_EQ(key, EOF);
  EXPECT_TRUE(LocalFlags() & ICANON);
}

TEST_F(PseudoTerminal, IgnoredSignalStaysIgnored) {
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGINT, SIG_IGN);  // as for a program started in the background
    _exit(console::ReadTerminalKey(slave_, false) == 'k' ? 0 : 1);
  }
  ASSERT_TRUE(WaitForRawMode());
  kill(child, SIGINT);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  Type("k");
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(PseudoTerminal, ConsoleKeyReadAtCtrlDIsEscAndEndsTheInput) {
  std::FILE* in = fdopen(dup(slave_), "r");
  ASSERT_NE(in, nullptr);
  console::Console con = console::StreamConsole(in, nullptr);
  con.terminalInput = true;
  Type("q");
  EXPECT_EQ(console::ReadSingleKey(con), 'q');
  EXPECT_FALSE(con.inputError);
  int key = 0;
  std::thread reader([&] { key = console::ReadSingleKey(con); });
  ASSERT_TRUE(WaitForRawMode());
  Type("\x04");
  reader.join();
  EXPECT_EQ(key, 27);
  EXPECT_TRUE(con.inputError);
  std::fclose(in);
}

}  // namespace
