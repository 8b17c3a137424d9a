#include "storage/filesync.h"

#include <unistd.h>

namespace storage {

bool syncToDisk(int descriptor) {
    return descriptor >= 0 && ::fsync(descriptor) == 0;
}

} // namespace storage
