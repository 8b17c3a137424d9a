#pragma once

#include "rs232/platform.h"
#include "rs232/serial.h"

#include <vector>

namespace RS232 {

// The Windows way of finding the serial ports, over the device setup calls alone, so that it
// runs against a scripted platform on any machine: the device classes and interfaces that hold
// ports, then the ports only the SERIALCOMM registry key knows. Replaces the contents of ports,
// sorted by port name; a class that cannot be listed ends the list where it got, unsorted.
void enumerateDeviceSetup(DeviceSetup& system, std::vector<Serial>& ports);

} // namespace RS232
