#pragma once

#include "rs232/serial.h"

#include <ostream>
#include <vector>

// Writes the ports as a table with a header row, one port per row, columns padded to their
// widest cell.
void printPortTable(std::ostream& out, const std::vector<RS232::Serial>& ports);
