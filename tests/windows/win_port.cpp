// The port handle through the real file and communications functions. COM5 and COM6 are the two
// ends of a pseudo-terminal pair, so whatever one end writes the other can read.
#include "check.h"
#include "rs232/serial.h"

#include <windows.h>

#include <stdexcept>

using RS232::Serial;

int main() {
    Checks check;
    try {
        Serial com5("COM5", "");
        Serial com6("COM6", "");
        com5.open();
        com6.blocking(true);
        com6.open();
        char buffer[16] = {};
        check(com5.write("hello", 5) == 5 && com6.read(buffer, 5) == 5, "COM5 to COM6, blocking");
        check(std::string(buffer, 5) == "hello", "bytes at the other end");
        // Nothing will come, so a read that waited for bytes would never return.
        check(com5.read(buffer, 16) == 0, "read returns at once");
        // The second half is sent well after the first: a read that did not wait for all it asked
        // for returns with the first half only.
        com5.blocking(true);
        const HANDLE sender = CreateThread(
            nullptr, 0,
            [](void* port) -> DWORD {
                auto* sending = static_cast<Serial*>(port);
                const bool first = sending->write("abc", 3) == 3;
                Sleep(200);
                return first && sending->write("def", 3) == 3;
            },
            &com6, 0, nullptr);
        check(com5.read(buffer, 6) == 6, "blocking read waits for all it asked for");
        check(std::string(buffer, 6) == "abcdef", "bytes read in blocking mode");
        WaitForSingleObject(sender, INFINITE);
        DWORD sent = 0;
        check(GetExitCodeThread(sender, &sent) && sent == 1, "both halves sent");
        CloseHandle(sender);
        Serial("COM9", "").open();
        check(false, "COM9 opens");
    } catch (const std::runtime_error& error) {
        check(std::string(error.what()) == "Unable to open file: COM9", error.what());
    }
    return check.summary();
}
