// Enumeration through the real device setup interface and registry. A fresh Wine prefix lists
// COM1 in SERIALCOMM only, with no device of the Ports class behind it.
#include "check.h"
#include "rs232/serial.h"

#include <stdexcept>

int main() {
    Checks check;
    std::vector<RS232::Serial> ports;
    RS232::Serial::enumerate(ports);
    for (const RS232::Serial& port : ports)
        std::printf("found %s at %s: %s\n", port.portName.c_str(), port.systemLocation.c_str(),
                    port.description.c_str());

    try {
        const RS232::Serial com1 = RS232::Serial::find("COM1");
        check.equal(com1.systemLocation, "\\\\.\\COM1", "COM1's system location");
        check.equal(com1.description, "", "COM1's description");
        check.that(!com1.hasVendorIdentifier && !com1.hasProductIdentifier, "COM1 has no USB ids");
    } catch (const std::runtime_error& error) {
        check.that(false, std::string("COM1 is listed: ") + error.what());
    }

    bool sorted = true;
    for (std::size_t at = 1; at < ports.size(); ++at)
        sorted = sorted && ports[at - 1].portName < ports[at].portName;
    check.that(sorted, "ports sorted by name");

    try {
        RS232::Serial::find("com1");
        check.that(false, "find is case-sensitive");
    } catch (const std::runtime_error& error) {
        check.equal(error.what(), "Not found: com1", "find's message");
    }
    return check.summary();
}
