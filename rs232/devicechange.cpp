#include "rs232/devicechange.h"

#include "rs232/platform.h"

#include <cstring>

namespace RS232 {

namespace {

// DEV_BROADCAST_DEVICEINTERFACE up to its GUID: three 32-bit words, then the GUID's fields.
constexpr std::size_t headerSize = 3 * sizeof(std::uint32_t);
constexpr std::size_t sizeWithGuid = headerSize + 16;

std::uint32_t wordAt(const unsigned char* bytes, std::size_t offset) {
    std::uint32_t word;
    std::memcpy(&word, bytes + offset, sizeof word);
    return word;
}

Guid guidAt(const unsigned char* bytes) {
    Guid guid;
    std::memcpy(&guid.data1, bytes, 4);
    std::memcpy(&guid.data2, bytes + 4, 2);
    std::memcpy(&guid.data3, bytes + 6, 2);
    std::memcpy(guid.data4, bytes + 8, 8);
    return guid;
}

bool isComPortInterface(const void* broadcast) {
    const auto* bytes = static_cast<const unsigned char*>(broadcast);
    return bytes != nullptr && wordAt(bytes, 0) >= sizeWithGuid &&
           wordAt(bytes, 4) == dbtDevtypDeviceInterface &&
           guidAt(bytes + headerSize) == guidDevinterfaceComport;
}

} // namespace

PortChange portChangeOf(std::uint32_t message, std::uintptr_t wParam, const void* lParam) {
    if (message != wmDeviceChange ||
        (wParam != dbtDeviceArrival && wParam != dbtDeviceRemoveComplete) ||
        !isComPortInterface(lParam))
        return PortChange::none;
    return wParam == dbtDeviceArrival ? PortChange::arrival : PortChange::removal;
}

bool isPortNotice(std::string_view eventType, const void* messageWindow, const void* window,
                  std::uint32_t message, std::uintptr_t wParam, const void* lParam) {
    return eventType == "windows_generic_MSG" && messageWindow == window &&
           portChangeOf(message, wParam, lParam) != PortChange::none;
}

} // namespace RS232
