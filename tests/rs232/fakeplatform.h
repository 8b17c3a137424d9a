#pragma once

#include "rs232/platform.h"
#include "rs232/registryvalue.h"

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace RS232::test {

struct FakeDevice {
    DevNode node = 0;
    bool keyOpens = true;
    std::map<std::string, RegistryValue> keyValues;
    std::map<std::uint32_t, RegistryValue> properties;
};

// A scripted platform: device sets per class or interface, devices with their key values and
// properties, a device tree of instance identifiers, and the SERIALCOMM key. It answers with the
// system's result codes and records what it was asked.
class FakePlatform : public Platform {
public:
    void addDevice(const Guid& guid, FakeDevice device);
    void failDeviceSet(const Guid& guid);
    void addNode(DevNode node, std::string instanceIdentifier, DevNode parent = 0);
    void addSerialComm(std::string valueName, RegistryValue data);

    // What enumeration asked for, in order, and what it left open.
    std::vector<std::pair<Guid, std::uint32_t>> requestedSets;
    bool serialCommOpened = false;
    std::size_t openHandles() const { return deviceSets.size() + keys.size(); }

    Handle getClassDevs(const Guid& guid, std::uint32_t flags) override;
    bool enumDeviceInfo(Handle deviceSet, std::uint32_t index, DeviceData& data) override;
    Handle openDevRegKey(Handle deviceSet, const DeviceData& data) override;
    bool getDeviceRegistryProperty(Handle deviceSet, const DeviceData& data, std::uint32_t property,
                                   std::uint32_t& type, char* buffer, std::uint32_t size,
                                   std::uint32_t& requiredSize) override;
    std::uint32_t lastError() override { return error; }
    void destroyDeviceInfoList(Handle deviceSet) override { deviceSets.erase(deviceSet); }

    std::uint32_t getDeviceId(DevNode node, char* buffer, std::uint32_t length) override;
    std::uint32_t getDevNodeStatus(DevNode node) override;
    std::uint32_t getParent(DevNode& parent, DevNode node) override;

    long openLocalMachineKey(const char* path, Handle& key) override;
    long queryValue(Handle key, const char* name, std::uint32_t& type, char* buffer,
                    std::uint32_t& size) override;
    long enumValue(Handle key, std::uint32_t index, char* name, std::uint32_t& nameLength,
                   char* data, std::uint32_t& dataSize) override;
    void closeKey(Handle key) override { keys.erase(key); }

    // The port: every call is logged with its arguments; the call named failing fails.
    std::vector<std::string> calls;
    std::string failing;
    CommState reportedState{};
    CommState appliedState{};
    CommTimeouts appliedTimeouts{};
    std::string incoming;
    std::string outgoing;
    std::size_t openFiles() const { return files.size(); }

    Handle createFile(const std::string& path) override;
    bool getCommState(Handle file, CommState& state) override;
    bool setCommState(Handle file, const CommState& state) override;
    bool setupComm(Handle file, std::uint32_t inQueue, std::uint32_t outQueue) override;
    bool purgeComm(Handle file, std::uint32_t flags) override;
    bool setCommTimeouts(Handle file, const CommTimeouts& timeouts) override;
    bool readFile(Handle file, char* buffer, std::uint32_t size, std::uint32_t& done) override;
    bool writeFile(Handle file, const char* buffer, std::uint32_t size,
                   std::uint32_t& done) override;
    bool flushFileBuffers(Handle file) override;
    void closeHandle(Handle file) override;

private:
    struct Node {
        std::string instanceIdentifier;
        DevNode parent;
    };
    using Values = std::vector<std::pair<std::string, RegistryValue>>;

    const FakeDevice* device(Handle deviceSet, const DeviceData& data) const;
    // Logs the call on an open file; false when the call is to fail.
    bool call(const std::string& name, Handle file, const std::string& arguments = {});

    std::vector<std::pair<Guid, std::vector<FakeDevice>>> classes;
    std::vector<Guid> failingClasses;
    std::map<DevNode, Node> nodes;
    Values serialComm;
    std::map<Handle, std::vector<FakeDevice>> deviceSets;
    std::map<Handle, Values> keys;
    std::set<Handle> files;
    Handle lastHandle = 100;
    std::uint32_t error = errorSuccess;
};

// Makes a backend the process's platform for one scope.
class PlatformGuard {
public:
    explicit PlatformGuard(Platform& backend) { installPlatform(&backend); }
    ~PlatformGuard() { installPlatform(nullptr); }
    PlatformGuard(const PlatformGuard&) = delete;
    PlatformGuard& operator=(const PlatformGuard&) = delete;
};

} // namespace RS232::test
