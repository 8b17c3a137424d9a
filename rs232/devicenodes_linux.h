#pragma once

#include <string>

namespace RS232 {

// Watches a folder of device nodes (/dev) for terminal nodes being created or removed, which is
// how a serial port comes and goes whether or not udev runs. The kernel fills in sysfs before it
// announces the node, so a port is complete in sysfs by the time its node is seen.
class DeviceNodeWatch {
public:
    explicit DeviceNodeWatch(const std::string& folder);
    ~DeviceNodeWatch();
    DeviceNodeWatch(const DeviceNodeWatch&) = delete;
    DeviceNodeWatch& operator=(const DeviceNodeWatch&) = delete;

    // A non-blocking descriptor that becomes readable when something changed in the folder, or -1
    // when the watch could not be set up.
    int descriptor() const { return watch; }

    // Reads every pending event without waiting: true when one of them is a tty node created,
    // removed or moved.
    bool terminalNodesChanged();

private:
    int watch = -1;
};

} // namespace RS232
