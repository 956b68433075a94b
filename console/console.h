// The text console: prompts, line-wise reads of numbers and texts with the input-error
// state, formatted numbers, single-key reads, and the code-page-437 bytes of the texts.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace console {

struct Console {
  std::FILE* in = nullptr;
  std::FILE* out = nullptr;
  // Set by an answer that is not a number or by the end of input. From then on every
  // answer reads as 0 and every prompt and output line is suppressed, for the whole run.
  bool inputError = false;
  bool utf8Output = false;  // out is a UTF-8 terminal: show code page 437 bytes as characters
  bool utf8Input = false;   // in is a UTF-8 terminal: turn typed characters into code page 437
  bool terminalInput = false;
};

// The process's standard input and output, with the terminal and locale detected.
Console StandardConsole();
// A console over the given streams, bytes passed unchanged (for tests and pipes).
Console StreamConsole(std::FILE* in, std::FILE* out);

// Writes text without a line end and flushes (the answer is typed on the same line).
void WritePrompt(Console& con, std::string_view text);
// Writes text and a line end.
void WriteLine(Console& con, std::string_view text);

// Reads one real number: blanks and empty lines before it are skipped, the token ends at
// a blank or the line end, the rest of the line is discarded. Not a number, or the end of
// input: the input-error state begins and 0 is returned.
double ReadReal(Console& con);
// Reads one whole number (optional sign and digits) and returns it modulo `modulus`
// (256 for a byte, 65536 for a 16-bit word); negative values wrap as in two's complement.
unsigned ReadWhole(Console& con, unsigned modulus);
// Reads the rest of the current line, or the next line, without its line end.
std::string ReadLine(Console& con);
// Reads one key without echo and without Enter on a terminal, exactly one byte from a
// pipe; Esc (27) at the end of input.
int ReadSingleKey(Console& con);

// Fixed-point text with `decimals` decimals right-aligned in `width` columns, never cut;
// with no decimals the value is rounded to an integer, halves to even.
std::string FormatReal(double value, int width, int decimals);
// An integer right-aligned in `width` columns, never cut.
std::string FormatInt(long long value, int width);

}  // namespace console
