#pragma once

#include "rs232/platform.h"

#include <deque>
#include <filesystem>
#include <optional>
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
// identifiers, so that the identifier rules of the Windows device tree apply unchanged. Each
// sysfs entry is read at most once per scan: what a device is and says is kept until the next.
class SysfsTree {
public:
    explicit SysfsTree(const std::filesystem::path& root);

    // Scans afresh: the ttys that have a real device behind them, by name. Nodes stay valid
    // across scans.
    std::vector<TtyPort> ports();
    // The names of the last scan's ports; scans when there has been none.
    std::vector<std::string> portNames();

    bool exists(DevNode node) const;
    // The node's instance identifier, or an empty string for an unknown node.
    std::string instanceIdentifier(DevNode node);
    // The parent device, or 0 at the top of the tree.
    DevNode parent(DevNode node);

private:
    enum class Kind { usbDevice, usbInterface, other };

    // What one scan learnt of a device; each field is read when first needed.
    struct Facts {
        std::optional<std::string> bus; // the subsystem's name, empty for none
        std::optional<std::string> identifier;
        std::optional<std::string> hardwareIdentifier; // USB\VID_xxxx&PID_xxxx
        std::optional<std::string> label;              // product or interface string
        std::optional<std::string> manufacturer;       // of a USB device
    };

    struct Device {
        std::string path;
        std::optional<DevNode> parent;
        unsigned scan = 0; // the scan facts belong to
        Facts facts;
    };

    DevNode nodeOf(const std::string& path);
    Device& device(DevNode node);
    Facts& facts(DevNode node);
    const std::string& bus(DevNode node);
    Kind kind(DevNode node);
    const std::string& label(DevNode node);
    const std::string& manufacturer(DevNode node);
    std::string identifier(DevNode node);
    std::string usbHardwareIdentifier(DevNode node);
    std::string attribute(DevNode node, const char* name);
    std::string madeUpInstance(DevNode node);

    std::optional<std::string> portDevice(const std::string& tty) const;
    DevNode hardwareDevice(DevNode node);
    DevNode identifyingDevice(DevNode node);
    std::string deviceName(DevNode node);
    std::string usbManufacturer(DevNode node);
    TtyPort port(const std::string& name, DevNode device);

    std::string root;
    std::string devicesRoot;
    unsigned scan = 0;
    std::optional<std::vector<std::string>> scannedNames;
    std::deque<Device> devices; // node n is devices[n - 1]
    std::unordered_map<std::string, DevNode> nodes;
};

} // namespace RS232
