#include "utf/codepoint.h"

#include "utf/encoding_rules.h"
#include "utf/invalid_encoding_exception.h"

namespace utf {

const Codepoint Codepoint::INVALID{rules::replacement};

namespace {

// An exhausted source yields INVALID; malformed input throws.
Codepoint checked(std::uint32_t decoded) {
    if (decoded == rules::no_input)
        return Codepoint::INVALID;
    if (decoded == rules::malformed)
        throw invalid_encoding_exception();
    return Codepoint{decoded};
}

template <class Source> Codepoint input_or_invalid(const Source& source) {
    try {
        return Codepoint::input(source);
    } catch (...) {
        return Codepoint::INVALID;
    }
}

} // namespace

Codepoint Codepoint::input(byte_source source) {
    return checked(rules::decode_utf8([&source](std::uint32_t& b) {
        char c;
        if (!source(c))
            return false;
        b = static_cast<unsigned char>(c);
        return true;
    }));
}

Codepoint Codepoint::input(wide_source source) {
    return checked(rules::decode_utf16([&source](std::uint32_t& u) {
        wchar_t c;
        if (!source(c))
            return false;
        u = wide_unit_value(c);
        return true;
    }));
}

Codepoint Codepoint::input_safe(byte_source source) {
    return input_or_invalid(source);
}

Codepoint Codepoint::input_safe(wide_source source) {
    return input_or_invalid(source);
}

void Codepoint::output(byte_sink sink) const {
    rules::encode_utf8(value, [&sink](std::uint32_t b) { sink(static_cast<char>(b)); });
}

void Codepoint::output(wide_sink sink) const {
    rules::encode_utf16(value, [&sink](std::uint32_t u) { sink(static_cast<wchar_t>(u)); });
}

} // namespace utf
