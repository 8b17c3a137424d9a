#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace RS232::test {

// A sysfs tree in the kernel's layout: devices under devices/ linked to their bus and driver,
// ttys in class/tty, and a USB root hub on a PCI controller for USB devices to plug into.
class FakeSysfs {
public:
    static inline const std::string hub = "pci0000:00/0000:00:14.0/usb1";

    explicit FakeSysfs(std::filesystem::path root) : root(std::move(root)) {
        std::filesystem::create_directories(this->root / "class/tty");
        device("pci0000:00/0000:00:14.0", "pci", "xhci_hcd", "vendor=0x8086;device=0xa36d");
        device(hub, "usb", "usb", "idVendor=1d6b;idProduct=0002;serial=0000:00:14.0");
    }

    // A device folder under devices/; attributes are name=value pairs separated by semicolons.
    void device(const std::string& path, const std::string& bus, const std::string& driver = {},
                const std::string& attributes = {}) {
        const std::filesystem::path folder = root / "devices" / path;
        std::filesystem::create_directories(folder);
        link(folder / "subsystem", root / "bus" / bus);
        if (!driver.empty())
            link(folder / "driver", root / "bus" / bus / "drivers" / driver);
        std::istringstream pairs(attributes);
        for (std::string pair; std::getline(pairs, pair, ';');) {
            const std::size_t equals = pair.find('=');
            std::ofstream(folder / pair.substr(0, equals)) << pair.substr(equals + 1) << '\n';
        }
    }

    // A tty of the device at devicePath, or a virtual one; type 0 marks a port without hardware.
    void tty(const std::string& name, const std::string& devicePath, const std::string& type = {}) {
        const std::filesystem::path device =
            root / "devices" / (devicePath.empty() ? "virtual" : devicePath);
        const std::filesystem::path folder = device / "tty" / name;
        std::filesystem::create_directories(folder);
        if (!devicePath.empty())
            link(folder / "device", device);
        if (!type.empty())
            std::ofstream(folder / "type") << type << '\n';
        link(root / "class/tty" / name, folder);
    }

    // A usb-serial port of the adapter at usb below the root hub, such as "1-2/1-2.1" behind the
    // hub 1-2: the tty under a port device under the interface. The adapter's device is made with
    // its first port.
    void addUsbSerial(const std::string& usb, const std::string& attributes, const std::string& tty,
                      const std::string& driver, const std::string& interface = "1.0",
                      const std::string& interfaceAttributes = {}) {
        const std::string adapter = hub + "/" + usb;
        if (!std::filesystem::exists(root / "devices" / adapter))
            device(adapter, "usb", "usb", attributes);
        const std::string port = adapter + "/" + usb.substr(usb.rfind('/') + 1) + ":" + interface;
        device(port, "usb", driver, interfaceAttributes);
        device(port + "/" + tty, "usb-serial", driver);
        this->tty(tty, port + "/" + tty);
    }

private:
    void link(const std::filesystem::path& from, const std::filesystem::path& to) {
        std::filesystem::create_directory_symlink(to.lexically_relative(from.parent_path()), from);
    }

    std::filesystem::path root;
};

} // namespace RS232::test
