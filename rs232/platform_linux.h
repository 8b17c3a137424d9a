#pragma once

#include "rs232/platform.h"
#include "rs232/registryvalue.h"
#include "rs232/sysfs.h"

#include <filesystem>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

namespace RS232 {

// The Linux backend. Discovery reads sysfs: every tty with real hardware behind it is a device of
// the Ports class whose key holds its PortName, and the SERIALCOMM key lists them all again.
// Ports are terminal devices under /dev driven through termios.
class LinuxPlatform : public Platform {
public:
    explicit LinuxPlatform(std::filesystem::path sysfsRoot = "/sys");

    Handle getClassDevs(const Guid& guid, std::uint32_t flags) override;
    bool enumDeviceInfo(Handle deviceSet, std::uint32_t index, DeviceData& data) override;
    Handle openDevRegKey(Handle deviceSet, const DeviceData& data) override;
    bool getDeviceRegistryProperty(Handle deviceSet, const DeviceData& data, std::uint32_t property,
                                   std::uint32_t& type, char* buffer, std::uint32_t size,
                                   std::uint32_t& requiredSize) override;
    std::uint32_t lastError() override;
    void destroyDeviceInfoList(Handle deviceSet) override;

    std::uint32_t getDeviceId(DevNode node, char* buffer, std::uint32_t length) override;
    std::uint32_t getDevNodeStatus(DevNode node) override;
    std::uint32_t getParent(DevNode& parent, DevNode node) override;

    long openLocalMachineKey(const char* path, Handle& key) override;
    long queryValue(Handle key, const char* name, std::uint32_t& type, char* buffer,
                    std::uint32_t& size) override;
    long enumValue(Handle key, std::uint32_t index, char* name, std::uint32_t& nameLength,
                   char* data, std::uint32_t& dataSize) override;
    void closeKey(Handle key) override;

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
    using Key = std::vector<std::pair<std::string, RegistryValue>>;

    const TtyPort* device(Handle deviceSet, const DeviceData& data) const;
    Handle newHandle() { return ++lastHandle; }
    CommTimeouts timeoutsOf(Handle file);

    std::mutex mutex;
    SysfsTree tree;
    std::map<Handle, std::vector<TtyPort>> deviceSets;
    std::map<Handle, Key> keys;
    Handle lastHandle = 0;
    std::map<Handle, CommTimeouts> fileTimeouts;
};

} // namespace RS232
