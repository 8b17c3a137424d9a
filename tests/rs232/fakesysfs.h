#pragma once

#include <filesystem>
#include <string>

namespace RS232::test {

struct UsbDevice {
    std::string path; // the device's name on the bus, 1-1 or 1-1.2
    std::string idVendor;
    std::string idProduct;
    std::string serial;
    std::string manufacturer;
    std::string product;
};

// A sysfs tree in the kernel's layout, for the Linux backend to read: devices under
// devices/, the ttys as symbolic links under class/tty, drivers under bus/.
class FakeSysfs {
public:
    explicit FakeSysfs(std::filesystem::path root);

    // A usb-serial adapter (cp210x, ftdi_sio): tty under a port device under interface 0.
    void addUsbSerial(const UsbDevice& usb, const std::string& tty, const std::string& driver);
    // A CDC ACM device: the tty sits directly under its interface.
    void addCdcAcm(const UsbDevice& usb, const std::string& tty, const std::string& interface);
    // A legacy port found through PNP, with the serial core's controller and port devices.
    void addPnpSerial(const std::string& pnpName, const std::string& tty);
    // A legacy port the kernel registers without hardware behind it.
    void addPhantomSerial(const std::string& tty);
    // A virtual console, which has no device at all.
    void addVirtualTty(const std::string& tty);

private:
    std::filesystem::path usbDevice(const UsbDevice& usb);
    std::filesystem::path device(const std::filesystem::path& path, const std::string& bus,
                                 const std::string& driver);
    void addTty(const std::filesystem::path& parent, const std::string& tty,
                const std::filesystem::path& device);
    void link(const std::filesystem::path& from, const std::filesystem::path& to);

    std::filesystem::path root;
};

} // namespace RS232::test
