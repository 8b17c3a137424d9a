#include "rs232/fileio_linux.h"
#include "rs232/platform.h"
#include "rs232/termios_linux.h"

#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

// The port handle on Linux: a non-blocking descriptor of the terminal device, locked for this
// process, whose reads and writes wait as the time-outs set for it say.
namespace RS232 {

namespace {

int descriptor(Handle file) {
    return static_cast<int>(file);
}

// "\\.\ttyUSB0" names /dev/ttyUSB0; "\\.\/dev/pts/3" names /dev/pts/3.
std::string devicePath(const std::string& path) {
    const std::string prefix = "\\\\.\\";
    if (path.compare(0, prefix.size(), prefix) != 0)
        return path;
    const std::string name = path.substr(prefix.size());
    return name.compare(0, 1, "/") == 0 ? name : "/dev/" + name;
}

class LinuxPortFiles : public PortFiles {
public:
    Handle createFile(const std::string& path) override;
    bool getCommState(Handle file, CommState& state) override;
    bool setCommState(Handle file, const CommState& state) override;
    bool setupComm(Handle file, std::uint32_t inQueue, std::uint32_t outQueue) override;
    bool purgeComm(Handle file, std::uint32_t flags) override;
    bool setCommTimeouts(Handle file, const CommTimeouts& timeouts) override;
    bool readFile(Handle file, char* buffer, std::uint32_t size, std::uint32_t& done) override;
    bool writeFile(Handle file, const char* buffer, std::uint32_t size,
                   std::uint32_t& done) override;
    bool flushFileBuffers(Handle file) override;
    void closeHandle(Handle file) override;

private:
    CommTimeouts timeoutsOf(Handle file);

    std::mutex mutex;
    std::map<Handle, CommTimeouts> fileTimeouts;
};

// Windows opens a port unshared; the lock keeps out every other open through this library, the
// terminal's exclusive mode other programs that are not privileged.
Handle LinuxPortFiles::createFile(const std::string& path) {
    const int file = ::open(devicePath(path).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0)
        return invalidHandle;
    if (::flock(file, LOCK_EX | LOCK_NB) != 0) {
        ::close(file);
        return invalidHandle;
    }
    ::ioctl(file, TIOCEXCL);
    return file;
}

bool LinuxPortFiles::getCommState(Handle file, CommState& state) {
    termios settings{};
    if (::tcgetattr(descriptor(file), &settings) != 0)
        return false;
    state = termiosmap::commStateOf(settings);
    return true;
}

bool LinuxPortFiles::setCommState(Handle file, const CommState& state) {
    termios settings{};
    return ::tcgetattr(descriptor(file), &settings) == 0 &&
           termiosmap::applyCommState(state, settings) &&
           ::tcsetattr(descriptor(file), TCSANOW, &settings) == 0;
}

// The kernel's queues have a fixed size.
bool LinuxPortFiles::setupComm(Handle file, std::uint32_t, std::uint32_t) {
    return ::isatty(descriptor(file));
}

bool LinuxPortFiles::purgeComm(Handle file, std::uint32_t flags) {
    const bool input = flags & (purgeRxAbort | purgeRxClear);
    const bool output = flags & (purgeTxAbort | purgeTxClear);
    if (!input && !output)
        return true;
    const int queue = input && output ? TCIOFLUSH : (input ? TCIFLUSH : TCOFLUSH);
    return ::tcflush(descriptor(file), queue) == 0;
}

bool LinuxPortFiles::setCommTimeouts(Handle file, const CommTimeouts& timeouts) {
    if (!::isatty(descriptor(file)))
        return false;
    std::lock_guard<std::mutex> lock(mutex);
    fileTimeouts[file] = timeouts;
    return true;
}

CommTimeouts LinuxPortFiles::timeoutsOf(Handle file) {
    std::lock_guard<std::mutex> lock(mutex);
    const auto known = fileTimeouts.find(file);
    return known != fileTimeouts.end() ? known->second : CommTimeouts{};
}

bool LinuxPortFiles::readFile(Handle file, char* buffer, std::uint32_t size, std::uint32_t& done) {
    return fileio::read(descriptor(file), buffer, size, timeoutsOf(file), done);
}

bool LinuxPortFiles::writeFile(Handle file, const char* buffer, std::uint32_t size,
                               std::uint32_t& done) {
    return fileio::write(descriptor(file), buffer, size, timeoutsOf(file), done);
}

bool LinuxPortFiles::flushFileBuffers(Handle file) {
    return ::tcdrain(descriptor(file)) == 0;
}

void LinuxPortFiles::closeHandle(Handle file) {
    {
        std::lock_guard<std::mutex> lock(mutex);
        fileTimeouts.erase(file);
    }
    ::ioctl(descriptor(file), TIOCNXCL);
    ::close(descriptor(file));
}

} // namespace

PortFiles& systemPortFiles() {
    static LinuxPortFiles system;
    return system;
}

} // namespace RS232
