#include "porttable.h"

#include <cstring>
#include <iostream>

namespace {

void printUsage() {
    std::cout << "Usage: vexalo-ports\n"
                 "Lists the serial ports of this machine as the editor finds them: port name,\n"
                 "location (the path the system opens the port under, such as /dev/ttyS0 or\n"
                 "\\\\.\\COM1), description, manufacturer, USB vendor and product identifiers\n"
                 "(---- when unknown) and serial number.\n";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1) {
        const bool help = std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0;
        printUsage();
        return help ? 0 : 2;
    }
    std::vector<RS232::Serial> ports;
    RS232::Serial::enumerate(ports);
    if (ports.empty()) {
        std::cout << "No serial ports found.\n";
        return 0;
    }
    printPortTable(std::cout, ports);
    return 0;
}
