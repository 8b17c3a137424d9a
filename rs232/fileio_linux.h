#pragma once

#include "rs232/platform.h"

// Reads and writes on a non-blocking descriptor that wait as the Windows time-outs say: a total
// time-out of multiplier times size plus constant (0 for none) and, for reads, an interval
// between two bytes. A read whose interval is maxDword with both totals 0 returns at once.
namespace RS232::fileio {

bool read(int file, char* buffer, std::uint32_t size, const CommTimeouts& timeouts,
          std::uint32_t& done);
bool write(int file, const char* buffer, std::uint32_t size, const CommTimeouts& timeouts,
           std::uint32_t& done);

} // namespace RS232::fileio
