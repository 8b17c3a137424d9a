#include "rs232/enumerate_win32.h"

#include "rs232/deviceid.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace RS232 {

namespace {

// Buffers start at 260 usable bytes plus a NUL that no answer overwrites.
constexpr std::uint32_t initialBufferSize = 260;

// One value of a device's hardware key as a port name.
std::string devicePortNameValue(DeviceSetup& system, Handle key, const char* valueName) {
    std::vector<char> buffer(initialBufferSize + 1, 0);
    std::uint32_t type = 0;
    std::uint32_t size = initialBufferSize;
    long result = system.queryValue(key, valueName, type, buffer.data(), size);
    while (result == errorMoreData) {
        buffer.assign(size + 2, 0);
        result = system.queryValue(key, valueName, type, buffer.data(), size);
    }
    if (result != errorSuccess)
        return {};
    if (type == regSz)
        return buffer.data();
    if (type == regDword) {
        std::uint32_t number = 0;
        std::memcpy(&number, buffer.data(), sizeof number);
        return "COM" + std::to_string(number);
    }
    return {};
}

std::string devicePortName(DeviceSetup& system, Handle deviceSet, const DeviceData& deviceData) {
    static const char* const keyTokens[] = {"PortName", "PortNumber"};
    const Handle key = system.openDevRegKey(deviceSet, deviceData);
    if (key == invalidHandle)
        return {};
    std::string name;
    for (const char* valueName : keyTokens) {
        name = devicePortNameValue(system, key, valueName);
        if (!name.empty())
            break;
    }
    system.closeKey(key);
    return name;
}

bool anyOfPorts(const std::vector<Serial>& list, const std::string& name) {
    return std::any_of(list.begin(), list.end(),
                       [&name](const Serial& port) { return port.portName == name; });
}

// A string property; only string types make the buffer grow, so a multi-string property gives
// its first string when it fits and nothing otherwise, unless wholeMultiString lets it grow too.
std::string deviceRegistryProperty(DeviceSetup& system, Handle deviceSet,
                                   const DeviceData& deviceData, std::uint32_t property,
                                   bool wholeMultiString = false) {
    std::vector<char> buffer(initialBufferSize + 1, 0);
    std::uint32_t type = 0;
    std::uint32_t size = initialBufferSize;
    std::uint32_t requiredSize = 0;
    while (!system.getDeviceRegistryProperty(deviceSet, deviceData, property, type, buffer.data(),
                                             size, requiredSize)) {
        const bool grows =
            type == regSz || type == regExpandSz || (wholeMultiString && type == regMultiSz);
        if (system.lastError() != errorInsufficientBuffer || !grows)
            return {};
        buffer.assign(requiredSize + 2, 0);
        size = requiredSize;
    }
    return buffer.data();
}

std::string deviceInstanceIdentifier(DeviceSetup& system, DevNode node) {
    char buffer[201] = {};
    if (system.getDeviceId(node, buffer, 200) != crSuccess)
        return {};
    return deviceid::upperCase(buffer);
}

// The first serial number found walking from node towards the root of the device tree.
std::string deviceSerialNumber(DeviceSetup& system, DevNode node) {
    std::string identifier = deviceInstanceIdentifier(system, node);
    for (;;) {
        std::string serialNumber = deviceid::serialNumberOf(identifier);
        if (!serialNumber.empty())
            return serialNumber;
        DevNode parent = 0;
        if (system.getDevNodeStatus(node) != crSuccess ||
            system.getParent(parent, node) != crSuccess || parent == 0)
            return {};
        identifier = deviceInstanceIdentifier(system, parent);
        if (identifier.empty())
            return {};
        node = parent;
    }
}

void readIdentifiers(Serial& port, const std::string& identifier) {
    using deviceid::parseDeviceIdentifier;
    port.vendorIdentifier = parseDeviceIdentifier(identifier, "VID_", port.hasVendorIdentifier);
    if (!port.hasVendorIdentifier)
        port.vendorIdentifier = parseDeviceIdentifier(identifier, "VEN_", port.hasVendorIdentifier);
    port.productIdentifier = parseDeviceIdentifier(identifier, "PID_", port.hasProductIdentifier);
    if (!port.hasProductIdentifier)
        port.productIdentifier =
            parseDeviceIdentifier(identifier, "DEV_", port.hasProductIdentifier);
}

Serial devicePort(DeviceSetup& system, Handle deviceSet, const DeviceData& deviceData,
                  const std::string& name) {
    Serial port;
    port.portName = name;
    port.systemLocation = deviceid::portNameToSystemLocation(name);
    port.description = deviceRegistryProperty(system, deviceSet, deviceData, spdrpDeviceDesc);
    port.manufacturer = deviceRegistryProperty(system, deviceSet, deviceData, spdrpMfg);
    port.serialNumber = deviceSerialNumber(system, deviceData.devInst);
    readIdentifiers(port, deviceInstanceIdentifier(system, deviceData.devInst));
    // The first location path names the hub ports the device hangs from.
    const std::string location =
        deviceRegistryProperty(system, deviceSet, deviceData, spdrpLocationPaths, true);
    if (location.find("#USB(") != std::string::npos)
        port.usbLocation = location;
    return port;
}

// Printer ports share the Ports class with serial ports and are left out.
void addDevicePorts(DeviceSetup& system, Handle deviceSet, std::vector<Serial>& ports) {
    DeviceData deviceData{};
    for (std::uint32_t index = 0; system.enumDeviceInfo(deviceSet, index, deviceData); ++index) {
        const std::string name = devicePortName(system, deviceSet, deviceData);
        if (name.empty() || name.find("LPT") != std::string::npos || anyOfPorts(ports, name))
            continue;
        ports.push_back(devicePort(system, deviceSet, deviceData, name));
    }
}

// The data of every value of the SERIALCOMM key, in the key's order; the value names are
// device paths and of no use here.
std::vector<std::string> serialCommPortNames(DeviceSetup& system) {
    Handle key = invalidHandle;
    if (system.openLocalMachineKey("HARDWARE\\DEVICEMAP\\SERIALCOMM", key) != errorSuccess)
        return {};
    std::vector<std::string> names;
    std::vector<char> valueName(16383);
    std::uint32_t capacity = initialBufferSize;
    std::vector<char> data(capacity + 1, 0);
    for (std::uint32_t index = 0;;) {
        std::uint32_t nameLength = 16383;
        std::uint32_t dataSize = capacity;
        std::fill(data.begin(), data.end(), 0);
        const long result =
            system.enumValue(key, index, valueName.data(), nameLength, data.data(), dataSize);
        if (result == errorMoreData) {
            capacity = dataSize;
            data.assign(capacity + 2, 0);
            continue;
        }
        if (result != errorSuccess)
            break;
        names.emplace_back(data.data());
        ++index;
    }
    system.closeKey(key);
    return names;
}

void addRegistryPorts(DeviceSetup& system, std::vector<Serial>& ports) {
    for (const std::string& name : serialCommPortNames(system)) {
        if (anyOfPorts(ports, name))
            continue;
        Serial port;
        port.portName = name;
        port.systemLocation = deviceid::portNameToSystemLocation(name);
        ports.push_back(std::move(port));
    }
}

} // namespace

void enumerateDeviceSetup(DeviceSetup& system, std::vector<Serial>& ports) {
    struct SetupToken {
        Guid guid;
        std::uint32_t flags;
    };
    static const SetupToken setupTokens[] = {
        {guidDevclassPorts, digcfPresent},
        {guidDevclassModem, digcfPresent},
        {guidDevinterfaceComport, digcfPresent | digcfDeviceInterface},
        {guidDevinterfaceModem, digcfPresent | digcfDeviceInterface},
    };
    ports.clear();
    for (const SetupToken& token : setupTokens) {
        const Handle deviceSet = system.getClassDevs(token.guid, token.flags);
        // Without a complete view the list ends here, unsorted, as far as it got.
        if (deviceSet == invalidHandle)
            return;
        addDevicePorts(system, deviceSet, ports);
        system.destroyDeviceInfoList(deviceSet);
    }
    addRegistryPorts(system, ports);
    std::sort(ports.begin(), ports.end(),
              [](const Serial& a, const Serial& b) { return a.portName < b.portName; });
}

} // namespace RS232
