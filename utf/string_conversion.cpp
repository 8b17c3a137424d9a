#include "utf/string_conversion.h"

#include "utf/conversion_chunk.h"
#include "utf/encoding_rules.h"
#include "utf/invalid_encoding_exception.h"
#include "utf/wide_unit.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

// The conversions apply the same rules as Codepoint::input and output, with the same results and
// exceptions, but read and write the strings directly instead of through a std::function and a
// stream per unit.

namespace utf {
namespace {

enum class Mode { strict, safe };

// A sequence starting inside a chunk may run this many input units past its end.
constexpr std::size_t chunk_overrun = 3;

std::uint32_t unit_value(unsigned char byte) {
    return byte;
}
std::uint32_t unit_value(wchar_t unit) {
    return wide_unit_value(unit);
}

template <class In> struct Reader {
    const In* next;
    const In* end;

    bool operator()(std::uint32_t& unit) {
        if (next == end)
            return false;
        unit = unit_value(*next++);
        return true;
    }
};

template <class Out> struct Writer {
    Out* next;

    void operator()(std::uint32_t unit) { *next++ = static_cast<Out>(unit); }
};

// Malformed input becomes U+FFFD or an error; the strict mode rejects a decoded U+FFFD as well,
// since it cannot be told from Codepoint::INVALID.
template <Mode mode> std::uint32_t accepted(std::uint32_t decoded) {
    if (decoded == rules::malformed) {
        if (mode == Mode::strict)
            throw invalid_encoding_exception();
        return rules::replacement;
    }
    if (mode == Mode::strict && decoded == rules::replacement)
        throw invalid_encoding_exception();
    return decoded;
}

// ASCII is the same unit on both sides; runs of it are copied a block at a time. The block goes
// through a local array because the output may alias the input as far as the compiler knows,
// which would keep it from copying with vector instructions.
template <class In, class Out> void copy_ascii(Reader<In>& in, Writer<Out>& out) {
    constexpr std::ptrdiff_t block = 16;
    const In* next = in.next;
    Out* written = out.next;
    while (in.end - next >= block) {
        std::uint32_t bits = 0;
        Out units[block];
        for (std::ptrdiff_t i = 0; i < block; ++i) {
            bits |= unit_value(next[i]);
            units[i] = static_cast<Out>(unit_value(next[i]));
        }
        if (bits >= 0x80)
            break;
        std::memcpy(written, units, sizeof units);
        next += block;
        written += block;
    }
    while (next != in.end && unit_value(*next) < 0x80)
        *written++ = static_cast<Out>(unit_value(*next++));
    in.next = next;
    out.next = written;
}

// Reads without bounds checks, where a whole sequence of the longest kind is left.
template <class In> struct UncheckedReader {
    const In* next;

    bool operator()(std::uint32_t& unit) {
        unit = unit_value(*next++);
        return true;
    }
};

template <Mode mode, class Read> void transcode(Read& in, Writer<wchar_t>& out) {
    rules::encode_utf16(accepted<mode>(rules::decode_utf8(in)), out);
}

template <Mode mode, class Read> void transcode(Read& in, Writer<char>& out) {
    rules::encode_utf8(accepted<mode>(rules::decode_utf16(in)), out);
}

// The longest sequence in input units: four bytes or a surrogate pair.
template <class In> constexpr std::ptrdiff_t longest_sequence = sizeof(In) == 1 ? 4 : 2;

template <Mode mode, class In, class Out> void convert_sequence(Reader<In>& in, Writer<Out>& out) {
    if (in.end - in.next < longest_sequence<In>) {
        transcode<mode>(in, out);
        return;
    }
    UncheckedReader<In> unchecked{in.next};
    transcode<mode>(unchecked, out);
    in.next = unchecked.next;
}

// growth: the most output units one input unit can yield.
template <Mode mode, class OutString, class In>
OutString convert(const In* begin, const In* end, std::size_t growth) {
    using Out = typename OutString::value_type;
    OutString result;
    result.reserve((static_cast<std::size_t>(end - begin) + chunk_overrun) * growth);
    Reader<In> in{begin, end};
    std::size_t length = 0;
    while (in.next != end) {
        const auto chunk =
            std::min<std::size_t>(conversion_chunk_length, static_cast<std::size_t>(end - in.next));
        const In* chunk_end = in.next + chunk;
        result.resize(length + (chunk + chunk_overrun) * growth);
        Writer<Out> out{&result[length]};
        while (in.next < chunk_end) {
            if (unit_value(*in.next) >= 0x80) {
                convert_sequence<mode>(in, out);
                continue;
            }
            Reader<In> run{in.next, chunk_end};
            copy_ascii(run, out);
            in.next = run.next;
        }
        length = static_cast<std::size_t>(out.next - result.data());
    }
    result.resize(length);
    return result;
}

template <Mode mode> std::wstring utf8_to_utf16(const std::string& text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    // Every byte yields at most one unit.
    return convert<mode, std::wstring>(bytes, bytes + text.size(), 1);
}

template <Mode mode> std::string utf16_to_utf8(const std::wstring& text) {
    // A unit yields at most three bytes, a surrogate pair four.
    return convert<mode, std::string>(text.data(), text.data() + text.size(), 3);
}

} // namespace

std::wstring s2ws_utf(const std::string& text) {
    return utf8_to_utf16<Mode::strict>(text);
}

std::wstring s2ws_utf_safe(const std::string& text) {
    return utf8_to_utf16<Mode::safe>(text);
}

std::string ws2s_utf(const std::wstring& text) {
    return utf16_to_utf8<Mode::strict>(text);
}

std::string ws2s_utf_safe(const std::wstring& text) {
    return utf16_to_utf8<Mode::safe>(text);
}

} // namespace utf
