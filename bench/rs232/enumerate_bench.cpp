// Times Serial::enumerate on a fake sysfs tree of 64 USB serial adapters, against a floor: the
// least file-system work any sysfs enumeration does, listing class/tty and resolving each
// tty's device link.
#include "fakesysfs.h"
#include "rs232/platform_linux.h"
#include "rs232/serial.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int portCount = 64;
constexpr int rounds = 20;

void buildTree(const fs::path& root) {
    RS232::test::FakeSysfs sysfs(root);
    for (int port = 0; port < portCount; ++port) {
        const std::string number = std::to_string(port);
        sysfs.addUsbSerial({"1-" + std::to_string(port + 1), "10c4", "ea60", "SN" + number,
                            "Silicon Labs", "CP2102 USB to UART Bridge Controller"},
                           "ttyUSB" + number, "cp210x");
    }
}

// The best of several rounds, in microseconds.
double bestMicroseconds(const std::function<std::size_t()>& work, std::size_t& result) {
    double best = 1e300;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        result = work();
        const std::chrono::duration<double, std::micro> spent =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, spent.count());
    }
    return best;
}

std::size_t enumerate() {
    std::vector<RS232::Serial> ports;
    RS232::Serial::enumerate(ports);
    return ports.size();
}

std::size_t resolveTtyLinks(const fs::path& root) {
    std::size_t found = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(root / "class/tty")) {
        std::error_code error;
        found += fs::canonical(entry.path() / "device", error).empty() ? 0 : 1;
    }
    return found;
}

} // namespace

int main() {
    char pattern[] = "/tmp/rs232-bench-XXXXXX";
    if (!mkdtemp(pattern)) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path root = fs::path(pattern) / "sys";
    buildTree(root);
    RS232::LinuxPlatform backend(root);
    RS232::installPlatform(&backend);

    std::size_t listed = 0;
    std::size_t resolved = 0;
    const double enumeration = bestMicroseconds(enumerate, listed);
    const double floor = bestMicroseconds([&root] { return resolveTtyLinks(root); }, resolved);
    RS232::installPlatform(nullptr);
    fs::remove_all(pattern);

    std::printf("enumerate, %d ports: %.0f us (%zu listed)\n", portCount, enumeration, listed);
    std::printf("floor, list class/tty and resolve device links: %.0f us (%zu resolved)\n", floor,
                resolved);
    std::printf("ratio: %.1f\n", enumeration / floor);
    return listed == portCount ? 0 : 1;
}
