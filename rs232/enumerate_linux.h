#pragma once

#include "rs232/serial.h"

#include <string>
#include <vector>

namespace RS232 {

// The serial ports of the kernel's device tree under a sysfs root such as /sys, read straight
// from class/tty and the devices behind each tty. Replaces the contents of ports, sorted by port
// name. An attribute that cannot be read or is empty counts as absent.
void enumerateSysfs(const std::string& root, std::vector<Serial>& ports);

} // namespace RS232
