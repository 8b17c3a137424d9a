#include "rs232/enumerate_linux.h"

#include "rs232/deviceid.h"
#include "rs232/enumerate_win32.h"
#include "rs232/sysfs_linux.h"

#include <charconv>
#include <filesystem>

// A port's facts come from its tty under class/tty, the device behind the tty, and for a USB
// port the interface and device above that. Each link and attribute is read once per port.
namespace RS232 {

namespace {

struct Tree {
    std::string classTty;
    std::string devicesPrefix; // devices/ with its slash: every device folder starts with it

    // The device folder that holds path, or an empty string at the top of the device tree.
    std::string parent(const std::string& path) const {
        std::string above = path.substr(0, path.rfind('/'));
        return above.compare(0, devicesPrefix.size(), devicesPrefix) == 0 ? above : std::string();
    }
};

// The device folders above a tty that the port's facts come from.
struct Ancestry {
    std::string hardware; // the first device that is not the serial core's own
    std::string hardwareBus;
    std::string usbInterface; // empty unless the port is on USB
    std::string usbDevice;
};

std::string attribute(const std::string& folder, const char* name) {
    return sysfs::firstLine(folder + '/' + name);
}

std::string busOf(const std::string& folder) {
    return sysfs::lastComponent(sysfs::linkTarget(folder + "/subsystem"));
}

// The device behind a tty, or an empty string: virtual terminals have none, and the serial core
// registers every legacy port it might drive, marking those without hardware with type 0.
std::string deviceOf(const Tree& tree, const std::string& tty) {
    const std::string entry = tree.classTty + '/' + tty;
    const std::string target = sysfs::linkTarget(entry);
    const std::string folder = target.empty() ? entry : sysfs::resolve(tree.classTty, target);
    const std::string device = sysfs::linkTarget(folder + "/device");
    if (device.empty() || attribute(folder, "type") == "0")
        return {};
    return sysfs::resolve(folder, device);
}

// Since Linux 6.5 the serial core puts a controller and a port device of its own between a tty
// and its hardware. Above a usb-serial port's hardware are its USB interface, which the kernel
// names device:configuration.interface, and the USB device; the walk ends there.
Ancestry ancestryOf(const Tree& tree, std::string at) {
    Ancestry found;
    std::string bus = busOf(at);
    for (std::string above = tree.parent(at); bus == "serial-base" && !above.empty();
         above = tree.parent(at)) {
        at = above;
        bus = busOf(at);
    }
    found.hardware = at;
    found.hardwareBus = bus;
    while (!at.empty()) {
        if (bus == "usb" && sysfs::lastComponent(at).find(':') == std::string::npos) {
            found.usbDevice = at;
            break;
        }
        if (bus == "usb" && found.usbInterface.empty())
            found.usbInterface = at;
        at = tree.parent(at);
        bus = at.empty() ? std::string() : busOf(at);
    }
    return found;
}

// A USB identifier such as 10c4, or a PCI one such as 0x8086.
void readIdentifier(const std::string& text, bool& found, std::uint16_t& value) {
    const char* begin = text.data() + (text.compare(0, 2, "0x") == 0 ? 2 : 0);
    const char* const end = text.data() + text.size();
    found = std::from_chars(begin, end, value, 16).ec == std::errc();
    if (!found)
        value = 0;
}

// The interface's own name, else the USB product, then the driver in parentheses.
std::string descriptionOf(const Ancestry& at) {
    std::string label =
        at.usbInterface.empty() ? std::string() : attribute(at.usbInterface, "interface");
    if (label.empty())
        label = at.usbDevice.empty() ? "Serial port" : attribute(at.usbDevice, "product");
    const std::string driver = sysfs::linkTarget(at.hardware + "/driver");
    return driver.empty() ? label : label + " (" + sysfs::lastComponent(driver) + ")";
}

// The serial number in upper case, as Windows reports it, so that a record names an adapter
// alike on both systems.
void readUsbDevice(const std::string& device, Serial& port) {
    port.manufacturer = attribute(device, "manufacturer");
    readIdentifier(attribute(device, "idVendor"), port.hasVendorIdentifier, port.vendorIdentifier);
    readIdentifier(attribute(device, "idProduct"), port.hasProductIdentifier,
                   port.productIdentifier);
    port.serialNumber = deviceid::upperCase(attribute(device, "serial"));
}

// The kernel names a tty's device node after the tty.
Serial portOf(const Tree& tree, const std::string& tty, const std::string& device) {
    const Ancestry at = ancestryOf(tree, device);
    Serial port;
    port.portName = tty;
    port.systemLocation = "/dev/" + tty;
    port.description = descriptionOf(at);
    if (!at.usbDevice.empty())
        readUsbDevice(at.usbDevice, port);
    else if (at.hardwareBus == "pci") {
        readIdentifier(attribute(at.hardware, "vendor"), port.hasVendorIdentifier,
                       port.vendorIdentifier);
        readIdentifier(attribute(at.hardware, "device"), port.hasProductIdentifier,
                       port.productIdentifier);
    }
    if (!at.usbInterface.empty())
        port.usbLocation = sysfs::lastComponent(at.usbInterface);
    return port;
}

} // namespace

void enumerateSysfs(const std::string& root, std::vector<Serial>& ports) {
    ports.clear();
    std::string top = std::filesystem::path(root).lexically_normal().string();
    if (top.size() > 1 && top.back() == '/')
        top.pop_back();
    const Tree tree{top + "/class/tty", top + "/devices/"};
    for (const std::string& tty : sysfs::folderEntries(tree.classTty)) {
        const std::string device = deviceOf(tree, tty);
        if (!device.empty())
            ports.push_back(portOf(tree, tty, device));
    }
}

// A platform a test installed is a scripted Windows machine, whose ports are found as Windows
// finds them.
void Serial::enumerate(std::vector<Serial>& ports) {
    if (Platform* const scripted = installedPlatform())
        enumerateDeviceSetup(*scripted, ports);
    else
        enumerateSysfs("/sys", ports);
}

} // namespace RS232
