#include "tests/utf/reference_conversion.h"

#include "utf/utf.h"

#include <functional>
#include <sstream>

namespace reference {
namespace {

template <class Out, class In> Out convert(const In& text, bool safe) {
    using InUnit = typename In::value_type;
    using OutUnit = typename Out::value_type;
    std::basic_ostringstream<OutUnit> out;
    std::size_t next = 0;
    const std::function<bool(InUnit&)> source = [&](InUnit& unit) {
        if (next == text.size())
            return false;
        unit = text[next++];
        return true;
    };
    const std::function<void(OutUnit)> sink = [&out](OutUnit unit) { out.put(unit); };
    while (next < text.size()) {
        const auto codepoint =
            safe ? utf::Codepoint::input_safe(source) : utf::Codepoint::input(source);
        if (!safe && codepoint == utf::Codepoint::INVALID)
            throw utf::invalid_encoding_exception();
        codepoint.output(sink);
    }
    return out.str();
}

} // namespace

std::wstring s2ws_utf(const std::string& text, bool safe) {
    return convert<std::wstring>(text, safe);
}

std::string ws2s_utf(const std::wstring& text, bool safe) {
    return convert<std::string>(text, safe);
}

bool library_agrees(const std::string& text) {
    const auto units = strict([&] { return utf::s2ws_utf(text); });
    return utf::s2ws_utf_safe(text) == s2ws_utf(text, true) &&
           units == strict([&] { return s2ws_utf(text, false); }) &&
           (!units || strict([&] { return utf::ws2s_utf(*units); }).has_value());
}

bool library_agrees(const std::wstring& text) {
    const auto bytes = strict([&] { return utf::ws2s_utf(text); });
    return utf::ws2s_utf_safe(text) == ws2s_utf(text, true) &&
           bytes == strict([&] { return ws2s_utf(text, false); }) &&
           (!bytes || utf::s2ws_utf(*bytes) == text);
}

} // namespace reference
