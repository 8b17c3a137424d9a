#pragma once

#include "rs232/platform.h"

#include <termios.h>

// A device control block in a terminal's settings, and back.
namespace RS232::termiosmap {

// The block as far as termios holds it: speed, character size, parity, stop bits and hardware
// flow control. Software flow control is left out: every tty starts with IXON as a terminal
// default, which on a binary line would swallow XON and XOFF bytes and stall the output.
CommState commStateOf(const termios& settings);

// Puts the block into settings of a raw, binary line; false when termios cannot express it (a
// rate without a termios speed, an unknown parity or stop-bit code, fewer than 5 or more than
// 8 data bits).
bool applyCommState(const CommState& state, termios& settings);

} // namespace RS232::termiosmap
