#include "rs232/enumerate_win32.h"
#include "rs232/platform.h"

#include <windows.h>

#include <cfgmgr32.h>
#include <setupapi.h>

#include <cstddef>
#include <cstring>

// The Windows backend: each operation is the system call it is named after.
namespace RS232 {

namespace {

template <typename Pointer> Pointer toPointer(Handle handle) {
    return reinterpret_cast<Pointer>(handle);
}

template <typename Pointer> Handle fromPointer(Pointer pointer) {
    return reinterpret_cast<Handle>(pointer);
}

GUID toGuid(const Guid& guid) {
    GUID system;
    system.Data1 = guid.data1;
    system.Data2 = guid.data2;
    system.Data3 = guid.data3;
    std::memcpy(system.Data4, guid.data4, sizeof system.Data4);
    return system;
}

Guid fromGuid(const GUID& system) {
    Guid guid;
    guid.data1 = system.Data1;
    guid.data2 = system.Data2;
    guid.data3 = system.Data3;
    std::memcpy(guid.data4, system.Data4, sizeof guid.data4);
    return guid;
}

SP_DEVINFO_DATA toDevInfoData(const DeviceData& data) {
    SP_DEVINFO_DATA system{};
    system.cbSize = sizeof system;
    system.ClassGuid = toGuid(data.classGuid);
    system.DevInst = data.devInst;
    system.Reserved = data.reserved;
    return system;
}

// DCB's bit fields follow BaudRate as one 32-bit word.
constexpr std::size_t dcbFlagsOffset = offsetof(DCB, BaudRate) + sizeof(DWORD);

CommState fromDcb(const DCB& dcb) {
    CommState state{};
    state.baudRate = dcb.BaudRate;
    std::memcpy(&state.flags, reinterpret_cast<const char*>(&dcb) + dcbFlagsOffset,
                sizeof state.flags);
    state.xonLim = dcb.XonLim;
    state.xoffLim = dcb.XoffLim;
    state.byteSize = dcb.ByteSize;
    state.parity = dcb.Parity;
    state.stopBits = dcb.StopBits;
    state.xonChar = dcb.XonChar;
    state.xoffChar = dcb.XoffChar;
    state.errorChar = dcb.ErrorChar;
    state.eofChar = dcb.EofChar;
    state.evtChar = dcb.EvtChar;
    return state;
}

DCB toDcb(const CommState& state) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    dcb.BaudRate = state.baudRate;
    std::memcpy(reinterpret_cast<char*>(&dcb) + dcbFlagsOffset, &state.flags, sizeof state.flags);
    dcb.XonLim = state.xonLim;
    dcb.XoffLim = state.xoffLim;
    dcb.ByteSize = state.byteSize;
    dcb.Parity = state.parity;
    dcb.StopBits = state.stopBits;
    dcb.XonChar = state.xonChar;
    dcb.XoffChar = state.xoffChar;
    dcb.ErrorChar = state.errorChar;
    dcb.EofChar = state.eofChar;
    dcb.EvtChar = state.evtChar;
    return dcb;
}

class Win32Platform : public Platform {
public:
    Handle getClassDevs(const Guid& guid, std::uint32_t flags) override {
        const GUID system = toGuid(guid);
        return fromPointer(SetupDiGetClassDevsA(&system, nullptr, nullptr, flags));
    }

    bool enumDeviceInfo(Handle deviceSet, std::uint32_t index, DeviceData& data) override {
        SP_DEVINFO_DATA system{};
        system.cbSize = sizeof system;
        if (!SetupDiEnumDeviceInfo(toPointer<HDEVINFO>(deviceSet), index, &system))
            return false;
        data.classGuid = fromGuid(system.ClassGuid);
        data.devInst = system.DevInst;
        data.reserved = system.Reserved;
        return true;
    }

    Handle openDevRegKey(Handle deviceSet, const DeviceData& data) override {
        SP_DEVINFO_DATA system = toDevInfoData(data);
        return fromPointer(SetupDiOpenDevRegKey(toPointer<HDEVINFO>(deviceSet), &system,
                                                DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ));
    }

    bool getDeviceRegistryProperty(Handle deviceSet, const DeviceData& data, std::uint32_t property,
                                   std::uint32_t& type, char* buffer, std::uint32_t size,
                                   std::uint32_t& requiredSize) override {
        SP_DEVINFO_DATA system = toDevInfoData(data);
        DWORD systemType = 0;
        DWORD required = 0;
        const BOOL done = SetupDiGetDeviceRegistryPropertyA(
            toPointer<HDEVINFO>(deviceSet), &system, property, &systemType,
            reinterpret_cast<PBYTE>(buffer), size, &required);
        type = systemType;
        requiredSize = required;
        return done;
    }

