// The port handle through the real file and communications functions. COM5 and COM6 are the two
// ends of a pseudo-terminal pair, so whatever one end writes the other can read.
#include "check.h"
#include "rs232/serial.h"

#include <windows.h>

#include <stdexcept>

namespace {

using RS232::Serial;

// Non-blocking reads until count bytes have come or a second has passed.
std::string readSoon(Serial& port, std::size_t count) {
    std::string bytes;
    for (int attempt = 0; attempt < 100 && bytes.size() < count; ++attempt) {
        char buffer[64];
        const int got = port.read(buffer, sizeof buffer);
        if (got > 0)
            bytes.append(buffer, std::size_t(got));
        Sleep(10);
    }
    return bytes;
}

DWORD WINAPI sendLater(void* port) {
    Sleep(200);
    static_cast<Serial*>(port)->write("abc", 3);
    return 0;
}

std::string messageOf(Serial& port) {
    try {
        port.open();
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "";
}

void transfer(Checks& check) {
    Serial com5("COM5", "");
    Serial com6("COM6", "");
    com5.open();
    com6.blocking(true);
    com6.open();

    check.that(com5.write("hello", 5) == 5, "COM5 writes 5 bytes");
    com5.flush();
    char buffer[16] = {};
    check.that(com6.read(buffer, 5) == 5, "blocking read on COM6 gets 5 bytes");
    check.equal(std::string(buffer, 5), "hello", "bytes at the other end");

    const DWORD start = GetTickCount();
    check.that(com5.read(buffer, sizeof buffer) == 0, "non-blocking read without data gives 0");
    check.that(GetTickCount() - start < 500, "non-blocking read returns at once");
    check.that(com6.write("world", 5) == 5, "COM6 writes 5 bytes");
    check.equal(readSoon(com5, 5), "world", "non-blocking read of bytes sent from the other end");

    com5.blocking(true);
    check.that(com5.handle != RS232::invalidHandle, "COM5 open again in blocking mode");
    const HANDLE sender = CreateThread(nullptr, 0, sendLater, &com6, 0, nullptr);
    const DWORD waitStart = GetTickCount();
    check.that(com5.read(buffer, 3) == 3, "blocking read on COM5 gets 3 bytes");
    check.that(GetTickCount() - waitStart >= 150, "blocking read waits for the bytes");
    check.equal(std::string(buffer, 3), "abc", "bytes read in blocking mode");
    WaitForSingleObject(sender, INFINITE);
    CloseHandle(sender);
}

} // namespace

int main() {
    Checks check;
    try {
        transfer(check);
    } catch (const std::runtime_error& error) {
        check.that(false, std::string("transfers through COM5 and COM6: ") + error.what());
    }
    Serial missing("COM9", "");
    check.equal(messageOf(missing), "Unable to open file: COM9", "a port that does not exist");
    return check.summary();
}
