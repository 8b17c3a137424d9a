#pragma once

#include <windows.h>

namespace RS232 {

// Asks Windows to send the window WM_DEVICECHANGE whenever a device with the COM port interface
// arrives or goes: the registration, or nullptr when Windows refused.
void* registerPortNotification(HWND window);

// Ends a registration; nullptr is none.
void unregisterPortNotification(void* registration);

// A window of its own class that only receives messages, for a program without windows to be
// told of ports through procedure; nullptr when Windows refused.
HWND messageOnlyWindow(const wchar_t* className, WNDPROC procedure);

} // namespace RS232
