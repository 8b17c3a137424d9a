#include "rs232/serial.h"

#include <cstdio>
#include <stdexcept>
#include <utility>

namespace RS232 {

Serial::Serial() = default;

Serial::Serial(std::string portName, std::string description)
    : portName(std::move(portName)), description(std::move(description)) {}

Serial::Serial(Serial&& other) noexcept {
    swapDescriptions(other);
    takeSettings(other);
}

Serial& Serial::operator=(Serial&& other) noexcept {
    if (this != &other) {
        close();
        swapDescriptions(other);
        takeSettings(other);
    }
    return *this;
}

Serial::~Serial() {
    close();
}

Serial Serial::find(const std::string& name) {
    std::vector<Serial> ports;
    enumerate(ports);
    for (Serial& port : ports) {
        if (port.portName == name)
            return std::move(port);
    }
    throw std::runtime_error("Not found: " + name);
}

void Serial::swapDescriptions(Serial& other) noexcept {
    portName.swap(other.portName);
    systemLocation.swap(other.systemLocation);
    description.swap(other.description);
    manufacturer.swap(other.manufacturer);
    serialNumber.swap(other.serialNumber);
    std::swap(hasVendorIdentifier, other.hasVendorIdentifier);
    std::swap(vendorIdentifier, other.vendorIdentifier);
    std::swap(hasProductIdentifier, other.hasProductIdentifier);
    std::swap(productIdentifier, other.productIdentifier);
    usbLocation.swap(other.usbLocation);
}

// The line settings, the handle and its mode go to this record; other is left closed with the
// default settings.
void Serial::takeSettings(Serial& other) noexcept {
    baudRate = std::exchange(other.baudRate, 9600);
    byteSize = std::exchange(other.byteSize, 8);
    stopBits = std::exchange(other.stopBits, 0);
    parity = std::exchange(other.parity, 0);
    handle = std::exchange(other.handle, invalidHandle);
    isBlocking = std::exchange(other.isBlocking, false);
}

namespace {

std::string hex4(bool found, std::uint16_t value) {
    if (!found)
        return "----";
    char text[5];
    std::snprintf(text, sizeof text, "%04X", value);
    return text;
}

} // namespace

std::string usbIdsText(const Serial& port) {
    return hex4(port.hasVendorIdentifier, port.vendorIdentifier) + ':' +
           hex4(port.hasProductIdentifier, port.productIdentifier);
}

} // namespace RS232
