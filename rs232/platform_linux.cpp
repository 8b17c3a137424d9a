#include "rs232/platform_linux.h"

#include <cstring>

namespace RS232 {

namespace {

thread_local std::uint32_t lastErrorCode = errorSuccess;

} // namespace

LinuxPlatform::LinuxPlatform(std::filesystem::path sysfsRoot) : tree(std::move(sysfsRoot)) {}

// Every port is in the Ports class; the other classes and interfaces are empty.
Handle LinuxPlatform::getClassDevs(const Guid& guid, std::uint32_t) {
    std::lock_guard<std::mutex> lock(mutex);
    const Handle deviceSet = newHandle();
    deviceSets[deviceSet] = guid == guidDevclassPorts ? tree.ports() : std::vector<TtyPort>();
    return deviceSet;
}

bool LinuxPlatform::enumDeviceInfo(Handle deviceSet, std::uint32_t index, DeviceData& data) {
    std::lock_guard<std::mutex> lock(mutex);
    const auto set = deviceSets.find(deviceSet);
    if (set == deviceSets.end() || index >= set->second.size()) {
        lastErrorCode = errorNoMoreItems;
        return false;
    }
    data.classGuid = guidDevclassPorts;
    data.devInst = set->second[index].node;
    data.reserved = index;
    return true;
}

const TtyPort* LinuxPlatform::device(Handle deviceSet, const DeviceData& data) const {
    const auto set = deviceSets.find(deviceSet);
    if (set == deviceSets.end() || data.reserved >= set->second.size())
        return nullptr;
    return &set->second[data.reserved];
}

Handle LinuxPlatform::openDevRegKey(Handle deviceSet, const DeviceData& data) {
    std::lock_guard<std::mutex> lock(mutex);
    const TtyPort* port = device(deviceSet, data);
    if (!port)
        return invalidHandle;
    const Handle key = newHandle();
    keys[key] = {{"PortName", stringValue(port->name)}};
    return key;
}

bool LinuxPlatform::getDeviceRegistryProperty(Handle deviceSet, const DeviceData& data,
                                              std::uint32_t property, std::uint32_t& type,
                                              char* buffer, std::uint32_t size,
                                              std::uint32_t& requiredSize) {
    std::lock_guard<std::mutex> lock(mutex);
    const TtyPort* port = device(deviceSet, data);
    if (!port || (property != spdrpDeviceDesc && property != spdrpMfg)) {
        lastErrorCode = errorInvalidData;
        return false;
    }
    const RegistryValue value =
        stringValue(property == spdrpDeviceDesc ? port->description : port->manufacturer);
    return answerProperty(value, type, buffer, size, requiredSize, lastErrorCode);
}

std::uint32_t LinuxPlatform::lastError() {
    return lastErrorCode;
}

void LinuxPlatform::destroyDeviceInfoList(Handle deviceSet) {
    std::lock_guard<std::mutex> lock(mutex);
    deviceSets.erase(deviceSet);
}

std::uint32_t LinuxPlatform::getDeviceId(DevNode node, char* buffer, std::uint32_t length) {
    std::lock_guard<std::mutex> lock(mutex);
    if (!tree.exists(node))
        return crNoSuchDevNode;
    return copyString(tree.instanceIdentifier(node), buffer, length) ? crSuccess : crBufferSmall;
}

std::uint32_t LinuxPlatform::getDevNodeStatus(DevNode node) {
    std::lock_guard<std::mutex> lock(mutex);
    return tree.exists(node) ? crSuccess : crNoSuchDevNode;
}

std::uint32_t LinuxPlatform::getParent(DevNode& parent, DevNode node) {
    std::lock_guard<std::mutex> lock(mutex);
    parent = tree.parent(node);
    return parent ? crSuccess : crNoSuchDevNode;
}

long LinuxPlatform::openLocalMachineKey(const char* path, Handle& key) {
    if (std::strcmp(path, "HARDWARE\\DEVICEMAP\\SERIALCOMM") != 0)
        return errorFileNotFound;
    std::lock_guard<std::mutex> lock(mutex);
    Key serialComm;
    for (const std::string& name : tree.portNames())
        serialComm.emplace_back("/dev/" + name, stringValue(name));
    key = newHandle();
    keys[key] = std::move(serialComm);
    return errorSuccess;
}

long LinuxPlatform::queryValue(Handle key, const char* name, std::uint32_t& type, char* buffer,
                               std::uint32_t& size) {
    std::lock_guard<std::mutex> lock(mutex);
    const auto open = keys.find(key);
    if (open == keys.end())
        return errorInvalidHandle;
    for (const auto& [valueName, value] : open->second) {
        if (valueName == name)
            return answerQuery(value, type, buffer, size);
    }
    return errorFileNotFound;
}

long LinuxPlatform::enumValue(Handle key, std::uint32_t index, char* name,
                              std::uint32_t& nameLength, char* data, std::uint32_t& dataSize) {
    std::lock_guard<std::mutex> lock(mutex);
    const auto open = keys.find(key);
    if (open == keys.end())
        return errorInvalidHandle;
    if (index >= open->second.size())
        return errorNoMoreItems;
    const auto& [valueName, value] = open->second[index];
    if (!copyString(valueName, name, nameLength))
        return errorMoreData;
    nameLength = static_cast<std::uint32_t>(valueName.size());
    std::uint32_t type = 0;
    return answerQuery(value, type, data, dataSize);
}

void LinuxPlatform::closeKey(Handle key) {
    std::lock_guard<std::mutex> lock(mutex);
    keys.erase(key);
}

Platform& systemPlatform() {
    static LinuxPlatform system;
    return system;
}

} // namespace RS232
