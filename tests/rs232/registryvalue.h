#pragma once

#include <cstdint>
#include <string>

// Registry values and device properties as the fake platform keeps them, and the answers the
// Windows calls give about them, buffer-size answers included.
namespace RS232 {

struct RegistryValue {
    std::uint32_t type;
    std::string data; // the raw bytes, a string's terminating NUL included
};

RegistryValue stringValue(const std::string& text);
RegistryValue dwordValue(std::uint32_t number);

// RegQueryValueExA's answer: copies value into buffer when size bytes hold it, else
// errorMoreData; size becomes the value's size either way.
long answerQuery(const RegistryValue& value, std::uint32_t& type, char* buffer,
                 std::uint32_t& size);

// SetupDiGetDeviceRegistryPropertyA's answer: true when the value fit into size bytes; otherwise
// error is errorInsufficientBuffer. type and requiredSize are reported either way.
bool answerProperty(const RegistryValue& value, std::uint32_t& type, char* buffer,
                    std::uint32_t size, std::uint32_t& requiredSize, std::uint32_t& error);

// Stores text with its terminating NUL into a buffer of length bytes when it fits.
bool copyString(const std::string& text, char* buffer, std::uint32_t length);

} // namespace RS232
