#pragma once

// The string conversions written plainly on top of Codepoint, one std::function call and one
// stream write per unit: the oracle the fuzz target compares the library's direct conversions
// with. A strict conversion throws invalid_encoding_exception.

#include "utf/utf.h"

#include <functional>
#include <sstream>

namespace reference {

template <class Out, class In> Out convert(const In& text, bool safe) {
    std::basic_ostringstream<typename Out::value_type> out;
    std::size_t next = 0;
    const std::function<bool(typename In::value_type&)> source = [&](auto& unit) {
        if (next == text.size())
            return false;
        unit = text[next++];
        return true;
    };
    const std::function<void(typename Out::value_type)> sink = [&out](auto unit) { out.put(unit); };
    while (next < text.size()) {
        const auto codepoint =
            safe ? utf::Codepoint::input_safe(source) : utf::Codepoint::input(source);
        if (!safe && codepoint == utf::Codepoint::INVALID)
            throw utf::invalid_encoding_exception();
        codepoint.output(sink);
    }
    return out.str();
}

} // namespace reference
