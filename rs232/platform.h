#pragma once

#include "rs232/handle.h"

#include <cstdint>
#include <string>

namespace RS232 {

// A device node of the configuration manager (DEVINST); 0 is no node.
using DevNode = std::uint32_t;

struct Guid {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::uint8_t data4[8];
};
bool operator==(const Guid& a, const Guid& b);

// One device of a device information set, the portable image of SP_DEVINFO_DATA.
struct DeviceData {
    Guid classGuid;
    DevNode devInst;
    std::uintptr_t reserved;
};

// Result codes, value types and flags of the platform calls, with their Windows values.
constexpr long errorSuccess = 0;
constexpr long errorFileNotFound = 2;
constexpr long errorInvalidHandle = 6;
constexpr long errorInvalidData = 13;
constexpr long errorInsufficientBuffer = 122;
constexpr long errorMoreData = 234;
constexpr long errorNoMoreItems = 259;
constexpr std::uint32_t crSuccess = 0;
constexpr std::uint32_t crNoSuchDevNode = 13;
constexpr std::uint32_t crBufferSmall = 26;
constexpr std::uint32_t regSz = 1;
constexpr std::uint32_t regExpandSz = 2;
constexpr std::uint32_t regDword = 4;
constexpr std::uint32_t regMultiSz = 7;
constexpr std::uint32_t spdrpDeviceDesc = 0;
constexpr std::uint32_t spdrpMfg = 11;
constexpr std::uint32_t spdrpLocationPaths = 35;
constexpr std::uint32_t digcfPresent = 0x02;
constexpr std::uint32_t digcfDeviceInterface = 0x10;

// Device setup classes and interfaces that hold serial ports.
constexpr Guid guidDevclassPorts{
    0x4D36E978, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};
constexpr Guid guidDevclassModem{
    0x4D36E96D, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};
constexpr Guid guidDevinterfaceComport{
    0x86E0D1E0, 0x8089, 0x11D0, {0x9C, 0xE4, 0x08, 0x00, 0x3E, 0x30, 0x1F, 0x73}};
constexpr Guid guidDevinterfaceModem{
    0x2C7089AA, 0x2E0E, 0x11D1, {0xB1, 0x14, 0x00, 0xC0, 0x4F, 0xC2, 0xAA, 0xE4}};

// The device control block of a port, the portable image of DCB. flags holds DCB's bit fields
// (fBinary in bit 0 up to fAbortOnError in bit 14) as one word.
struct CommState {
    std::uint32_t baudRate;
    std::uint32_t flags;
    std::uint16_t xonLim;
    std::uint16_t xoffLim;
    std::uint8_t byteSize;
    std::uint8_t parity;
    std::uint8_t stopBits;
    char xonChar;
    char xoffChar;
    char errorChar;
    char eofChar;
    char evtChar;
};

// COMMTIMEOUTS, in milliseconds.
struct CommTimeouts {
    std::uint32_t readIntervalTimeout;
    std::uint32_t readTotalTimeoutMultiplier;
    std::uint32_t readTotalTimeoutConstant;
    std::uint32_t writeTotalTimeoutMultiplier;
    std::uint32_t writeTotalTimeoutConstant;
};

constexpr std::uint32_t maxDword = 0xFFFFFFFF;
constexpr std::uint32_t purgeTxAbort = 0x1;
constexpr std::uint32_t purgeRxAbort = 0x2;
constexpr std::uint32_t purgeTxClear = 0x4;
constexpr std::uint32_t purgeRxClear = 0x8;

// The platform calls of the serial port library, one operation per Windows call, with the call's
// own contract: result codes, sizes in bytes and the answers that make a caller's buffer grow.
// The Windows backend forwards to the system; the tests' scripted platform answers in the same
// terms, so that the Windows algorithms run on any machine.

// The calls that find the ports: the device setup interface, the configuration manager and the
// registry.
class DeviceSetup {
public:
    virtual ~DeviceSetup() = default;

