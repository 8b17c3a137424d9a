// The device-change messages as Windows' own structures lay them out, decoded; and a message-only
// window registered for the COM port interface through the real user32. Wine sends no such message
// for serial ports, so the test sends them to its own window.
#include "check.h"
#include "rs232/devicechange.h"
#include "rs232/portnotification_win32.h"

#include <dbt.h>

namespace {

RS232::PortChange received = RS232::PortChange::none;

LRESULT CALLBACK receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const RS232::PortChange change =
        RS232::portChangeOf(message, wParam, reinterpret_cast<const void*>(lParam));
    if (change != RS232::PortChange::none)
        received = change;
    return DefWindowProcW(window, message, wParam, lParam);
}

DEV_BROADCAST_DEVICEINTERFACE_W broadcast(const GUID& interfaceGuid) {
    DEV_BROADCAST_DEVICEINTERFACE_W message{};
    message.dbcc_size = sizeof message;
    message.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    message.dbcc_classguid = interfaceGuid;
    return message;
}

} // namespace

int main() {
    Checks check;
    const GUID comPort = {
        0x86E0D1E0, 0x8089, 0x11D0, {0x9C, 0xE4, 0x08, 0x00, 0x3E, 0x30, 0x1F, 0x73}};
    const GUID modem = {
        0x2C7089AA, 0x2E0E, 0x11D1, {0xB1, 0x14, 0x00, 0xC0, 0x4F, 0xC2, 0xAA, 0xE4}};
    HWND window = RS232::messageOnlyWindow(L"PortChangeTest", receive);
    check(window != nullptr, "a message-only window");
    void* registration = RS232::registerPortNotification(window);
    check(registration != nullptr, "registered for the COM port interface");

    DEV_BROADCAST_DEVICEINTERFACE_W arrived = broadcast(comPort);
    SendMessageW(window, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(&arrived));
    check(received == RS232::PortChange::arrival, "a COM port arrival");
    SendMessageW(window, WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE,
                 reinterpret_cast<LPARAM>(&arrived));
    check(received == RS232::PortChange::removal, "a COM port removal");
    received = RS232::PortChange::none;
    DEV_BROADCAST_DEVICEINTERFACE_W other = broadcast(modem);
    SendMessageW(window, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(&other));
    check(received == RS232::PortChange::none, "a modem arrival is no port change");

    RS232::unregisterPortNotification(registration);
    DestroyWindow(window);
    return check.summary();
}
