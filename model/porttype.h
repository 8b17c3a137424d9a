#pragma once

// The kinds of port, apart from the rows, so that the network's rules and the files need no
// widgets.
struct PortType {
    // A fixed underlying type keeps any other value well-defined: files write such a port's
    // type as "???".
    enum port_type_t : int { ignored = 0, direct = 1, lrr = 2 };
};
