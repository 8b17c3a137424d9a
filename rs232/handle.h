#pragma once

#include <cstdint>

namespace RS232 {

// A system handle as the platform layer hands it out: a Windows HANDLE or HKEY converted to an
// integer, a POSIX file descriptor, or a token of a backend of our own. It refers to nothing when
// it equals invalidHandle, which is INVALID_HANDLE_VALUE on Windows and -1 as a descriptor.
using Handle = std::intptr_t;
constexpr Handle invalidHandle = -1;

} // namespace RS232
