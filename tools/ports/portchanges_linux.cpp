#include "portchanges.h"

#include "rs232/devicenodes_linux.h"

#include <poll.h>
#include <unistd.h>

namespace {

// Waits up to timeoutMs for the watch to report terminal nodes: true when it did.
bool nodesChangedWithin(RS232::DeviceNodeWatch& watch, int timeoutMs) {
    pollfd readable{watch.descriptor(), POLLIN, 0};
    return ::poll(&readable, 1, timeoutMs) > 0 && watch.terminalNodesChanged();
}

} // namespace

void waitForPortChange() {
    static RS232::DeviceNodeWatch watch("/dev");
    if (watch.descriptor() < 0) {
        ::sleep(2);
        return;
    }
    while (!nodesChangedWithin(watch, -1)) {
    }
    while (nodesChangedWithin(watch, 300)) {
    }
}
