#pragma once

#include "model/networkportitem.h"
#include "rs232/serial.h"

#include <memory>
#include <vector>

// The ports of the network the editor makes as its default on a machine with these serial ports:
// each radio adapter, in the window's order, or the fallback direct port when there is none.
std::vector<std::unique_ptr<NetworkPortItem>>
defaultPorts(const std::vector<RS232::Serial>& serial);
