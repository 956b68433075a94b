// One key from a terminal without echo and without Enter.
#pragma once

namespace console {

// Puts the terminal on `fd` into non-canonical mode without echo for one key, reads it
// and restores the terminal, also when a signal (Ctrl-C, kill, Ctrl-Z) arrives while
// waiting. An Esc that starts a key's escape sequence (arrows, function keys) is not
// the Esc key: the whole sequence is read and gives 0. A UTF-8 character typed on a
// UTF-8 terminal gives its code page 437 byte ('?' when missing). EOF when the terminal
// is gone or its end-of-input key (Ctrl-D) is pressed.
int ReadTerminalKey(int fd, bool utf8);

}  // namespace console
