#include "portchanges.h"
#include "porttable.h"

#include <cstring>
#include <iostream>

namespace {

void printUsage() {
    std::cout << "Usage: vexalo-ports [--watch]\n"
                 "Lists the serial ports of this machine as the editor finds them: port name,\n"
                 "location (the path the system opens the port under, such as /dev/ttyS0 or\n"
                 "\\\\.\\COM1), description, manufacturer, USB vendor and product identifiers\n"
                 "(---- when unknown) and serial number.\n"
                 "  --watch  then prints a line for each port that appears (+) or goes (-),\n"
                 "           with the same fields, until interrupted.\n";
}

bool samePort(const RS232::Serial& a, const RS232::Serial& b) {
    return a.portName == b.portName && a.systemLocation == b.systemLocation &&
           a.serialNumber == b.serialNumber && a.usbLocation == b.usbLocation;
}

// Prints, with change, each port of ports that others does not hold.
void printMissing(const char* change, const std::vector<RS232::Serial>& ports,
                  const std::vector<RS232::Serial>& others) {
    for (const RS232::Serial& port : ports) {
        bool found = false;
        for (const RS232::Serial& other : others)
            found |= samePort(port, other);
        if (!found)
            printPortLine(std::cout, change, port);
    }
}

[[noreturn]] void watch(std::vector<RS232::Serial> ports) {
    for (;;) {
        waitForPortChange();
        std::vector<RS232::Serial> now;
        RS232::Serial::enumerate(now);
        printMissing("-", ports, now);
        printMissing("+", now, ports);
        std::cout.flush();
        ports = std::move(now);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const bool watching = argc == 2 && std::strcmp(argv[1], "--watch") == 0;
    if (argc > 1 && !watching) {
        const bool help = std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0;
        printUsage();
        return help ? 0 : 2;
    }
    std::vector<RS232::Serial> ports;
    RS232::Serial::enumerate(ports);
    if (ports.empty())
        std::cout << "No serial ports found.\n";
    else
        printPortTable(std::cout, ports);
    if (watching)
        watch(std::move(ports));
    return 0;
}
