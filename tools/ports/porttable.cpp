#include "porttable.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

constexpr std::size_t columnCount = 6;
using Row = std::array<std::string, columnCount>;

std::string orDash(const std::string& text) {
    return text.empty() ? "-" : text;
}

Row rowOf(const RS232::Serial& port) {
    return {orDash(port.portName),     orDash(port.systemLocation), orDash(port.description),
            orDash(port.manufacturer), RS232::usbIdsText(port),     orDash(port.serialNumber)};
}

void printRow(std::ostream& out, const Row& row,
              const std::array<std::size_t, columnCount>& widths) {
    for (std::size_t column = 0; column < columnCount; ++column) {
        out << row[column];
        if (column + 1 < columnCount)
            out << std::string(widths[column] - row[column].size() + 2, ' ');
    }
    out << '\n';
}

} // namespace

void printPortTable(std::ostream& out, const std::vector<RS232::Serial>& ports) {
    std::vector<Row> rows{
        {"Port", "Location", "Description", "Manufacturer", "VID:PID", "Serial number"}};
    for (const RS232::Serial& port : ports)
        rows.push_back(rowOf(port));
    std::array<std::size_t, columnCount> widths{};
    for (const Row& row : rows) {
        for (std::size_t column = 0; column < columnCount; ++column)
            widths[column] = std::max(widths[column], row[column].size());
    }
    for (const Row& row : rows)
        printRow(out, row, widths);
}

void printPortLine(std::ostream& out, const char* change, const RS232::Serial& port) {
    out << change;
    for (const std::string& field : rowOf(port))
        out << "  " << field;
    out << '\n';
}
