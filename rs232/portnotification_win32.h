#pragma once

namespace RS232 {

// Asks Windows to send the window (an HWND) WM_DEVICECHANGE whenever a device with the COM port
// interface arrives or goes: the registration, or nullptr when Windows refused.
void* registerPortNotification(void* window);

// Ends a registration; nullptr is none.
void unregisterPortNotification(void* registration);

} // namespace RS232
