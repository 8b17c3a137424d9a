// Enumeration through the real device setup interface and registry: a fresh Wine prefix lists
// COM1 in SERIALCOMM only, with no device of the Ports class behind it.
#include "check.h"
#include "rs232/serial.h"

#include <stdexcept>

int main() {
    Checks check;
    try {
        const RS232::Serial com1 = RS232::Serial::find("COM1");
        check(com1.systemLocation == "\\\\.\\COM1", "COM1's system location");
        check(com1.description.empty() && !com1.hasVendorIdentifier, "COM1 has no device data");
    } catch (const std::runtime_error& error) {
        check(false, std::string("COM1 is listed: ") + error.what());
    }
    return check.summary();
}
