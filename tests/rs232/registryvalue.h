#pragma once

#include "rs232/platform.h"

#include <cstdint>
#include <cstring>
#include <string>

// Registry values and device properties as the fake platform keeps them, and the answers the
// Windows calls give about them, buffer-size answers included.
namespace RS232 {

struct RegistryValue {
    std::uint32_t type;
    std::string data; // the raw bytes, a string's terminating NUL included
};

inline RegistryValue stringValue(const std::string& text) {
    return {regSz, std::string(text.c_str(), text.size() + 1)};
}

inline RegistryValue dwordValue(std::uint32_t number) {
    std::string bytes(sizeof number, '\0');
    std::memcpy(&bytes[0], &number, sizeof number);
    return {regDword, bytes};
}

// RegQueryValueExA's answer: copies value into buffer when size bytes hold it, else
// errorMoreData; size becomes the value's size either way.
inline long answerQuery(const RegistryValue& value, std::uint32_t& type, char* buffer,
                        std::uint32_t& size) {
    const auto needed = static_cast<std::uint32_t>(value.data.size());
    const bool fits = needed <= size;
    size = needed;
    type = value.type;
    if (fits)
        std::memcpy(buffer, value.data.data(), needed);
    return fits ? errorSuccess : errorMoreData;
}

// SetupDiGetDeviceRegistryPropertyA's answer: true when the value fit into size bytes; otherwise
// error is errorInsufficientBuffer. type and requiredSize are reported either way.
inline bool answerProperty(const RegistryValue& value, std::uint32_t& type, char* buffer,
                           std::uint32_t size, std::uint32_t& requiredSize, std::uint32_t& error) {
    requiredSize = size;
    if (answerQuery(value, type, buffer, requiredSize) == errorSuccess)
        return true;
    error = errorInsufficientBuffer;
    return false;
}

// Stores text with its terminating NUL into a buffer of length bytes when it fits.
inline bool copyString(const std::string& text, char* buffer, std::uint32_t length) {
    const bool fits = text.size() + 1 <= length;
    if (fits)
        std::memcpy(buffer, text.c_str(), text.size() + 1);
    return fits;
}

} // namespace RS232
