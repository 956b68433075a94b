// Console reads and writes over FILE streams; see console.h.
#include "console/console.h"

#include <langinfo.h>
#include <locale.h>
#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "console/cp437.h"
#include "console/terminal_key.h"

namespace console {

namespace {

// Bounds that keep a formatted text to a sane size whatever a caller passes.
constexpr int kMaxWidth = 1024;
constexpr int kMaxDecimals = 64;
constexpr int kEsc = 27;
// Longer answers are not taken as numbers (no one types a number that long).
constexpr std::size_t kMaxTokenLength = 4096;

std::string PadLeft(std::string text, int width) {
  width = std::clamp(width, 0, kMaxWidth);
  if (static_cast<int>(text.size()) < width) {
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  }
  return text;
}

// Text of a value that has no fixed-point form.
std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-Inf" : "Inf";
}

void WriteBytes(Console& con, std::string_view text) {
  if (con.out == nullptr) return;
  if (con.utf8Output) {
    std::string shown = Cp437ToUtf8(text);
    std::fwrite(shown.data(), 1, shown.size(), con.out);
  } else {
    std::fwrite(text.data(), 1, text.size(), con.out);
  }
}

int GetByte(Console& con) {
  return con.in == nullptr ? EOF : std::getc(con.in);
}

bool IsBlank(int c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Reads past blanks and empty lines and returns the next token (up to a blank, the line
// end or the end of input), then discards the rest of its line. False at the end of input.
bool ReadToken(Console& con, std::string& token) {
  int c = GetByte(con);
  while (c != EOF && (IsBlank(c) || c == '\n')) c = GetByte(con);
  if (c == EOF) return false;
  token.clear();
  while (c != EOF && !IsBlank(c) && c != '\n') {
    // Past the limit the token is kept marked as too long, so memory stays bounded.
    if (token.size() <= kMaxTokenLength) token += static_cast<char>(c);
    c = GetByte(con);
  }
  while (c != EOF && c != '\n') c = GetByte(con);
  return true;
}

// Optional sign and at least one digit, nothing else.
bool IsWholeNumberText(std::string_view text) {
  if (text.size() > kMaxTokenLength) return false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
  return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// A real number as people type it: optional sign, digits with an optional point (at
// least one digit on either side), and an optional exponent. No words such as "inf".
bool IsRealNumberText(std::string_view text) {
  if (text.size() > kMaxTokenLength) return false;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t intStart = i;
  i = SkipDigits(text, i);
  std::size_t digits = i - intStart;
  if (i < text.size() && text[i] == '.') {
    std::size_t fracStart = ++i;
    i = SkipDigits(text, i);
    digits += i - fracStart;
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t expStart = i;
    i = SkipDigits(text, i);
    if (i == expStart) return false;
  }
  return i == text.size();
}

// The value of a checked real-number text; false when it lies beyond the largest finite
// double, which the program could not compute with.
bool RealValue(std::string text, double& value) {
  if (text[0] == '+') text.erase(0, 1);
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec == std::errc()) return true;
  // Out of range: too small gives zero (or the nearest tiny value), too large is refused.
  // Read in the C locale, whatever the environment says about decimal points.
  locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
  if (cLocale == static_cast<locale_t>(0)) return false;
  double near = strtod_l(text.c_str(), nullptr, cLocale);
  freelocale(cLocale);
  if (std::isinf(near)) return false;
  value = near;
  return true;
}

unsigned WholeModulo(std::string_view text, unsigned modulus) {
  bool negative = text[0] == '-';
  if (text[0] == '+' || text[0] == '-') text.remove_prefix(1);
  // A modulus of 0 stands for the full unsigned range, 2^32.
  unsigned long long m = modulus == 0 ? (1ULL << 32) : modulus;
  unsigned long long r = 0;
  for (char c : text) r = (r * 10 + static_cast<unsigned>(c - '0')) % m;
  if (negative) r = (m - r) % m;
  return static_cast<unsigned>(r);
}

bool CodesetIsUtf8() {
  locale_t loc = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
  if (loc == static_cast<locale_t>(0)) return false;
  const char* codeset = nl_langinfo_l(CODESET, loc);
  bool utf8 =
      codeset != nullptr && (strcasecmp(codeset, "UTF-8") == 0 || strcasecmp(codeset, "UTF8") == 0);
  freelocale(loc);
  return utf8;
}

}  // namespace

Console StandardConsole() {
  Console con = StreamConsole(stdin, stdout);
  con.terminalInput = isatty(STDIN_FILENO) == 1;
  bool utf8 = CodesetIsUtf8();
  con.utf8Output = utf8 && isatty(STDOUT_FILENO) == 1;
  con.utf8Input = utf8 && con.terminalInput;
  if (con.terminalInput) {
    // Unbuffered, so a single-key read sees in the terminal exactly the keys not yet read.
    std::setvbuf(stdin, nullptr, _IONBF, 0);
  }
  return con;
}

Console StreamConsole(std::FILE* in, std::FILE* out) {
  Console con;
  con.in = in;
  con.out = out;
  return con;
}

void WritePrompt(Console& con, std::string_view text) {
  if (con.inputError) return;
  WriteBytes(con, text);
  if (con.out != nullptr) std::fflush(con.out);
}

void WriteLine(Console& con, std::string_view text) {
  if (con.inputError) return;
  WriteBytes(con, text);
  WriteBytes(con, "\n");
}

void Flush(Console& con) {
  if (con.out != nullptr) std::fflush(con.out);
}

double ReadReal(Console& con) {
  if (con.inputError) return 0;
  std::string token;
  double value = 0;
  if (!ReadToken(con, token) || !IsRealNumberText(token) || !RealValue(token, value)) {
    con.inputError = true;
    return 0;
  }
  return value;
}

unsigned ReadWhole(Console& con, unsigned modulus) {
  if (con.inputError) return 0;
  std::string token;
  if (!ReadToken(con, token) || !IsWholeNumberText(token)) {
    con.inputError = true;
    return 0;
  }
  return WholeModulo(token, modulus);
}

std::string ReadLine(Console& con) {
  if (con.inputError) return {};
  std::string line;
  int c = GetByte(con);
  if (c == EOF) {
    con.inputError = true;
    return {};
  }
  while (c != EOF && c != '\n') {
    line += static_cast<char>(c);
    c = GetByte(con);
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return con.utf8Input ? Utf8ToCp437(line) : line;
}

int ReadSingleKey(Console& con) {
  // Without input the listing must still end, so the key is Esc.
  if (con.inputError) return kEsc;
  if (con.out != nullptr) std::fflush(con.out);
  int key = con.terminalInput ? ReadTerminalKey(fileno(con.in), con.utf8Input) : GetByte(con);
  if (key == EOF) {
    con.inputError = true;
    return kEsc;
  }
  return key;
}

std::string FormatReal(double value, int width, int decimals) {
  if (!std::isfinite(value)) return PadLeft(NonFiniteText(value), width);
  decimals = std::clamp(decimals, 0, kMaxDecimals);
  // An exact zero prints without a sign; with no decimals the value is a rounded integer,
  // and an integer has no negative zero either.
  if (decimals == 0) value = std::nearbyint(value);
  if (value == 0) value = 0.0;
  // printf expands the binary value exactly and breaks exact ties to even.
  int length = std::snprintf(nullptr, 0, "%.*f", decimals, value);
  std::string text(static_cast<std::size_t>(length), '\0');
  std::snprintf(text.data(), text.size() + 1, "%.*f", decimals, value);
  return PadLeft(std::move(text), width);
}

std::string FormatInt(long long value, int width) {
  return PadLeft(std::to_string(value), width);
}

}  // namespace console
