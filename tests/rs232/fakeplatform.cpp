#include "fakeplatform.h"

#include <algorithm>
#include <cstring>

namespace RS232::test {

void FakePlatform::addDevice(const Guid& guid, FakeDevice device) {
    const auto known = std::find_if(classes.begin(), classes.end(),
                                    [&guid](const auto& entry) { return entry.first == guid; });
    if (known != classes.end())
        known->second.push_back(std::move(device));
    else
        classes.emplace_back(guid, std::vector<FakeDevice>{std::move(device)});
}

void FakePlatform::failDeviceSet(const Guid& guid) {
    failingClasses.push_back(guid);
}

void FakePlatform::addNode(DevNode node, std::string instanceIdentifier, DevNode parent) {
    nodes[node] = {std::move(instanceIdentifier), parent};
}

void FakePlatform::addSerialComm(std::string valueName, RegistryValue data) {
    serialComm.emplace_back(std::move(valueName), std::move(data));
}

Handle FakePlatform::getClassDevs(const Guid& guid, std::uint32_t flags) {
    requestedSets.emplace_back(guid, flags);
    if (std::find(failingClasses.begin(), failingClasses.end(), guid) != failingClasses.end())
        return invalidHandle;
    const auto known = std::find_if(classes.begin(), classes.end(),
                                    [&guid](const auto& entry) { return entry.first == guid; });
    deviceSets[++lastHandle] = known != classes.end() ? known->second : std::vector<FakeDevice>();
    return lastHandle;
}

bool FakePlatform::enumDeviceInfo(Handle deviceSet, std::uint32_t index, DeviceData& data) {
    const auto set = deviceSets.find(deviceSet);
    if (set == deviceSets.end() || index >= set->second.size())
        return false;
    data.devInst = set->second[index].node;
    data.reserved = index;
    return true;
}

const FakeDevice* FakePlatform::device(Handle deviceSet, const DeviceData& data) const {
    const auto set = deviceSets.find(deviceSet);
    if (set == deviceSets.end() || data.reserved >= set->second.size())
        return nullptr;
    return &set->second[data.reserved];
}

Handle FakePlatform::openDevRegKey(Handle deviceSet, const DeviceData& data) {
    const FakeDevice* opened = device(deviceSet, data);
    if (!opened || !opened->keyOpens)
        return invalidHandle;
    keys[++lastHandle] = Values(opened->keyValues.begin(), opened->keyValues.end());
    return lastHandle;
}

bool FakePlatform::getDeviceRegistryProperty(Handle deviceSet, const DeviceData& data,
                                             std::uint32_t property, std::uint32_t& type,
                                             char* buffer, std::uint32_t size,
                                             std::uint32_t& requiredSize) {
    if (const FakeDevice* opened = device(deviceSet, data)) {
        const auto value = opened->properties.find(property);
        if (value != opened->properties.end())
            return answerProperty(value->second, type, buffer, size, requiredSize, error);
    }
    error = errorInvalidData;
    return false;
}

std::uint32_t FakePlatform::getDeviceId(DevNode node, char* buffer, std::uint32_t length) {
    const auto known = nodes.find(node);
    if (known == nodes.end())
        return crNoSuchDevNode;
    return copyString(known->second.instanceIdentifier, buffer, length) ? crSuccess : crBufferSmall;
}

std::uint32_t FakePlatform::getDevNodeStatus(DevNode node) {
    return nodes.count(node) ? crSuccess : crNoSuchDevNode;
}

std::uint32_t FakePlatform::getParent(DevNode& parent, DevNode node) {
    const auto known = nodes.find(node);
    if (known == nodes.end())
        return crNoSuchDevNode;
    parent = known->second.parent;
    return crSuccess;
}

long FakePlatform::openLocalMachineKey(const char* path, Handle& key) {
    serialCommOpened = true;
    if (std::strcmp(path, "HARDWARE\\DEVICEMAP\\SERIALCOMM") != 0)
        return errorFileNotFound;
    keys[++lastHandle] = serialComm;
    key = lastHandle;
    return errorSuccess;
}

long FakePlatform::queryValue(Handle key, const char* name, std::uint32_t& type, char* buffer,
                              std::uint32_t& size) {
    for (const auto& [valueName, value] : keys.at(key)) {
        if (valueName == name)
            return answerQuery(value, type, buffer, size);
    }
    return errorFileNotFound;
}

long FakePlatform::enumValue(Handle key, std::uint32_t index, char*, std::uint32_t&, char* data,
                             std::uint32_t& dataSize) {
    const Values& values = keys.at(key);
    if (index >= values.size())
        return errorNoMoreItems;
    std::uint32_t type = 0;
    return answerQuery(values[index].second, type, data, dataSize);
}

} // namespace RS232::test

namespace RS232::test {

bool FakePlatform::call(const std::string& name, Handle file, const std::string& arguments) {
    calls.push_back(arguments.empty() ? name : name + " " + arguments);
    return files.count(file) && failing != name;
}

Handle FakePlatform::createFile(const std::string& path) {
    calls.push_back("createFile " + path);
    if (failing == "createFile")
        return invalidHandle;
    files.insert(++lastHandle);
    return lastHandle;
}

bool FakePlatform::getCommState(Handle file, CommState& state) {
    if (!call("getCommState", file))
        return false;
    state = reportedState;
    return true;
}

bool FakePlatform::setCommState(Handle file, const CommState& state) {
    appliedState = state;
    return call("setCommState", file);
}

bool FakePlatform::setupComm(Handle file, std::uint32_t inQueue, std::uint32_t outQueue) {
    return call("setupComm", file, std::to_string(inQueue) + " " + std::to_string(outQueue));
}

bool FakePlatform::purgeComm(Handle file, std::uint32_t flags) {
    return call("purgeComm", file, std::to_string(flags));
}

bool FakePlatform::setCommTimeouts(Handle file, const CommTimeouts& timeouts) {
    appliedTimeouts = timeouts;
    return call("setCommTimeouts", file);
}

bool FakePlatform::readFile(Handle file, char* buffer, std::uint32_t size, std::uint32_t& done) {
    if (!call("readFile", file, std::to_string(size)))
        return false;
    done = static_cast<std::uint32_t>(incoming.copy(buffer, size));
    incoming.erase(0, done);
    return true;
}

bool FakePlatform::writeFile(Handle file, const char* buffer, std::uint32_t size,
                             std::uint32_t& done) {
    if (!call("writeFile", file, std::to_string(size)))
        return false;
    outgoing.append(buffer, size);
    done = size;
    return true;
}

bool FakePlatform::flushFileBuffers(Handle file) {
    return call("flushFileBuffers", file);
}

void FakePlatform::closeHandle(Handle file) {
    calls.push_back("closeHandle");
    files.erase(file);
}

} // namespace RS232::test
