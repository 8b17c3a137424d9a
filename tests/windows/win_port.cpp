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
        const DWORD start = GetTickCount();
        com5.blocking(true);
        const HANDLE sender = CreateThread(
            nullptr, 0,
            [](void* port) -> DWORD {
                Sleep(200);
                return static_cast<Serial*>(port)->write("abc", 3);
            },
            &com6, 0, nullptr);
        check(com5.read(buffer, 3) == 3 && GetTickCount() - start >= 150, "blocking read waits");
        check(std::string(buffer, 3) == "abc", "bytes read in blocking mode");
        WaitForSingleObject(sender, INFINITE);
        CloseHandle(sender);
        Serial("COM9", "").open();
        check(false, "COM9 opens");
    } catch (const std::runtime_error& error) {
        check(std::string(error.what()) == "Unable to open file: COM9", error.what());
    }
    return check.summary();
}
