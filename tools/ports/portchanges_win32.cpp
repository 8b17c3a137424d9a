#include "portchanges.h"

#include "rs232/devicechange.h"
#include "rs232/portnotification_win32.h"

namespace {

bool noticed = false;

LRESULT CALLBACK receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (RS232::portChangeOf(message, wParam, reinterpret_cast<const void*>(lParam)) !=
        RS232::PortChange::none)
        noticed = true;
    return DefWindowProcW(window, message, wParam, lParam);
}

// A window registered for the COM port interface; nullptr when Windows refused.
HWND noticeWindow() {
    HWND window = RS232::messageOnlyWindow(L"VexaloPortChanges", receive);
    if (window != nullptr && RS232::registerPortNotification(window) == nullptr) {
        DestroyWindow(window);
        window = nullptr;
    }
    return window;
}

// Handles the messages that arrive within timeoutMs (INFINITE for none): true when a port
// notice was among them.
bool noticedWithin(DWORD timeoutMs) {
    noticed = false;
    if (MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs, QS_ALLINPUT) == WAIT_OBJECT_0) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
    return noticed;
}

} // namespace

void waitForPortChange() {
    static const HWND window = noticeWindow();
    if (window == nullptr) {
        Sleep(2000);
        return;
    }
    while (!noticedWithin(INFINITE)) {
    }
    while (noticedWithin(300)) {
    }
}
