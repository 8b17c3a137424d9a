#include "rs232/platform.h"
#include "rs232/serial.h"

#include <stdexcept>

// The record as the handle of its port.
namespace RS232 {

namespace {

constexpr std::int32_t transferFailed = -22;

// Blocking transfers wait as long as they need. Otherwise a read returns at once with what has
// arrived, and a write may take about as long as 20 characters need on the line.
CommTimeouts commTimeouts(bool blocking, std::int32_t baudRate) {
    CommTimeouts timeouts{};
    if (!blocking) {
        timeouts.readIntervalTimeout = maxDword;
        timeouts.writeTotalTimeoutConstant = static_cast<std::uint32_t>(20000 / baudRate);
    }
    return timeouts;
}

[[noreturn]] void closeAndThrow(PortFiles& system, Handle file, const std::string& message) {
    system.closeHandle(file);
    throw std::runtime_error(message);
}

} // namespace

void Serial::open() {
    if (handle != invalidHandle)
        throw std::runtime_error("Already open: " + portName);
    PortFiles& system = portFiles();
    const Handle file = system.createFile("\\\\.\\" + portName);
    if (file == invalidHandle)
        throw std::runtime_error("Unable to open file: " + portName);
    CommState state{};
    if (!system.getCommState(file, state))
        closeAndThrow(system, file, "Unable to get COMM state: " + portName);
    state.baudRate = static_cast<std::uint32_t>(baudRate);
    state.byteSize = byteSize;
    state.parity = static_cast<std::uint8_t>(parity & 0xFF);
    state.stopBits = static_cast<std::uint8_t>(stopBits & 0xFF);
    if (!system.setCommState(file, state))
        closeAndThrow(system, file, "Unable to set COMM state: " + portName);
    system.setupComm(file, 256, 256);
    system.purgeComm(file, purgeTxAbort | purgeRxAbort | purgeTxClear | purgeRxClear);
    if (!system.setCommTimeouts(file, commTimeouts(isBlocking, baudRate)))
        closeAndThrow(system, file, "Unable to set COMM state: " + portName);
    handle = file;
}

void Serial::close() noexcept {
    if (handle == invalidHandle)
        return;
    portFiles().closeHandle(handle);
    handle = invalidHandle;
}

void Serial::blocking(bool mode) {
    if (mode == isBlocking)
        return;
    isBlocking = mode;
    if (handle == invalidHandle)
        return;
    close();
    open();
}

std::int32_t Serial::read(char* buffer, unsigned int size) {
    requireOpen();
    std::uint32_t done = 0;
    if (!portFiles().readFile(handle, buffer, size, done))
        return transferFailed;
    return static_cast<std::int32_t>(done);
}

std::int32_t Serial::write(const char* buffer, unsigned int size) {
    requireOpen();
    std::uint32_t done = 0;
    if (!portFiles().writeFile(handle, buffer, size, done))
        return transferFailed;
    return static_cast<std::int32_t>(done);
}

void Serial::flush() {
    requireOpen();
    portFiles().flushFileBuffers(handle);
}

void Serial::requireOpen() const {
    if (handle == invalidHandle)
        throw std::runtime_error("Serial port is not open: " + portName);
}

} // namespace RS232
