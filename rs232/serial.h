#pragma once

#include "rs232/handle.h"

#include <cstdint>
#include <string>
#include <vector>

namespace RS232 {

// A serial port of this machine: what enumeration found out about it, and its handle.
// Records are moved, never copied; a move passes the open handle on with the record.
class Serial {
public:
    Serial();
    Serial(std::string portName, std::string description);
    Serial(Serial&& other) noexcept;
    Serial& operator=(Serial&& other) noexcept;
    Serial(const Serial&) = delete;
    Serial& operator=(const Serial&) = delete;
    virtual ~Serial();

    // Replaces the contents of ports with the machine's serial ports, sorted by port name.
    static void enumerate(std::vector<Serial>& ports);
    // The port named exactly name; throws std::runtime_error "Not found: <name>" when none is.
    static Serial find(const std::string& name);

    // Opens the port named portName with the record's line settings and transfer mode; throws
    // std::runtime_error with a message that ends in the port name.
    void open();
    // Closes the port if it is open; never throws.
    void close() noexcept;
    // Sets whether reads wait for all bytes asked for and writes for all bytes to be sent; an
    // open port is reopened in the new mode.
    void blocking(bool mode);
    // One transfer of at most size bytes: the count transferred, or -22 when it failed.
    std::int32_t read(char* buffer, unsigned int size);
    std::int32_t write(const char* buffer, unsigned int size);
    // Waits until everything written has been transmitted.
    void flush();

    std::string portName;
    // The path the system opens the port under: \\.\COM3, /dev/ttyUSB0.
    std::string systemLocation;
    std::string description;
    std::string manufacturer;
    std::string serialNumber;
    bool hasVendorIdentifier = false;
    std::uint16_t vendorIdentifier = 0;
    bool hasProductIdentifier = false;
    std::uint16_t productIdentifier = 0;
    // Where a USB port sits, independent of its name and of the order of plugging: on Linux the
    // USB interface the port belongs to as the kernel names it (bus-port path:configuration.
    // interface, 1-1.2:1.0), so the two ports of a dual-port adapter differ; on Windows the
    // device's location path (PCIROOT(0)#PCI(1400)#USBROOT(0)#USB(2)); empty for other ports.
    std::string usbLocation;
    std::int32_t baudRate = 9600;
    std::uint8_t byteSize = 8;
    std::uint32_t stopBits = 0; // DCB numbering: 0 one, 1 one and a half, 2 two
    std::uint32_t parity = 0;   // DCB numbering: 0 none, 1 odd, 2 even, 3 mark, 4 space
    Handle handle = invalidHandle;
    bool isBlocking = false;

private:
    void requireOpen() const;
    void swapDescriptions(Serial& other) noexcept;
    void takeSettings(Serial& other) noexcept;
};

// The port's USB identifiers as VID:PID in upper-case hexadecimal, "----" for one not known:
// "10C4:EA60", "0403:----".
std::string usbIdsText(const Serial& port);

} // namespace RS232
