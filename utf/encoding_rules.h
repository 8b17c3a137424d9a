#pragma once

// The decoding and encoding rules of one code point, written once over any unit reader or writer
// so that the std::function interface of Codepoint and the direct string conversions share them.
// Readers are callables bool(std::uint32_t&) that yield the next unit as an unsigned value (bytes
// 0..0xFF, wide units 0..0xFFFF); writers are callables void(std::uint32_t) taking one unit.

#include <cstdint>

namespace utf::rules {

// Decoder results outside every value a sequence can carry (at most 0x1FFFFF).
constexpr std::uint32_t no_input = 0xFFFFFFFF;
constexpr std::uint32_t malformed = 0xFFFFFFFE;

constexpr std::uint32_t replacement = 0xFFFD;

// Decodes one UTF-8 sequence. Overlong forms, surrogate values and values up to 0x1FFFFF are let
// through; a continuation byte that fails its test has been consumed.
template <class ReadByte> std::uint32_t decode_utf8(ReadByte&& read) {
    std::uint32_t b0;
    if (!read(b0))
        return no_input;
    if (b0 < 0x80)
        return b0;
    int continuations;
    std::uint32_t value;
    if ((b0 & 0xE0) == 0xC0) {
        continuations = 1;
        value = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        continuations = 2;
        value = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        continuations = 3;
        value = b0 & 0x07;
    } else {
        return malformed;
    }
    for (; continuations > 0; --continuations) {
        std::uint32_t b;
        if (!read(b) || (b & 0xC0) != 0x80)
            return malformed;
        value = (value << 6) | (b & 0x3F);
    }
    return value;
}

// Decodes one UTF-16 unit or surrogate pair; a second unit that is not a low surrogate has been
// consumed.
template <class ReadUnit> std::uint32_t decode_utf16(ReadUnit&& read) {
    std::uint32_t u;
    if (!read(u))
        return no_input;
    if ((u & 0xFC00) == 0xD800) {
        std::uint32_t u2;
        if (!read(u2) || (u2 & 0xFC00) != 0xDC00)
            return malformed;
        return (((u & 0x3FF) << 10) | (u2 & 0x3FF)) + 0x10000;
    }
    if ((u & 0xFC00) == 0xDC00)
        return malformed;
    return u;
}

// Values above 0x1FFFFF have no sequence and are written as U+FFFD.
template <class WriteByte> void encode_utf8(std::uint32_t v, WriteByte&& write) {
    if (v <= 0x7F) {
        write(v);
    } else if (v <= 0x7FF) {
        write(0xC0 | (v >> 6));
        write(0x80 | (v & 0x3F));
    } else if (v <= 0xFFFF) {
        write(0xE0 | (v >> 12));
        write(0x80 | ((v >> 6) & 0x3F));
        write(0x80 | (v & 0x3F));
    } else if (v <= 0x1FFFFF) {
        write(0xF0 | (v >> 18));
        write(0x80 | ((v >> 12) & 0x3F));
        write(0x80 | ((v >> 6) & 0x3F));
        write(0x80 | (v & 0x3F));
    } else {
        encode_utf8(replacement, write);
    }
}

// Surrogate values and values above 0x10FFFF are written as a pair too: the subtraction wraps and
// the masks keep ten bits each, so every value yields two well-formed surrogates.
template <class WriteUnit> void encode_utf16(std::uint32_t v, WriteUnit&& write) {
    if (v <= 0xFFFF && (v & 0xF800) != 0xD800) {
        write(v);
        return;
    }
    const std::uint32_t w = v - 0x10000;
    write(0xD800 | ((w >> 10) & 0x3FF));
    write(0xDC00 | (w & 0x3FF));
}

} // namespace utf::rules
