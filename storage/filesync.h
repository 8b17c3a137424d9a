#pragma once

namespace storage {

// Pushes what was written through the open file descriptor onto the disk; false when the system
// reports that it could not.
bool syncToDisk(int descriptor);

} // namespace storage
