#pragma once

#include <cstdint>

namespace utf {

// The wide side is std::wstring holding UTF-16 code units on every platform. Where wchar_t is
// wider than 16 bits, only its low 16 bits are read and every unit written is at most 0xFFFF.
inline std::uint32_t wide_unit_value(wchar_t unit) {
    return static_cast<std::uint16_t>(unit);
}

} // namespace utf
