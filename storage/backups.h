#pragma once

#include <QString>

#include <string>

namespace storage {

// Keeps the version of the configuration file that a save replaces, in the folder "backups" of
// the editor's own data directory: the newest five, each named after the time (UTC) it was
// replaced. A backup that cannot be made costs only that backup, never the save.
class ConfigurationBackup {
public:
    // Copies the file at path aside when it is the configuration file and exists.
    explicit ConfigurationBackup(const std::string& path);
    // Removes the copy unless the save went through.
    ~ConfigurationBackup();
    ConfigurationBackup(const ConfigurationBackup&) = delete;
    ConfigurationBackup& operator=(const ConfigurationBackup&) = delete;

    // The save replaced the file: the copy stays, and backups beyond the newest five go.
    void keep();

private:
    QString folder;
    QString copy; // empty when none was made
    bool kept = false;
};

} // namespace storage
