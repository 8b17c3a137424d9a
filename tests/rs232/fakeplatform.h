#pragma once

#include "registryvalue.h"
#include "rs232/platform.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace RS232::test {

struct FakeDevice {
    DevNode node = 0;
    bool keyOpens = true;
    std::map<std::string, RegistryValue> keyValues;
    std::map<std::uint32_t, RegistryValue> properties;
};

// A device whose key names the port and, given a text, whose description is that text.
inline FakeDevice namedDevice(DevNode node, const std::string& portName,
                              const std::string& text = {}) {
    FakeDevice device;
    device.node = node;
    device.keyValues["PortName"] = stringValue(portName);
    if (!text.empty())
        device.properties[spdrpDeviceDesc] = stringValue(text);
    return device;
}

// A scripted platform with the system's result codes: devices per class (keyed by GUID data1),
// nodes with identifier and parent, SERIALCOMM; port calls are logged with their arguments, the
// one named failing fails, the state reported has DCB flags to keep, and transfers fail.
class FakePlatform : public Platform {
public:
    using Key = std::map<std::string, RegistryValue>;

    std::map<std::uint32_t, std::vector<FakeDevice>> classes;
    std::set<std::uint32_t> failingClasses;
    std::map<DevNode, std::pair<std::string, DevNode>> nodes;
    Key serialComm;
    std::string calls; // one line each
    std::string failing;

    void addDevice(const Guid& guid, const FakeDevice& device) {
        classes[guid.data1].push_back(device);
    }
    // A device plugged in or pulled out, announced as the system announces it.
    void plug(const Guid& guid, const FakeDevice& device) {
        addDevice(guid, device);
        announceChange();
    }
    void unplug(const std::string& portName) {
        const std::string named = stringValue(portName).data;
        for (auto& [guid, devices] : classes)
            devices.erase(std::remove_if(devices.begin(), devices.end(),
                                         [&](const FakeDevice& device) {
                                             const auto name = device.keyValues.find("PortName");
                                             return name != device.keyValues.end() &&
                                                    name->second.data == named;
                                         }),
                          devices.end());
        announceChange();
    }
    std::size_t openHandles() const { return sets.size() + keys.size() + files.size(); }

    Handle getClassDevs(const Guid& guid, std::uint32_t) override {
        if (failingClasses.count(guid.data1))
            return invalidHandle;
        sets[++last] = classes[guid.data1];
        return last;
    }
    bool enumDeviceInfo(Handle set, std::uint32_t index, DeviceData& data) override {
        if (index >= sets.at(set).size())
            return false;
        data.devInst = sets[set][index].node;
        data.reserved = index;
        return true;
    }
    Handle openDevRegKey(Handle set, const DeviceData& data) override {
        const FakeDevice& device = sets.at(set).at(data.reserved);
        if (!device.keyOpens)
            return invalidHandle;
        keys[++last] = device.keyValues;
        return last;
    }
    bool getDeviceRegistryProperty(Handle set, const DeviceData& data, std::uint32_t property,
                                   std::uint32_t& type, char* buffer, std::uint32_t size,
                                   std::uint32_t& requiredSize) override {
        const auto& properties = sets.at(set).at(data.reserved).properties;
        error = errorInvalidData;
        return properties.count(property) &&
               answerProperty(properties.at(property), type, buffer, size, requiredSize, error);
    }
    std::uint32_t lastError() override { return error; }
    void destroyDeviceInfoList(Handle set) override { sets.erase(set); }
    std::uint32_t getDeviceId(DevNode node, char* buffer, std::uint32_t length) override {
        if (!nodes.count(node))
            return crNoSuchDevNode;
        return copyString(nodes[node].first, buffer, length) ? crSuccess : crBufferSmall;
    }
    std::uint32_t getDevNodeStatus(DevNode node) override {
        return nodes.count(node) ? crSuccess : crNoSuchDevNode;
    }
    std::uint32_t getParent(DevNode& parent, DevNode node) override {
        parent = nodes.count(node) ? nodes[node].second : 0;
        return getDevNodeStatus(node);
    }
    long openLocalMachineKey(const char* path, Handle& key) override {
        if (std::strcmp(path, "HARDWARE\\DEVICEMAP\\SERIALCOMM") != 0)
            return errorFileNotFound;
        keys[key = ++last] = serialComm;
        return errorSuccess;
    }
    long queryValue(Handle key, const char* name, std::uint32_t& type, char* buffer,
                    std::uint32_t& size) override {
        const Key& values = keys.at(key);
        return values.count(name) ? answerQuery(values.at(name), type, buffer, size)
                                  : errorFileNotFound;
    }
    long enumValue(Handle key, std::uint32_t index, char*, std::uint32_t&, char* data,
                   std::uint32_t& size) override {
        const Key& values = keys.at(key);
        std::uint32_t type = 0;
        return index < values.size()
                   ? answerQuery(std::next(values.begin(), index)->second, type, data, size)
                   : errorNoMoreItems;
    }
    void closeKey(Handle key) override { keys.erase(key); }

    Handle createFile(const std::string& path) override {
        calls += "createFile " + path + "\n";
        return failing == "createFile" ? invalidHandle : *files.insert(++last).first;
    }
    bool getCommState(Handle file, CommState& state) override {
        state = CommState{4800, 0x5011, 0, 0, 5, 1, 1, 0, 0, 0, 0, 0};
        return call(file, "getCommState", {});
    }
    bool setCommState(Handle file, const CommState& s) override {
        return call(file, "setCommState", {s.baudRate, s.byteSize, s.parity, s.stopBits, s.flags});
    }
    bool setupComm(Handle file, std::uint32_t in, std::uint32_t out) override {
        return call(file, "setupComm", {in, out});
    }
    bool purgeComm(Handle file, std::uint32_t flags) override {
        return call(file, "purgeComm", {flags});
    }
    bool setCommTimeouts(Handle file, const CommTimeouts& t) override {
        return call(file, "setCommTimeouts",
                    {t.readIntervalTimeout, t.readTotalTimeoutMultiplier,
                     t.readTotalTimeoutConstant, t.writeTotalTimeoutMultiplier,
                     t.writeTotalTimeoutConstant});
    }
    bool readFile(Handle, char*, std::uint32_t, std::uint32_t&) override { return false; }
    bool writeFile(Handle, const char*, std::uint32_t, std::uint32_t&) override { return false; }
    bool flushFileBuffers(Handle file) override { return call(file, "flushFileBuffers", {}); }
    void closeHandle(Handle file) override {
        calls += "closeHandle\n";
        files.erase(file);
    }

private:
    // Logs the call; false when it is the failing one or file is not open.
    bool call(Handle file, const std::string& name, std::initializer_list<std::uint32_t> values) {
        calls += name;
        for (const std::uint32_t value : values)
            calls += " " + std::to_string(value);
        calls += "\n";
        return files.count(file) && failing != name;
    }

    std::map<Handle, std::vector<FakeDevice>> sets;
    std::map<Handle, Key> keys;
    std::set<Handle> files;
    Handle last = 100;
    std::uint32_t error = errorSuccess;
};

} // namespace RS232::test