    // SetupDiGetClassDevsA(guid, no enumerator, no window, flags): a device set or invalidHandle.
    virtual Handle getClassDevs(const Guid& guid, std::uint32_t flags) = 0;
    // SetupDiEnumDeviceInfo: false after the last device.
    virtual bool enumDeviceInfo(Handle deviceSet, std::uint32_t index, DeviceData& data) = 0;
    // SetupDiOpenDevRegKey(global, profile 0, hardware key, KEY_READ): a key or invalidHandle.
    virtual Handle openDevRegKey(Handle deviceSet, const DeviceData& data) = 0;
    // SetupDiGetDeviceRegistryPropertyA: on failure lastError() tells why; when it is
    // errorInsufficientBuffer, type and requiredSize are reported.
    virtual bool getDeviceRegistryProperty(Handle deviceSet, const DeviceData& data,
                                           std::uint32_t property, std::uint32_t& type,
                                           char* buffer, std::uint32_t size,
                                           std::uint32_t& requiredSize) = 0;
    // GetLastError for the calls above.
    virtual std::uint32_t lastError() = 0;
    // SetupDiDestroyDeviceInfoList.
    virtual void destroyDeviceInfoList(Handle deviceSet) = 0;

    // CM_Get_Device_IDA(node, buffer, length, 0).
    virtual std::uint32_t getDeviceId(DevNode node, char* buffer, std::uint32_t length) = 0;
    // CM_Get_DevNode_Status: only the result code.
    virtual std::uint32_t getDevNodeStatus(DevNode node) = 0;
    // CM_Get_Parent(&parent, node, 0).
    virtual std::uint32_t getParent(DevNode& parent, DevNode node) = 0;

    // RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE, &key).
    virtual long openLocalMachineKey(const char* path, Handle& key) = 0;
    // RegQueryValueExA: errorMoreData with the needed size when the buffer is too small.
    virtual long queryValue(Handle key, const char* name, std::uint32_t& type, char* buffer,
                            std::uint32_t& size) = 0;
    // RegEnumValueA without the type: errorMoreData with the needed data size when the data
    // buffer is too small, errorNoMoreItems after the last value.
    virtual long enumValue(Handle key, std::uint32_t index, char* name, std::uint32_t& nameLength,
                           char* data, std::uint32_t& dataSize) = 0;
    // RegCloseKey.
    virtual void closeKey(Handle key) = 0;
};

// The calls of an open port. The Linux backend answers them through termios.
class PortFiles {
public:
    virtual ~PortFiles() = default;

    // CreateFileA(path, GENERIC_READ | GENERIC_WRITE, unshared, no security, OPEN_EXISTING,
    // no flags, no template): a synchronous handle of the port, or invalidHandle.
    virtual Handle createFile(const std::string& path) = 0;
    // GetCommState and SetCommState.
    virtual bool getCommState(Handle file, CommState& state) = 0;
    virtual bool setCommState(Handle file, const CommState& state) = 0;
    // SetupComm: the queue sizes in bytes.
    virtual bool setupComm(Handle file, std::uint32_t inQueue, std::uint32_t outQueue) = 0;
    // PurgeComm with the purge flags above.
    virtual bool purgeComm(Handle file, std::uint32_t flags) = 0;
    // SetCommTimeouts: how long the next reads and writes may wait.
    virtual bool setCommTimeouts(Handle file, const CommTimeouts& timeouts) = 0;
    // ReadFile and WriteFile without overlapping: done is the count transferred.
    virtual bool readFile(Handle file, char* buffer, std::uint32_t size, std::uint32_t& done) = 0;
    virtual bool writeFile(Handle file, const char* buffer, std::uint32_t size,
                           std::uint32_t& done) = 0;
    // FlushFileBuffers: waits until the output has been transmitted.
    virtual bool flushFileBuffers(Handle file) = 0;
    // CloseHandle.
    virtual void closeHandle(Handle file) = 0;
};

// Receives the news that the machine's serial ports may have changed.
class PortListener {
public:
    virtual ~PortListener() = default;
    virtual void portsChanged() = 0;
};

// A Windows machine as the library sees it, the system's own or a scripted one. A scripted
// machine also says when its ports change, to the one listener that subscribed.
class Platform : public DeviceSetup, public PortFiles {
public:
    // listener, or nullptr for none, hears of every change from now on.
    void subscribe(PortListener* listener) { this->listener = listener; }

protected:
    void announceChange() {
        if (listener != nullptr)
            listener->portsChanged();
    }

private:
    PortListener* listener = nullptr;
};

// The platform a test installed, or nullptr when the system's own is in use.
Platform* installedPlatform();

// Makes backend the process's platform; nullptr brings back the system's own.
void installPlatform(Platform* backend);

// The port calls of the installed platform, else of the system's backend.
PortFiles& portFiles();

// The system's port calls, defined by the platform file the build selects.
PortFiles& systemPortFiles();

} // namespace RS232
