// Feeds the data to the four string conversions, as bytes and as little-endian 16-bit units:
// safe conversions must not throw, strict ones throw only invalid_encoding_exception, both agree
// with the plain Codepoint algorithm, and strict results convert back.

#include "reference_conversion.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

// What a strict conversion returns, or nothing when it throws invalid_encoding_exception.
template <class Convert> auto strict(Convert convert) -> std::optional<decltype(convert())> {
    try {
        return convert();
    } catch (const utf::invalid_encoding_exception&) {
        return std::nullopt;
    }
}

bool libraryAgrees(const std::string& text) {
    const auto units = strict([&] { return utf::s2ws_utf(text); });
    return utf::s2ws_utf_safe(text) == reference::convert<std::wstring>(text, true) &&
           units == strict([&] { return reference::convert<std::wstring>(text, false); }) &&
           (!units || strict([&] { return utf::ws2s_utf(*units); }).has_value());
}

bool libraryAgrees(const std::wstring& text) {
    const auto bytes = strict([&] { return utf::ws2s_utf(text); });
    return utf::ws2s_utf_safe(text) == reference::convert<std::string>(text, true) &&
           bytes == strict([&] { return reference::convert<std::string>(text, false); }) &&
           (!bytes || utf::s2ws_utf(*bytes) == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::wstring units;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        units += static_cast<wchar_t>(data[i] | data[i + 1] << 8);
    if (!libraryAgrees(std::string(reinterpret_cast<const char*>(data), size)) ||
        !libraryAgrees(units))
        std::abort();
    return 0;
}
