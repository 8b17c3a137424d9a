#pragma once

#include "rs232/platform.h"

#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

namespace RS232 {

// A serial port as the kernel shows it under class/tty.
struct TtyPort {
    std::string name;         // the device node's name, ttyUSB0
    std::string description;  // interface or product string, then the driver in parentheses
    std::string manufacturer; // the USB manufacturer string
    DevNode node;             // the device that carries the port's identifiers
};

// The kernel's device tree under a sysfs root, seen as device nodes with Windows-style instance
// identifiers, so that the identifier rules of the Windows device tree apply unchanged.
class SysfsTree {
public:
    explicit SysfsTree(std::filesystem::path root);

    // The ttys that have a real device behind them, by name. Nodes stay valid across scans.
    std::vector<TtyPort> ports();
    std::vector<std::string> portNames() const;

    bool exists(DevNode node) const;
    // The node's instance identifier, or an empty string for an unknown node.
    std::string instanceIdentifier(DevNode node) const;
    // The parent device, or 0 at the top of the tree.
    DevNode parent(DevNode node);

private:
    DevNode nodeOf(const std::filesystem::path& device);
    bool isPort(const std::filesystem::path& tty) const;
    TtyPort port(const std::string& name, const std::filesystem::path& device);

    std::filesystem::path root;
    std::filesystem::path devicesRoot;          // canonical, as of the last scan
    std::vector<std::filesystem::path> devices; // node n is devices[n - 1]
    std::unordered_map<std::string, DevNode> nodes;
};

} // namespace RS232
