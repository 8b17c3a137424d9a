#include "rs232/portnotification_win32.h"

#include "rs232/platform.h"

#include <dbt.h>

#include <cstring>

namespace RS232 {

void* registerPortNotification(HWND window) {
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid.Data1 = guidDevinterfaceComport.data1;
    filter.dbcc_classguid.Data2 = guidDevinterfaceComport.data2;
    filter.dbcc_classguid.Data3 = guidDevinterfaceComport.data3;
    std::memcpy(filter.dbcc_classguid.Data4, guidDevinterfaceComport.data4,
                sizeof filter.dbcc_classguid.Data4);
    return RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}

void unregisterPortNotification(void* registration) {
    if (registration != nullptr)
        UnregisterDeviceNotification(static_cast<HDEVNOTIFY>(registration));
}

HWND messageOnlyWindow(const wchar_t* className, WNDPROC procedure) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, className, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           windowClass.hInstance, nullptr);
}

} // namespace RS232
