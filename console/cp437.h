// Code page 437, the single-byte character set of the programs' texts, and its Unicode
// characters, for showing texts on a UTF-8 terminal and reading what is typed there.
#pragma once

#include <string>
#include <string_view>

namespace console {

// The bytes with every byte above 0x7F replaced by the UTF-8 form of its character.
std::string Cp437ToUtf8(std::string_view bytes);

// UTF-8 text as code page 437 bytes: a character the code page lacks, or a malformed
// sequence, becomes '?'.
std::string Utf8ToCp437(std::string_view text);

}  // namespace console
