#include "registryvalue.h"

#include "rs232/platform.h"

#include <cstring>

namespace RS232 {

RegistryValue stringValue(const std::string& text) {
    return {regSz, std::string(text.c_str(), text.size() + 1)};
}

RegistryValue dwordValue(std::uint32_t number) {
    std::string bytes(sizeof number, '\0');
    std::memcpy(&bytes[0], &number, sizeof number);
    return {regDword, bytes};
}

long answerQuery(const RegistryValue& value, std::uint32_t& type, char* buffer,
                 std::uint32_t& size) {
    const auto needed = static_cast<std::uint32_t>(value.data.size());
    const bool fits = needed <= size;
    size = needed;
    type = value.type;
    if (!fits)
        return errorMoreData;
    std::memcpy(buffer, value.data.data(), needed);
    return errorSuccess;
}

bool answerProperty(const RegistryValue& value, std::uint32_t& type, char* buffer,
                    std::uint32_t size, std::uint32_t& requiredSize, std::uint32_t& error) {
    requiredSize = static_cast<std::uint32_t>(value.data.size());
    type = value.type;
    if (requiredSize > size) {
        error = errorInsufficientBuffer;
        return false;
    }
    std::memcpy(buffer, value.data.data(), requiredSize);
    return true;
}

bool copyString(const std::string& text, char* buffer, std::uint32_t length) {
    if (text.size() + 1 > length)
        return false;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return true;
}

} // namespace RS232
