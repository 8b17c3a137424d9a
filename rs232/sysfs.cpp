#include "rs232/sysfs.h"

#include "rs232/deviceid.h"
#include "rs232/sysfsfile.h"

namespace RS232 {

using deviceid::upperCase;

namespace {

// PCI attributes are written as 0x8086.
std::string hexValue(std::string value) {
    if (value.compare(0, 2, "0x") == 0)
        value.erase(0, 2);
    return upperCase(value);
}

std::string withoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

SysfsTree::SysfsTree(const std::filesystem::path& root)
    : root(withoutTrailingSlash(root.lexically_normal().string())),
      devicesRoot(this->root + "/devices") {}

std::vector<TtyPort> SysfsTree::ports() {
    ++scan;
    scannedNames.emplace();
    std::vector<TtyPort> found;
    for (const std::string& name : sysfs::folderEntries(root + "/class/tty")) {
        const std::optional<std::string> path = portDevice(name);
        if (!path)
            continue;
        scannedNames->push_back(name);
        found.push_back(port(name, hardwareDevice(nodeOf(*path))));
    }
    return found;
}

std::vector<std::string> SysfsTree::portNames() {
    if (!scannedNames)
        ports();
    return *scannedNames;
}

// The device behind a tty. Virtual terminals have none; the serial core registers every legacy
// port it might drive and marks those it found no hardware for with type 0.
std::optional<std::string> SysfsTree::portDevice(const std::string& tty) const {
    const std::string entry = root + "/class/tty/" + tty;
    const std::string target = sysfs::linkTarget(entry);
    const std::string folder = target.empty() ? entry : sysfs::resolve(root + "/class/tty", target);
    const std::string device = sysfs::linkTarget(folder + "/device");
    if (device.empty() || sysfs::firstLine(folder + "/type") == "0")
        return std::nullopt;
    return sysfs::resolve(folder, device);
}

TtyPort SysfsTree::port(const std::string& name, DevNode device) {
    TtyPort port;
    port.name = name;
    port.description = deviceName(device);
    const std::string driver = sysfs::linkTarget(this->device(device).path + "/driver");
    if (!driver.empty())
        port.description += " (" + sysfs::lastComponent(driver) + ")";
    port.manufacturer = usbManufacturer(device);
    port.node = identifyingDevice(device);
    return port;
}

// Since Linux 6.5 the serial core puts a port and a controller device of its own between a tty and
// its hardware; the hardware is the first device above them.
DevNode SysfsTree::hardwareDevice(DevNode node) {
    while (bus(node) == "serial-base" && parent(node))
        node = parent(node);
    return node;
}

// The device whose identifiers describe the port: the USB interface or device above a
// usb-serial port, else the tty's device itself.
DevNode SysfsTree::identifyingDevice(DevNode node) {
    for (DevNode at = node; at; at = parent(at)) {
        if (kind(at) != Kind::other)
            return at;
    }
    return node;
}

// The nearest USB interface or product string above the device.
std::string SysfsTree::deviceName(DevNode node) {
    for (DevNode at = node; at; at = parent(at)) {
        const Kind atKind = kind(at);
        if (atKind == Kind::usbDevice || (atKind == Kind::usbInterface && !label(at).empty()))
            return label(at);
    }
    return "Serial port";
}

std::string SysfsTree::usbManufacturer(DevNode node) {
    for (DevNode at = node; at; at = parent(at)) {
        if (kind(at) == Kind::usbDevice)
            return manufacturer(at);
    }
    return {};
}

bool SysfsTree::exists(DevNode node) const {
    return node >= 1 && node <= devices.size();
}

std::string SysfsTree::instanceIdentifier(DevNode node) {
    return exists(node) ? identifier(node) : std::string();
}

DevNode SysfsTree::parent(DevNode node) {
    if (!exists(node))
        return 0;
    Device& at = device(node);
    if (!at.parent) {
        const std::string above = at.path.substr(0, at.path.rfind('/'));
        const bool inside = above.compare(0, devicesRoot.size() + 1, devicesRoot + "/") == 0;
        at.parent = inside ? nodeOf(above) : 0;
    }
    return *device(node).parent;
}

DevNode SysfsTree::nodeOf(const std::string& path) {
    const auto known = nodes.find(path);
    if (known != nodes.end())
        return known->second;
    devices.push_back({path, std::nullopt, scan, {}});
    const auto node = static_cast<DevNode>(devices.size());
    nodes.emplace(path, node);
    return node;
}

SysfsTree::Device& SysfsTree::device(DevNode node) {
    return devices[node - 1];
}

SysfsTree::Facts& SysfsTree::facts(DevNode node) {
    Device& at = device(node);
    if (at.scan != scan) {
        at.scan = scan;
        at.facts = {};
    }
    return at.facts;
}

std::string SysfsTree::attribute(DevNode node, const char* name) {
    return sysfs::firstLine(device(node).path + "/" + name);
}

const std::string& SysfsTree::bus(DevNode node) {
    std::optional<std::string>& bus = facts(node).bus;
    if (!bus)
        bus = sysfs::lastComponent(sysfs::linkTarget(device(node).path + "/subsystem"));
    return *bus;
}

// USB devices and their interfaces share a bus; the kernel names interfaces
// device:configuration.interface.
SysfsTree::Kind SysfsTree::kind(DevNode node) {
    if (bus(node) != "usb")
        return Kind::other;
    const bool interface = sysfs::lastComponent(device(node).path).find(':') != std::string::npos;
    return interface ? Kind::usbInterface : Kind::usbDevice;
}

const std::string& SysfsTree::label(DevNode node) {
    std::optional<std::string>& label = facts(node).label;
    if (!label)
        label = attribute(node, kind(node) == Kind::usbDevice ? "product" : "interface");
    return *label;
}

const std::string& SysfsTree::manufacturer(DevNode node) {
    std::optional<std::string>& manufacturer = facts(node).manufacturer;
    if (!manufacturer)
        manufacturer = attribute(node, "manufacturer");
    return *manufacturer;
}

// Instances without a serial number get a made-up name that, like the system's own, contains an
// ampersand.
std::string SysfsTree::madeUpInstance(DevNode node) {
    return "0&" + sysfs::lastComponent(device(node).path);
}

// USB\VID_xxxx&PID_xxxx of a USB device, shared by the device and its interfaces.
std::string SysfsTree::usbHardwareIdentifier(DevNode node) {
    if (!node)
        return "USB\\VID_&PID_";
    std::optional<std::string>& known = facts(node).hardwareIdentifier;
    if (!known)
        known = "USB\\VID_" + upperCase(attribute(node, "idVendor")) + "&PID_" +
                upperCase(attribute(node, "idProduct"));
    return *known;
}

std::string SysfsTree::identifier(DevNode node) {
    std::optional<std::string>& known = facts(node).identifier;
    if (known)
        return *known;
    std::string made;
    const std::string name = sysfs::lastComponent(device(node).path);
    switch (kind(node)) {
    case Kind::usbDevice: {
        // A root hub's serial number is its controller's address, which must not pass for an
        // adapter's.
        if (name.compare(0, 3, "usb") == 0) {
            made = "USB\\ROOT_HUB\\" + madeUpInstance(node);
            break;
        }
        const std::string serial = attribute(node, "serial");
        made =
            usbHardwareIdentifier(node) + "\\" + (serial.empty() ? madeUpInstance(node) : serial);
        break;
    }
    case Kind::usbInterface:
        made = usbHardwareIdentifier(parent(node)) + "&MI_" + attribute(node, "bInterfaceNumber") +
               "\\" + madeUpInstance(node);
        break;
    case Kind::other: {
        const std::string busName = upperCase(bus(node));
        if (busName == "PCI")
            made = "PCI\\VEN_" + hexValue(attribute(node, "vendor")) + "&DEV_" +
                   hexValue(attribute(node, "device")) + "\\" + madeUpInstance(node);
        else if (busName == "PNP")
            made = "ACPI\\" + upperCase(attribute(node, "id")) + "\\" + madeUpInstance(node);
        else
            made = (busName.empty() ? std::string("ROOT") : busName) + "\\" + madeUpInstance(node);
        break;
    }
    }
    facts(node).identifier = made;
    return made;
}

} // namespace RS232
