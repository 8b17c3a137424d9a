#pragma once

// UTF-8 / UTF-16 conversion one code point at a time, and whole strings strictly or with
// replacement characters. The wide side is std::wstring holding UTF-16 units on every platform,
// also where wchar_t is 32 bits wide (see wide_unit.h).

#include "utf/codepoint.h"
#include "utf/invalid_encoding_exception.h"
#include "utf/string_conversion.h"
