#include "storage/filesync.h"

#include <io.h>

namespace storage {

bool syncToDisk(int descriptor) {
    return descriptor >= 0 && ::_commit(descriptor) == 0;
}

} // namespace storage
