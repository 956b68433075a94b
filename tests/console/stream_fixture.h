// A console over an in-memory input text and an in-memory output.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "console/console.h"

class MemoryConsole {
 public:
  explicit MemoryConsole(const std::string& input) : input_(input) {
    // fmemopen refuses a zero-length buffer; an empty input is a stream at its end.
    in_ =
        input_.empty() ? std::fopen("/dev/null", "r") : fmemopen(input_.data(), input_.size(), "r");
    out_ = open_memstream(&outText_, &outSize_);
    con = console::StreamConsole(in_, out_);
  }
  ~MemoryConsole() {
    std::fclose(in_);
    std::fclose(out_);
    std::free(outText_);
  }
  MemoryConsole(const MemoryConsole&) = delete;
  MemoryConsole& operator=(const MemoryConsole&) = delete;

  // Everything written so far.
  std::string Output() {
    std::fflush(out_);
    return std::string(outText_, outSize_);
  }

  console::Console con;

 private:
  std::string input_;
  std::FILE* in_ = nullptr;
  std::FILE* out_ = nullptr;
  char* outText_ = nullptr;
  std::size_t outSize_ = 0;
};

// Bytes written so that a test name shows them on one line: "\n", "\x1b" and the like.
inline std::string Escaped(std::string_view bytes) {
  std::string text;
  for (char c : bytes) {
    auto u = static_cast<unsigned char>(c);
    if (c == '\n') {
      text += "\\n";
    } else if (u < 0x20 || u >= 0x7F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02x", u);
      text += hex;
    } else {
      text += c;
    }
  }
  return text;
}
