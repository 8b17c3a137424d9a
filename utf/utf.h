#pragma once

// UTF-8 / UTF-16 conversion one code point at a time, and whole strings strictly or with
// replacement characters.

#include "utf/codepoint.h"
#include "utf/invalid_encoding_exception.h"
#include "utf/string_conversion.h"
