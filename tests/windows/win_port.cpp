// The port handle through the real file and communications functions. COM5 and COM6 are the two
// ends of a pseudo-terminal pair, so whatever one end writes the other can read.
#include "check.h"
#include "rs232/serial.h"

#include <windows.h>

#include <stdexcept>
#include <utility>

using RS232::Serial;

// Whether the bytes waiting in port's input queue come to count within a minute.
bool queueReaches(const Serial& port, DWORD count) {
    for (int poll = 0; poll < 6000; ++poll) {
        COMSTAT status{};
        DWORD errors = 0;
        if (ClearCommError(reinterpret_cast<HANDLE>(port.handle), &errors, &status) &&
            status.cbInQue == count)
            return true;
        Sleep(10);
    }
    return false;
}

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
        // The second half is sent only once the read has taken the first from COM5's input
        // queue: a read that did not wait for all it asked for returns with the first half only.
        com5.blocking(true);
        check(com6.write("abc", 3) == 3 && queueReaches(com5, 3), "first half at COM5");
        std::pair<Serial*, Serial*> ends{&com6, &com5};
        const HANDLE sender = CreateThread(
            nullptr, 0,
            [](void* pair) -> DWORD {
                auto [sending, reading] = *static_cast<std::pair<Serial*, Serial*>*>(pair);
                return queueReaches(*reading, 0) && sending->write("def", 3) == 3;
            },
            &ends, 0, nullptr);
        check(com5.read(buffer, 6) == 6, "blocking read waits for all it asked for");
        check(std::string(buffer, 6) == "abcdef", "bytes read in blocking mode");
        WaitForSingleObject(sender, INFINITE);
        DWORD sent = 0;
        check(GetExitCodeThread(sender, &sent) && sent == 1,
              "second half sent once the first was taken");
        CloseHandle(sender);
        Serial("COM9", "").open();
        check(false, "COM9 opens");
    } catch (const std::runtime_error& error) {
        check(std::string(error.what()) == "Unable to open file: COM9", error.what());
    }
    return check.summary();
}
