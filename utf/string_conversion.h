#pragma once

#include <string>

namespace utf {

// UTF-8 to UTF-16. Throws invalid_encoding_exception for malformed input and for U+FFFD itself,
// the value that Codepoint::INVALID also stands for.
std::wstring s2ws_utf(const std::string& text);
// UTF-8 to UTF-16 with one U+FFFD for each malformed sequence; never throws on bad input.
std::wstring s2ws_utf_safe(const std::string& text);

// UTF-16 to UTF-8. Throws invalid_encoding_exception for unpaired surrogates and for U+FFFD.
std::string ws2s_utf(const std::wstring& text);
// UTF-16 to UTF-8 with U+FFFD for each unpaired surrogate, a high one taking the unit after it
// along; never throws on bad input.
std::string ws2s_utf_safe(const std::wstring& text);

} // namespace utf
