#pragma once

#include <cstddef>

namespace utf {

// The string conversions take their input this many units at a time and resize their output one
// chunk at a time, so that the zero-filling done by resize() touches memory just before it is
// overwritten, while in cache.
constexpr std::size_t conversion_chunk_length = 16 * 1024;

} // namespace utf
