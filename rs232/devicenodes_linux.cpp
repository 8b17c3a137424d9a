#include "rs232/devicenodes_linux.h"

#include <cerrno>
#include <cstring>
#include <sys/inotify.h>
#include <unistd.h>

namespace RS232 {

namespace {

// Serial ports are named tty followed by the driver's own letters: ttyS0, ttyUSB0, ttyACM0.
bool isSerialNode(const inotify_event& event) {
    return event.len > 0 && std::strncmp(event.name, "tty", 3) == 0 && event.name[3] != '\0';
}

} // namespace

DeviceNodeWatch::DeviceNodeWatch(const std::string& folder) {
    watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch >= 0 &&
        ::inotify_add_watch(watch, folder.c_str(),
                            IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ONLYDIR) < 0) {
        ::close(watch);
        watch = -1;
    }
}

DeviceNodeWatch::~DeviceNodeWatch() {
    if (watch >= 0)
        ::close(watch);
}

bool DeviceNodeWatch::terminalNodesChanged() {
    bool changed = false;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(watch, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return changed;
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            // An overflowed queue has lost events, which may have been ports.
            changed |= isSerialNode(*event) || (event->mask & IN_Q_OVERFLOW) != 0;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

} // namespace RS232
