// Times the Linux enumeration of a fake sysfs tree of 64 USB serial adapters against a floor:
// the bare reads of the same sysfs entries, each link one readlink and each attribute one open,
// read and close, with every path worked out before the clock starts.
//   bench_rs232_enumerate          the timings
//   bench_rs232_enumerate FOLDER   only builds the tree in FOLDER and keeps it, so that
//                                  vexalo-ports can be run against it with /sys bound to it
#include "fakesysfs.h"
#include "rs232/enumerate_linux.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int portCount = 64;
constexpr int rounds = 100;

std::string usbPort(int port) {
    return "1-" + std::to_string(port + 1);
}

void buildTree(const fs::path& root) {
    RS232::test::FakeSysfs sysfs(root);
    for (int port = 0; port < portCount; ++port) {
        const std::string number = std::to_string(port);
        sysfs.addUsbSerial(usbPort(port),
                           "idVendor=10c4;idProduct=ea60;serial=SN" + number +
                               ";manufacturer=Silicon Labs;"
                               "product=CP2102 USB to UART Bridge Controller",
                           "ttyUSB" + number, "cp210x");
    }
}

struct Entry {
    std::string path;
    bool link;
};

// What enumerating the tree reads for each port: the tty's class link, device link and type;
// the bus and driver of the port device, the bus and name of its interface, the bus and
// attributes of the USB device.
std::vector<Entry> entriesRead(const fs::path& root) {
    std::vector<Entry> entries;
    for (int port = 0; port < portCount; ++port) {
        const std::string tty = "ttyUSB" + std::to_string(port);
        const std::string usb =
            (root / "devices" / RS232::test::FakeSysfs::hub).string() + "/" + usbPort(port);
        const std::string interface = usb + "/" + usbPort(port) + ":1.0";
        const std::string device = interface + "/" + tty;
        for (const std::string& link :
             {(root / "class/tty" / tty).string(), device + "/tty/" + tty + "/device",
              device + "/subsystem", interface + "/subsystem", usb + "/subsystem",
              device + "/driver"})
            entries.push_back({link, true});
        for (const std::string& attribute :
             {device + "/tty/" + tty + "/type", interface + "/interface", usb + "/product",
              usb + "/manufacturer", usb + "/idVendor", usb + "/idProduct", usb + "/serial"})
            entries.push_back({attribute, false});
    }
    return entries;
}

// Lists class/tty and reads every entry; the count of entries that could be read.
std::size_t bareReads(const std::string& classTty, const std::vector<Entry>& entries) {
    std::size_t read = 0;
    if (DIR* folder = ::opendir(classTty.c_str())) {
        while (::readdir(folder)) {
        }
        ::closedir(folder);
    }
    char buffer[4096];
    for (const Entry& entry : entries) {
        if (entry.link) {
            read += ::readlink(entry.path.c_str(), buffer, sizeof buffer) > 0;
            continue;
        }
        const int file = ::open(entry.path.c_str(), O_RDONLY | O_CLOEXEC);
        if (file < 0)
            continue;
        read += ::read(file, buffer, sizeof buffer) > 0;
        ::close(file);
    }
    return read;
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
    const std::vector<Entry> entries = entriesRead(root);
    const std::string classTty = (root / "class/tty").string();

    std::vector<std::size_t> found;
    const std::vector<double> best =
        bestMicroseconds({[&root] {
                              std::vector<RS232::Serial> ports;
                              RS232::enumerateSysfs(root.string(), ports);
                              return ports.size();
                          },
                          [&] { return bareReads(classTty, entries); }},
                         found);
    fs::remove_all(pattern);

    std::printf("enumerate, %d ports: %.0f us (%zu listed)\n", portCount, best[0], found[0]);
    std::printf("floor, bare reads of the same %zu entries: %.0f us (%zu read)\n", entries.size(),
                best[1], found[1]);
    std::printf("ratio: %.2f (at most 2)\n", best[0] / best[1]);
    return found[0] == portCount ? 0 : 1;
}
