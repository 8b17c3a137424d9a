#include "rs232/platform.h"

#include <windows.h>

#include <cfgmgr32.h>
#include <setupapi.h>

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

    void closeHandle(Handle file) override { CloseHandle(toPointer<HANDLE>(file)); }
};

} // namespace

Platform& systemPlatform() {
    static Win32Platform system;
    return system;
}

} // namespace RS232
