#include "rs232/sysfs.h"

#include "rs232/deviceid.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace RS232 {

namespace {

// The first line of a sysfs attribute, or an empty string when there is none.
std::string attribute(const fs::path& device, const char* name) {
    std::ifstream file(device / name);
    std::string line;
    std::getline(file, line);
    return line;
}

bool hasAttribute(const fs::path& device, const char* name) {
    std::error_code error;
    return fs::exists(device / name, error);
}

bool isUsbDevice(const fs::path& device) {
    return hasAttribute(device, "idVendor");
}

bool isUsbInterface(const fs::path& device) {
    return hasAttribute(device, "bInterfaceNumber");
}

using deviceid::upperCase;

// PCI attributes are written as 0x8086.
std::string hexAttribute(const fs::path& device, const char* name) {
    std::string value = attribute(device, name);
    if (value.compare(0, 2, "0x") == 0)
        value.erase(0, 2);
    return upperCase(value);
}

// What the link name points to, by its last component; empty when there is no such link.
std::string linkTarget(const fs::path& device, const char* link) {
    std::error_code error;
    const fs::path target = fs::read_symlink(device / link, error);
    return error ? std::string() : target.filename().string();
}

// Instances without a serial number get a made-up name that, like the system's own, contains an
// ampersand.
std::string madeUpInstance(const fs::path& device) {
    return "0&" + device.filename().string();
}

// USB\VID_xxxx&PID_xxxx of a USB device.
std::string usbHardwareIdentifier(const fs::path& device) {
    return "USB\\VID_" + upperCase(attribute(device, "idVendor")) + "&PID_" +
           upperCase(attribute(device, "idProduct"));
}

// A root hub's serial number is its controller's address, which must not pass for an adapter's.
std::string usbDeviceIdentifier(const fs::path& device) {
    if (device.filename().string().compare(0, 3, "usb") == 0)
        return "USB\\ROOT_HUB\\" + madeUpInstance(device);
    const std::string serial = attribute(device, "serial");
    return usbHardwareIdentifier(device) + "\\" +
           (serial.empty() ? madeUpInstance(device) : serial);
}

std::string usbInterfaceIdentifier(const fs::path& interface) {
    return usbHardwareIdentifier(interface.parent_path()) + "&MI_" +
           attribute(interface, "bInterfaceNumber") + "\\" + madeUpInstance(interface);
}

std::string deviceIdentifier(const fs::path& device) {
    if (isUsbDevice(device))
        return usbDeviceIdentifier(device);
    if (isUsbInterface(device))
        return usbInterfaceIdentifier(device);
    const std::string bus = upperCase(linkTarget(device, "subsystem"));
    if (bus == "PCI")
        return "PCI\\VEN_" + hexAttribute(device, "vendor") + "&DEV_" +
               hexAttribute(device, "device") + "\\" + madeUpInstance(device);
    if (bus == "PNP")
        return "ACPI\\" + upperCase(attribute(device, "id")) + "\\" + madeUpInstance(device);
    return (bus.empty() ? std::string("ROOT") : bus) + "\\" + madeUpInstance(device);
}

// The nearest device at or above device, below the devices root, that passes test; an empty path
// when there is none.
template <typename Test>
fs::path nearest(const fs::path& device, const fs::path& devicesRoot, Test test) {
    for (fs::path at = device; at != devicesRoot && at.has_relative_path(); at = at.parent_path()) {
        if (test(at))
            return at;
    }
    return {};
}

// Since Linux 6.5 the serial core puts a port and a controller device of its own between a tty and
// its hardware; the hardware is the first device above them.
fs::path hardwareDevice(fs::path device) {
    while (linkTarget(device, "subsystem") == "serial-base" && device.has_relative_path())
        device = device.parent_path();
    return device;
}

// The device whose identifiers describe the port: the USB interface or device above a
// usb-serial port, else the tty's device itself.
fs::path identifyingDevice(const fs::path& device, const fs::path& devicesRoot) {
    const fs::path usb = nearest(device, devicesRoot, [](const fs::path& at) {
        return isUsbInterface(at) || isUsbDevice(at);
    });
    return usb.empty() ? device : usb;
}

// The nearest USB interface or product string above the device.
std::string deviceName(const fs::path& device, const fs::path& devicesRoot) {
    const fs::path named = nearest(device, devicesRoot, [](const fs::path& at) {
        return isUsbDevice(at) || (isUsbInterface(at) && !attribute(at, "interface").empty());
    });
    if (named.empty())
        return "Serial port";
    return attribute(named, isUsbDevice(named) ? "product" : "interface");
}

std::string usbManufacturer(const fs::path& device, const fs::path& devicesRoot) {
    const fs::path usb = nearest(device, devicesRoot, isUsbDevice);
    return usb.empty() ? std::string() : attribute(usb, "manufacturer");
}

} // namespace

SysfsTree::SysfsTree(fs::path root) : root(std::move(root)) {}

std::vector<std::string> SysfsTree::portNames() const {
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(root / "class/tty", error)) {
        if (isPort(entry.path()))
            names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<TtyPort> SysfsTree::ports() {
    std::vector<TtyPort> found;
    std::error_code error;
    devicesRoot = fs::canonical(root / "devices", error);
    for (const std::string& name : portNames()) {
        const fs::path device = fs::canonical(root / "class/tty" / name / "device", error);
        if (!error)
            found.push_back(port(name, hardwareDevice(device)));
    }
    return found;
}

// Virtual terminals have no device; the serial core registers every legacy port it might drive
// and marks those it found no hardware for with type 0.
bool SysfsTree::isPort(const fs::path& tty) const {
    if (!hasAttribute(tty, "device"))
        return false;
    return !hasAttribute(tty, "type") || attribute(tty, "type") != "0";
}

TtyPort SysfsTree::port(const std::string& name, const fs::path& device) {
    TtyPort port;
    port.name = name;
    port.description = deviceName(device, devicesRoot);
    const std::string driver = linkTarget(device, "driver");
    if (!driver.empty())
        port.description += " (" + driver + ")";
    port.manufacturer = usbManufacturer(device, devicesRoot);
    port.node = nodeOf(identifyingDevice(device, devicesRoot));
    return port;
}

bool SysfsTree::exists(DevNode node) const {
    return node >= 1 && node <= devices.size();
}

std::string SysfsTree::instanceIdentifier(DevNode node) const {
    return exists(node) ? deviceIdentifier(devices[node - 1]) : std::string();
}

DevNode SysfsTree::parent(DevNode node) {
    if (!exists(node))
        return 0;
    const fs::path above = devices[node - 1].parent_path();
    if (above == devicesRoot || !above.has_relative_path())
        return 0;
    return nodeOf(above);
}

DevNode SysfsTree::nodeOf(const fs::path& device) {
    const auto known = nodes.find(device.string());
    if (known != nodes.end())
        return known->second;
    devices.push_back(device);
    const auto node = static_cast<DevNode>(devices.size());
    nodes.emplace(device.string(), node);
    return node;
}

} // namespace RS232
