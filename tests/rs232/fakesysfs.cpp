#include "fakesysfs.h"

#include <fstream>

namespace fs = std::filesystem;

namespace RS232::test {

namespace {

const char* const usbController = "devices/pci0000:00/0000:00:14.0";

void write(const fs::path& file, const std::string& line) {
    std::ofstream(file) << line << '\n';
}

} // namespace

FakeSysfs::FakeSysfs(fs::path root) : root(std::move(root)) {
    fs::create_directories(this->root / "class/tty");
    const fs::path controller = device(usbController, "pci", "xhci_hcd");
    write(controller / "vendor", "0x8086");
    write(controller / "device", "0xa36d");
    const fs::path hub = device(controller / "usb1", "usb", "usb");
    write(hub / "idVendor", "1d6b");
    write(hub / "idProduct", "0002");
    write(hub / "serial", "0000:00:14.0");
}

void FakeSysfs::link(const fs::path& from, const fs::path& to) {
    if (fs::is_symlink(from))
        return;
    fs::create_directory_symlink(to.lexically_relative(from.parent_path()), from);
}

// A device directory with its subsystem and, when given, its driver.
fs::path FakeSysfs::device(const fs::path& path, const std::string& bus,
                           const std::string& driver) {
    const fs::path directory = root / path;
    fs::create_directories(directory);
    write(directory / "uevent", "");
    fs::create_directories(root / "bus" / bus);
    link(directory / "subsystem", root / "bus" / bus);
    if (!driver.empty()) {
        const fs::path driverDirectory = root / "bus" / bus / "drivers" / driver;
        fs::create_directories(driverDirectory);
        link(directory / "driver", driverDirectory);
    }
    return directory;
}

void FakeSysfs::addTty(const fs::path& parent, const std::string& tty, const fs::path& device) {
    const fs::path directory = parent / "tty" / tty;
    fs::create_directories(directory);
    write(directory / "dev", "188:0");
    link(directory / "subsystem", root / "class/tty");
    if (!device.empty())
        link(directory / "device", device);
    link(root / "class/tty" / tty, directory);
}

fs::path FakeSysfs::usbDevice(const UsbDevice& usb) {
    const fs::path directory = device(fs::path(usbController) / "usb1" / usb.path, "usb", "usb");
    write(directory / "idVendor", usb.idVendor);
    write(directory / "idProduct", usb.idProduct);
    write(directory / "manufacturer", usb.manufacturer);
    write(directory / "product", usb.product);
    if (!usb.serial.empty())
        write(directory / "serial", usb.serial);
    return directory;
}

void FakeSysfs::addUsbSerial(const UsbDevice& usb, const std::string& tty,
                             const std::string& driver) {
    const fs::path interface =
        device(usbDevice(usb).lexically_relative(root) / (usb.path + ":1.0"), "usb", driver);
    write(interface / "bInterfaceNumber", "00");
    const fs::path port = device(interface.lexically_relative(root) / tty, "usb-serial", driver);
    addTty(port, tty, port);
}

void FakeSysfs::addCdcAcm(const UsbDevice& usb, const std::string& tty,
                          const std::string& interfaceName) {
    const fs::path interface =
        device(usbDevice(usb).lexically_relative(root) / (usb.path + ":1.0"), "usb", "cdc_acm");
    write(interface / "bInterfaceNumber", "00");
    write(interface / "interface", interfaceName);
    addTty(interface, tty, interface);
}

void FakeSysfs::addPnpSerial(const std::string& pnpName, const std::string& tty) {
    const fs::path pnp = device(fs::path("devices/pnp0") / pnpName, "pnp", "serial");
    write(pnp / "id", "PNP0501");
    const fs::path controller =
        device(pnp.lexically_relative(root) / (pnpName + ":0"), "serial-base", "ctrl");
    const fs::path port =
        device(controller.lexically_relative(root) / (pnpName + ":0.0"), "serial-base", "port");
    addTty(port, tty, port);
    write(root / "class/tty" / tty / "type", "4");
}

void FakeSysfs::addPhantomSerial(const std::string& tty) {
    const fs::path platform = device("devices/platform/serial8250", "platform", "serial8250");
    const fs::path port =
        device(platform.lexically_relative(root) / ("serial8250:0." + tty.substr(4)), "serial-base",
               "port");
    addTty(port, tty, port);
    write(root / "class/tty" / tty / "type", "0");
}

void FakeSysfs::addVirtualTty(const std::string& tty) {
    fs::create_directories(root / "devices/virtual");
    addTty(root / "devices/virtual", tty, {});
}

} // namespace RS232::test
