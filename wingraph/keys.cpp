// What each key puts into the key queue.
#include "wingraph/driver.h"
#include "wingraph/font.h"

namespace wingraph {

namespace {

// The second code of a special key (the first is 0); 0 for keys that queue nothing.
int SpecialCode(Key key, bool ctrl) {
  switch (key) {
    case Key::kUp:
      return 72;
    case Key::kDown:
      return 80;
    case Key::kLeft:
      return ctrl ? kKeyCtrlLeft : kKeyLeft;
    case Key::kRight:
      return ctrl ? kKeyCtrlRight : kKeyRight;
    case Key::kHome:
      return 71;
    case Key::kEnd:
      return 79;
    case Key::kPageUp:
      return 73;
    case Key::kPageDown:
      return 81;
    case Key::kInsert:
      return 82;
    case Key::kDelete:
      return 83;
    case Key::kF1:
      return 59;
    case Key::kF2:
      return 60;
    case Key::kF3:
      return 61;
    case Key::kF4:
      return 62;
    case Key::kF5:
      return 63;
    case Key::kF6:
      return 64;
    case Key::kF7:
      return 65;
    case Key::kF8:
      return 66;
    case Key::kF9:
      return 67;
    case Key::kF10:
      return 68;
    default:
      return 0;
  }
}

// The code page 437 byte of a character, or -1.
int CodePage437Byte(char32_t c) {
  if (c >= 0x20 && c < 0x7F) return static_cast<int>(c);
  for (int byte = 0x80; byte < 256; ++byte) {
    if (kCodePage437[byte] == c) return byte;
  }
  return -1;
}

// Decodes one UTF-8 sequence at text[i], advancing i; malformed bytes decode as U+FFFD.
char32_t NextCharacter(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i++]);
  int extra = 0;
  char32_t c = 0;
  if (lead < 0x80) return lead;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    c = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    c = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    c = lead & 0x07;
  } else {
    return 0xFFFD;
  }
  for (int k = 0; k < extra; ++k) {
    if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0xFFFD;
    c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
  }
  return c;
}

}  // namespace

void QueueKeyDown(KeyQueue& queue, Key key, bool ctrl) {
  switch (key) {
    case Key::kEscape:
      queue.Push(kKeyEsc);
      return;
    case Key::kEnter:
      queue.Push(kKeyEnter);
      return;
    case Key::kBackspace:
      queue.Push(kKeyBackspace);
      return;
    case Key::kTab:
      queue.Push(9);
      return;
    default:
      break;
  }
  const int code = SpecialCode(key, ctrl);
  if (code != 0) queue.PushSpecial(code);
}

void QueueTypedText(KeyQueue& queue, std::string_view utf8) {
  std::size_t i = 0;
  while (i < utf8.size()) {
    const int byte = CodePage437Byte(NextCharacter(utf8, i));
    if (byte >= 0) queue.Push(byte);
  }
}

void QueueCloseBox(KeyQueue& queue) {
  queue.PushSpecial(kKeyCloseBox);
}

}  // namespace wingraph
