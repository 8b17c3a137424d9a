#pragma once

#include "fakeplatform.h"

#include <string>
#include <utility>
#include <vector>

// Stands in for the machine's serial ports while it exists: enumeration finds exactly the given
// ports, each with its port name and device description. The platform in use before comes back
// afterwards.
class MachinePorts {
public:
    using Port = std::pair<std::string, std::string>;

    explicit MachinePorts(const std::vector<Port>& ports = {});
    ~MachinePorts();
    MachinePorts(const MachinePorts&) = delete;
    MachinePorts& operator=(const MachinePorts&) = delete;

private:
    RS232::test::FakePlatform fake;
    RS232::Platform* previous;
};
