#pragma once

#include <QLockFile>
#include <QTimer>

#include <memory>

namespace storage {

// Marks the configuration as being edited: a lock file beside the backups, held from creation
// until destruction. A lock left by a process that has ended is taken over; one that cannot be
// made (a folder without write access) is only reported to the debug log, since it must never
// keep the user from the configuration.
class ConfigurationLock {
public:
    enum state_t { held, heldElsewhere, unavailable };

    ConfigurationLock();

    state_t state() const { return current; }

    // For an editor opened all the same while another holds the lock: tries again every second
    // until the other lets go, so that once it closes this one holds the lock in its turn.
    void keepTrying();

private:
    std::unique_ptr<QLockFile> file;
    state_t current = unavailable;
    QTimer retry;
};

} // namespace storage