    std::uint32_t lastError() override { return GetLastError(); }

    void destroyDeviceInfoList(Handle deviceSet) override {
        SetupDiDestroyDeviceInfoList(toPointer<HDEVINFO>(deviceSet));
    }

    std::uint32_t getDeviceId(DevNode node, char* buffer, std::uint32_t length) override {
        return CM_Get_Device_IDA(node, buffer, length, 0);
    }

    std::uint32_t getDevNodeStatus(DevNode node) override {
        ULONG status = 0;
        ULONG problem = 0;
        return CM_Get_DevNode_Status(&status, &problem, node, 0);
    }

    std::uint32_t getParent(DevNode& parent, DevNode node) override {
        DEVINST system = 0;
        const CONFIGRET result = CM_Get_Parent(&system, node, 0);
        parent = system;
        return result;
    }

    long openLocalMachineKey(const char* path, Handle& key) override {
        HKEY system = nullptr;
        const LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE, &system);
        if (result == ERROR_SUCCESS)
            key = fromPointer(system);
        return result;
    }

    long queryValue(Handle key, const char* name, std::uint32_t& type, char* buffer,
                    std::uint32_t& size) override {
        DWORD systemType = 0;
        DWORD systemSize = size;
        const LONG result = RegQueryValueExA(toPointer<HKEY>(key), name, nullptr, &systemType,
                                             reinterpret_cast<LPBYTE>(buffer), &systemSize);
        type = systemType;
        size = systemSize;
        return result;
    }

    long enumValue(Handle key, std::uint32_t index, char* name, std::uint32_t& nameLength,
                   char* data, std::uint32_t& dataSize) override {
        DWORD systemNameLength = nameLength;
        DWORD systemDataSize = dataSize;
        const LONG result =
            RegEnumValueA(toPointer<HKEY>(key), index, name, &systemNameLength, nullptr, nullptr,
                          reinterpret_cast<LPBYTE>(data), &systemDataSize);
        nameLength = systemNameLength;
        dataSize = systemDataSize;
        return result;
    }

    void closeKey(Handle key) override { RegCloseKey(toPointer<HKEY>(key)); }

    Handle createFile(const std::string& path) override {
        return fromPointer(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                       OPEN_EXISTING, 0, nullptr));
    }

    bool getCommState(Handle file, CommState& state) override {
        DCB dcb{};
        dcb.DCBlength = sizeof dcb;
        if (!GetCommState(toPointer<HANDLE>(file), &dcb))
            return false;
        state = fromDcb(dcb);
        return true;
    }

    bool setCommState(Handle file, const CommState& state) override {
        DCB dcb = toDcb(state);
        return SetCommState(toPointer<HANDLE>(file), &dcb);
    }

    bool setupComm(Handle file, std::uint32_t inQueue, std::uint32_t outQueue) override {
        return SetupComm(toPointer<HANDLE>(file), inQueue, outQueue);
    }

    bool purgeComm(Handle file, std::uint32_t flags) override {
        return PurgeComm(toPointer<HANDLE>(file), flags);
    }

    bool setCommTimeouts(Handle file, const CommTimeouts& timeouts) override {
        COMMTIMEOUTS system{timeouts.readIntervalTimeout, timeouts.readTotalTimeoutMultiplier,
                            timeouts.readTotalTimeoutConstant, timeouts.writeTotalTimeoutMultiplier,
                            timeouts.writeTotalTimeoutConstant};
        return SetCommTimeouts(toPointer<HANDLE>(file), &system);
    }

    bool readFile(Handle file, char* buffer, std::uint32_t size, std::uint32_t& done) override {
        DWORD count = 0;
        const BOOL result = ReadFile(toPointer<HANDLE>(file), buffer, size, &count, nullptr);
        done = count;
        return result;
    }

    bool writeFile(Handle file, const char* buffer, std::uint32_t size,
                   std::uint32_t& done) override {
        DWORD count = 0;
        const BOOL result = WriteFile(toPointer<HANDLE>(file), buffer, size, &count, nullptr);
        done = count;
        return result;
    }

    bool flushFileBuffers(Handle file) override {
        return FlushFileBuffers(toPointer<HANDLE>(file));
    }

    void closeHandle(Handle file) override { CloseHandle(toPointer<HANDLE>(file)); }
};

Win32Platform& systemPlatform() {
    static Win32Platform system;
    return system;
}

} // namespace

PortFiles& systemPortFiles() {
    return systemPlatform();
}

void Serial::enumerate(std::vector<Serial>& ports) {
    Platform* const installed = installedPlatform();
    enumerateDeviceSetup(installed ? *installed : systemPlatform(), ports);
}

} // namespace RS232
