// Code page 437 to Unicode and back; see cp437.h.
#include "console/cp437.h"

#include <array>
#include <cstdint>

namespace console {

namespace {

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

char ByteOfCharacter(char32_t c) {
  if (c < 0x80) return static_cast<char>(c);
  for (std::size_t byte = 0x80; byte < kCodePage437.size(); ++byte) {
    if (kCodePage437[byte] == c) return static_cast<char>(byte);
  }
  return '?';
}

// Length of the sequence a lead byte starts (0 for a byte that cannot lead), and the
// smallest character that needs that length, to refuse overlong forms.
int SequenceLength(std::uint8_t lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

constexpr std::array<char32_t, 5> kSmallestOfLength = {0, 0, 0x80, 0x800, 0x10000};

}  // namespace

std::string Cp437ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char b : bytes) {
    auto u = static_cast<std::uint8_t>(b);
    if (u < 0x80) {
      out += b;
    } else {
      AppendUtf8(out, kCodePage437[u]);
    }
  }
  return out;
}

std::string Utf8ToCp437(std::string_view text) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    auto lead = static_cast<std::uint8_t>(text[i]);
    int length = SequenceLength(lead);
    if (length == 1) {
      out += text[i++];
      continue;
    }
    if (length == 0) {  // a stray continuation byte or a byte that never starts one
      out += '?';
      ++i;
      continue;
    }
    char32_t c = lead & (0x7F >> length);
    int taken = 1;
    while (taken < length && i + taken < text.size() &&
           (static_cast<std::uint8_t>(text[i + taken]) & 0xC0) == 0x80) {
      c = (c << 6) | (static_cast<std::uint8_t>(text[i + taken]) & 0x3F);
      ++taken;
    }
    bool whole = taken == length && c >= kSmallestOfLength[length] && c <= 0x10FFFF;
    out += whole ? ByteOfCharacter(c) : '?';
    i += taken;
  }
  return out;
}

}  // namespace console
