#pragma once

#include "rs232/serial.h"

#include <ostream>
#include <vector>

// Writes the ports as a table with a header row, one port per row, columns padded to their
// widest cell.
void printPortTable(std::ostream& out, const std::vector<RS232::Serial>& ports);

// Writes one port as a line: change (such as "+" or "-"), then the table's fields of the port,
// two spaces between them.
void printPortLine(std::ostream& out, const char* change, const RS232::Serial& port);
