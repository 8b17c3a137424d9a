#include "rs232/platform.h"

#include <cstring>

namespace RS232 {

namespace {
Platform* installed = nullptr;
}

bool operator==(const Guid& a, const Guid& b) {
    return a.data1 == b.data1 && a.data2 == b.data2 && a.data3 == b.data3 &&
           std::memcmp(a.data4, b.data4, sizeof a.data4) == 0;
}

Platform* installedPlatform() {
    return installed;
}

PortFiles& portFiles() {
    return installed ? *installed : systemPortFiles();
}

void installPlatform(Platform* backend) {
    installed = backend;
}

} // namespace RS232
