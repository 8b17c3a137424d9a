// Feeds the data to the four string conversions, as bytes and as little-endian 16-bit units.
// Safe conversions must not throw, strict ones throw only invalid_encoding_exception, both agree
// with the plain Codepoint algorithm, and strict UTF-16 to UTF-8 round trips.

#include "tests/utf/reference_conversion.h"
#include "utf/utf.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

void check_bytes(const std::string& bytes) {
    require(utf::s2ws_utf_safe(bytes) == reference::s2ws_utf(bytes, true));
    const auto units = reference::strict([&] { return utf::s2ws_utf(bytes); });
    require(units == reference::strict([&] { return reference::s2ws_utf(bytes, false); }));
    if (units)
        require(reference::strict([&] { return utf::ws2s_utf(*units); }).has_value());
}

void check_units(const std::wstring& units) {
    require(utf::ws2s_utf_safe(units) == reference::ws2s_utf(units, true));
    const auto bytes = reference::strict([&] { return utf::ws2s_utf(units); });
    require(bytes == reference::strict([&] { return reference::ws2s_utf(units, false); }));
    if (bytes)
        require(utf::s2ws_utf(*bytes) == units);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    check_bytes(std::string(reinterpret_cast<const char*>(data), size));
    std::wstring units;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        units += static_cast<wchar_t>(data[i] | data[i + 1] << 8);
    check_units(units);
    return 0;
}
