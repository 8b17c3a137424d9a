#pragma once

#include "utf/wide_unit.h"

#include <cstdint>
#include <functional>

namespace utf {

// A source stores the next unit in its argument and returns true, or returns false at the end.
using byte_source = std::function<bool(char&)>;
using wide_source = std::function<bool(wchar_t&)>;
// A sink accepts one unit per call. Lambdas match both sink types, so pass a byte_sink or a
// wide_sink to output().
using byte_sink = std::function<void(char)>;
using wide_sink = std::function<void(wchar_t)>;

// One code point, read from or written to UTF-8 bytes or UTF-16 units.
struct Codepoint {
    std::uint32_t value = 0;

    // U+FFFD: returned for an exhausted source and by the safe decoders for malformed input.
    static const Codepoint INVALID;

    // Decode one sequence; throw invalid_encoding_exception for malformed input and let
    // std::bad_function_call and the source's own exceptions through.
    static Codepoint input(byte_source source);
    static Codepoint input(wide_source source);
    // As input(), but return INVALID whatever goes wrong. Units already taken stay consumed.
    static Codepoint input_safe(byte_source source);
    static Codepoint input_safe(wide_source source);

    void output(byte_sink sink) const;
    // One unit, or a surrogate pair high unit first.
    void output(wide_sink sink) const;
};

inline bool operator==(Codepoint a, Codepoint b) {
    return a.value == b.value;
}
inline bool operator!=(Codepoint a, Codepoint b) {
    return a.value != b.value;
}

} // namespace utf
