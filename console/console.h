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

// The process's standard input and output, with the terminal and the locale's character
// set detected (only queried: number formatting stays as it is). Standard input on a
// terminal is made unbuffered, so a single-key read sees exactly the keys not yet read;
// call this before anything reads standard input.
Console StandardConsole();
// A console over the given streams, bytes passed unchanged (for tests and pipes).
Console StreamConsole(std::FILE* in, std::FILE* out);

// Writes text without a line end and flushes (the answer is typed on the same line).
void WritePrompt(Console& con, std::string_view text);
// Writes text and a line end.
void WriteLine(Console& con, std::string_view text);
// Sends what was written so far to the screen (before a window opens over it).
void Flush(Console& con);

// Reads one real number: blanks and empty lines before it are skipped, the token ends at
// a blank or the line end, the rest of the line is discarded. A number is an optional
// sign, digits with an optional decimal point and an optional exponent ("12", "-26.06",
// ".5", "5.", "1e3"). Not a number (also "nan", "inf" and anything beyond the largest
// finite double, such as "1e999"), or the end of input: the input-error state begins and
// 0 is returned. A number too small to represent reads as 0.
double ReadReal(Console& con);
// Reads one whole number (optional sign and digits) and returns it modulo `modulus`
// (256 for a byte, 65536 for a 16-bit word; 0 for the full unsigned range), exact for
// any number of digits (a token of more than 4096 characters is not a number); negative
// values wrap as in two's complement. A fraction or an exponent is not a whole number.
unsigned ReadWhole(Console& con, unsigned modulus);
// Reads the rest of the current line, or the next line, without its line end (a CR before
// it is dropped too). A last line without a line end counts; nothing left at all is the
// end of input. Typed on a UTF-8 terminal, the text comes back as code page 437 bytes.
std::string ReadLine(Console& con);
// Flushes the output, then reads one key without echo and without Enter on a terminal,
// exactly one byte from a pipe. Esc (27) at the end of input (which begins the
// input-error state) and in the input-error state, so a listing waiting for Esc ends.
// On a terminal an arrow or function key gives 0, not Esc.
int ReadSingleKey(Console& con);

// Fixed-point text with `decimals` decimals right-aligned in `width` columns, never cut;
// with no decimals the value is rounded to an integer, halves to even. The binary value
// is rounded exactly (ties to even). Zero never shows a minus sign. NaN gives "NaN",
// infinities "Inf" and "-Inf" (right-aligned likewise); a huge finite value gives all its
// digits.
std::string FormatReal(double value, int width, int decimals);
// An integer right-aligned in `width` columns, never cut.
std::string FormatInt(long long value, int width);

}  // namespace console
