#include "rs232/fileio_linux.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <poll.h>
#include <unistd.h>

namespace RS232::fileio {

namespace {

using Clock = std::chrono::steady_clock;

// A point in time a transfer must end by, or none.
class Deadline {
public:
    Deadline(std::uint32_t multiplier, std::uint32_t constant, std::uint32_t size) {
        const std::uint64_t total = std::uint64_t(multiplier) * size + constant;
        bounded = total != 0;
        end = Clock::now() + std::chrono::milliseconds(total);
    }

    // Milliseconds left, for poll: -1 without a deadline, 0 once it has passed.
    int left() const {
        if (!bounded)
            return -1;
        const auto rest =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        return int(std::clamp<long long>(rest, 0, 1 << 30));
    }

private:
    bool bounded;
    Clock::time_point end;
};

// Waits at most timeout milliseconds (-1 for ever) for the descriptor to be ready; false when
// the time ran out.
bool waitFor(int file, short events, int timeout) {
    if (timeout == 0)
        return false;
    pollfd ready{file, events, 0};
    int result;
    do
        result = ::poll(&ready, 1, timeout);
    while (result < 0 && errno == EINTR);
    return result != 0;
}

bool mustWait() {
    return errno == EAGAIN || errno == EWOULDBLOCK;
}

} // namespace

bool read(int file, char* buffer, std::uint32_t size, const CommTimeouts& timeouts,
          std::uint32_t& done) {
    done = 0;
    const bool returnAtOnce = timeouts.readIntervalTimeout == maxDword &&
                              timeouts.readTotalTimeoutMultiplier == 0 &&
                              timeouts.readTotalTimeoutConstant == 0;
    const int interval = returnAtOnce ? 0 : int(std::min(timeouts.readIntervalTimeout, 1u << 30));
    const Deadline deadline(timeouts.readTotalTimeoutMultiplier, timeouts.readTotalTimeoutConstant,
                            size);
    while (done < size) {
        const ssize_t count = ::read(file, buffer + done, size - done);
        if (count > 0) {
            done += std::uint32_t(count);
            continue;
        }
        if (count == 0)
            return true;
        if (errno == EINTR)
            continue;
        if (!mustWait())
            return false;
        if (returnAtOnce)
            return true;
        int wait = deadline.left();
        if (interval != 0 && done > 0 && (wait < 0 || wait > interval))
            wait = interval;
        if (!waitFor(file, POLLIN, wait))
            return true;
    }
    return true;
}

bool write(int file, const char* buffer, std::uint32_t size, const CommTimeouts& timeouts,
           std::uint32_t& done) {
    done = 0;
    const Deadline deadline(timeouts.writeTotalTimeoutMultiplier,
                            timeouts.writeTotalTimeoutConstant, size);
    while (done < size) {
        const ssize_t count = ::write(file, buffer + done, size - done);
        if (count > 0) {
            done += std::uint32_t(count);
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && !mustWait())
            return false;
        if (!waitFor(file, POLLOUT, deadline.left()))
            return true;
    }
    return true;
}

} // namespace RS232::fileio
