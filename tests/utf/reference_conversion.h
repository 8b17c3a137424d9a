#pragma once

// The four string conversions written plainly on top of Codepoint, one std::function call and
// one stream write per unit: the oracle for the direct conversions of the library.

#include "utf/invalid_encoding_exception.h"

#include <optional>
#include <string>

namespace reference {

std::wstring s2ws_utf(const std::string& text, bool safe);
std::string ws2s_utf(const std::wstring& text, bool safe);

// What a strict conversion returns, or nothing when it throws invalid_encoding_exception.
template <class Convert> auto strict(Convert convert) -> std::optional<decltype(convert())> {
    try {
        return convert();
    } catch (const utf::invalid_encoding_exception&) {
        return std::nullopt;
    }
}

// Whether the library's strict and safe conversions of text give what the oracle gives,
// exceptions included, and a strict result converts back strictly: to text itself from UTF-16.
bool library_agrees(const std::string& text);
bool library_agrees(const std::wstring& text);

} // namespace reference
