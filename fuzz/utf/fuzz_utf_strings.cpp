// Feeds the data to the four string conversions, as bytes and as little-endian 16-bit units:
// safe conversions must not throw, strict ones throw only invalid_encoding_exception, both agree
// with the plain Codepoint algorithm, and strict results convert back.

#include "tests/utf/reference_conversion.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::wstring units;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        units += static_cast<wchar_t>(data[i] | data[i + 1] << 8);
    if (!reference::library_agrees(std::string(reinterpret_cast<const char*>(data), size)) ||
        !reference::library_agrees(units))
        std::abort();
    return 0;
}
