// Times Serial::enumerate on a fake sysfs tree of 64 USB serial adapters, against a floor: the
// least file-system work any sysfs enumeration does, listing class/tty and resolving each
// tty's device link.
//   bench_rs232_enumerate          the timings
//   bench_rs232_enumerate FOLDER   only builds the tree in FOLDER and keeps it, so that
//                                  vexalo-ports can be run against it with /sys bound to it
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
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int portCount = 64;
constexpr int rounds = 20;

void buildTree(const fs::path& root) {
    RS232::test::FakeSysfs sysfs(root);
    for (int port = 0; port < portCount; ++port) {
        const std::string number = std::to_string(port);
        sysfs.addUsbSerial("1-" + std::to_string(port + 1),
                           "idVendor=10c4;idProduct=ea60;serial=SN" + number +
                               ";manufacturer=Silicon Labs;"
                               "product=CP2102 USB to UART Bridge Controller",
                           "ttyUSB" + number, "cp210x");
    }
}

// The best time of each piece of work over several rounds, in microseconds. The rounds
// alternate between them, so that both meet the same state of the machine (the tree's files
// are still being written back when the first round starts).
std::vector<double> bestMicroseconds(const std::vector<std::function<std::size_t()>>& works,
                                     std::vector<std::size_t>& results) {
    std::vector<double> best(works.size(), 1e300);
    results.assign(works.size(), 0);
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t work = 0; work < works.size(); ++work) {
            const auto start = std::chrono::steady_clock::now();
            results[work] = works[work]();
            const std::chrono::duration<double, std::micro> spent =
                std::chrono::steady_clock::now() - start;
            best[work] = std::min(best[work], spent.count());
        }
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

int main(int argc, char* argv[]) {
    if (argc > 1) {
        buildTree(argv[1]);
        return 0;
    }
    char pattern[] = "/tmp/rs232-bench-XXXXXX";
    if (!mkdtemp(pattern)) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path root = fs::path(pattern) / "sys";
    buildTree(root);
    RS232::LinuxPlatform backend(root);
    RS232::installPlatform(&backend);

    std::vector<std::size_t> found;
    const std::vector<double> best =
        bestMicroseconds({enumerate, [&root] { return resolveTtyLinks(root); }}, found);
    const double enumeration = best[0];
    const double floor = best[1];
    const std::size_t listed = found[0];
    const std::size_t resolved = found[1];
    RS232::installPlatform(nullptr);
    fs::remove_all(pattern);

    std::printf("enumerate, %d ports: %.0f us (%zu listed)\n", portCount, enumeration, listed);
    std::printf("floor, list class/tty and resolve device links: %.0f us (%zu resolved)\n", floor,
                resolved);
    std::printf("ratio: %.1f\n", enumeration / floor);
    return listed == portCount ? 0 : 1;
}
