#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <string>

namespace storage {

// Keeps the version of the configuration file that a save replaces, in the folder "backups" of
// the editor's own data directory: the newest five, each named after the time (UTC) it was
// replaced. A backup that cannot be made costs only that backup, never the save, and a save that
// writes the very bytes it replaces keeps none, so the five are always five different versions.
class ConfigurationBackup {
public:
    // Copies the file at path aside when it is the configuration file and exists.
    explicit ConfigurationBackup(const std::string& path);
    // Removes the copy unless the save went through.
    ~ConfigurationBackup();
    ConfigurationBackup(const ConfigurationBackup&) = delete;
    ConfigurationBackup& operator=(const ConfigurationBackup&) = delete;

    // The save replaced the file: unless the file holds the same bytes as before, the copy stays
    // and backups beyond the newest five go.
    void keep();

private:
    QString path;
    QString folder;
    QString copy; // empty when none was made
    bool kept = false;
};

// The kept versions of the configuration file, newest first, as paths.
QStringList configurationBackups();

// The time (UTC) in the name of a kept version.
QDateTime backupTime(const QString& path);

} // namespace storage
