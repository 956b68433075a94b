// The driver of scripted runs: no window; keys come from a script and each key read first
// saves the shown page, so a test sees what a user would have seen at that moment.
#include <cctype>
#include <cstdio>
#include <deque>
#include <string>

#include "wingraph/driver.h"

namespace wingraph {

namespace {

constexpr int kFramePasses = -1;  // the "." token: one KeyPressed call answers false

std::string Trim(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && std::isspace(static_cast<unsigned char>(text[first]))) ++first;
  while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1]))) --last;
  return std::string(text.substr(first, last - first));
}

// A decimal code 0..255, "." or nothing (an empty or malformed token is skipped).
bool ParseToken(const std::string& token, int& value) {
  if (token == ".") {
    value = kFramePasses;
    return true;
  }
  if (token.empty() || token.size() > 3) return false;
  int code = 0;
  for (char c : token) {
    if (c < '0' || c > '9') return false;
    code = code * 10 + (c - '0');
  }
  if (code > 255) return false;
  value = code;
  return true;
}

class HeadlessDriver final : public Driver {
 public:
  HeadlessDriver(std::string_view keys, std::string snapshotDir)
      : snapshotDir_(std::move(snapshotDir)) {
    std::size_t start = 0;
    while (start <= keys.size()) {
      std::size_t comma = keys.find(',', start);
      if (comma == std::string_view::npos) comma = keys.size();
      const std::string token = Trim(keys.substr(start, comma - start));
      int value = 0;
      if (ParseToken(token, value)) {
        script_.push_back(value);
      } else if (!token.empty()) {
        std::fprintf(stderr, "wingraph: WINGRAPH_KEYS: ignoring \"%s\" (not 0-255 or .)\n",
                     token.c_str());
      }
      start = comma + 1;
    }
  }

  void Present(const Device&, bool) override {}

  int ReadKey(const Device& dev) override {
    SaveSnapshot(dev);
    while (!script_.empty() && script_.front() == kFramePasses) script_.pop_front();
    if (script_.empty()) return kKeyEsc;
    const int code = script_.front();
    script_.pop_front();
    return code;
  }

  bool KeyPressed(const Device&) override {
    if (script_.empty()) return true;
    if (script_.front() != kFramePasses) return true;
    script_.pop_front();
    return false;
  }

  void Close() override {}

 private:
  void SaveSnapshot(const Device& dev) {
    if (snapshotDir_.empty()) return;
    char name[32];
    std::snprintf(name, sizeof name, "/screen-%03d.png", ++snapshotCount_);
    const std::string path = snapshotDir_ + name;
    if (!SavePagePng(dev, dev.state.visualPage, path) && !reportedFailure_) {
      std::fprintf(stderr, "wingraph: cannot write %s\n", path.c_str());
      reportedFailure_ = true;
    }
  }

  std::deque<int> script_;
  std::string snapshotDir_;
  int snapshotCount_ = 0;
  bool reportedFailure_ = false;
};

}  // namespace

std::shared_ptr<Driver> MakeHeadlessDriver(std::string_view keys, std::string snapshotDir) {
  return std::make_shared<HeadlessDriver>(keys, std::move(snapshotDir));
}

}  // namespace wingraph
