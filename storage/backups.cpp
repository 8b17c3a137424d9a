#include "storage/backups.h"

#include "storage/datalocation.h"
#include "storage/filewrite.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace fs = std::filesystem;

namespace storage {

namespace {

constexpr int versionsKept = 5;
const QString namePrefix = QStringLiteral("config-");
const QString timeFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss.zzz");
// Names of the same length, so that their order is the order of their times.
const QString namePattern = QStringLiteral("config-\?\?\?\?-\?\?-\?\?_\?\?-\?\?-\?\?.\?\?\?.net");

bool isConfigurationFile(const std::string& path) {
    const fs::path file = fs::u8path(path);
    std::error_code error;
    return fs::is_regular_file(file, error) &&
           fs::equivalent(file, fs::u8path(configFileNameBeside(appDataDirectory())), error);
}

QStringList backupsOldestFirst(const QDir& folder) {
    return folder.entryList({namePattern}, QDir::Files, QDir::Name);
}

// Now, or just after the newest backup when the clock has gone back or two saves share a
// millisecond: a new backup always sorts last.
QString nameForNewBackup(const QDir& folder) {
    QDateTime time = QDateTime::currentDateTimeUtc();
    const QStringList existing = backupsOldestFirst(folder);
    if (!existing.isEmpty()) {
        const QDateTime newest = backupTime(existing.last());
        if (newest.isValid() && newest >= time) {
            time = newest.addMSecs(1);
        }
    }
    return namePrefix + time.toString(timeFormat) + QStringLiteral(".net");
}

QByteArray contentOf(const QString& path, bool& read) {
    QFile file(path);
    read = file.open(QIODevice::ReadOnly);
    const QByteArray content = file.readAll();
    read = read && file.error() == QFileDevice::NoError;
    return content;
}

QString backupFolder() {
    return QString::fromStdString(appDataDirectory()) + QStringLiteral("/backups");
}

} // namespace

QStringList configurationBackups() {
    const QDir folder(backupFolder());
    QStringList paths;
    for (const QString& name : backupsOldestFirst(folder)) {
        paths.prepend(folder.filePath(name));
    }
    return paths;
}

QDateTime backupTime(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    QDateTime time =
        QDateTime::fromString(name.mid(namePrefix.size(), timeFormat.size()), timeFormat);
    time.setTimeSpec(Qt::UTC);
    return time;
}

ConfigurationBackup::ConfigurationBackup(const std::string& path)
    : path(QString::fromStdString(path)) {
    try {
        if (!isConfigurationFile(path)) {
            return;
        }
        folder = backupFolder();
        bool read = false;
        const QByteArray content = contentOf(this->path, read);
        const QString name = nameForNewBackup(QDir(folder));
        if (read && QDir().mkpath(folder) &&
            replaceFileContent(folder + QLatin1Char('/') + name, content, FileForm::binary)) {
            copy = folder + QLatin1Char('/') + name;
        } else {
            qWarning() << "Unable to keep a backup of" << path.c_str() << "in" << folder;
        }
    } catch (const std::exception& error) {
        qWarning() << "Unable to keep a backup of" << path.c_str() << ":" << error.what();
    }
}

ConfigurationBackup::~ConfigurationBackup() {
    if (!kept && !copy.isEmpty()) {
        QFile::remove(copy);
    }
}

void ConfigurationBackup::keep() {
    if (copy.isEmpty()) {
        kept = true;
        return;
    }
    // The bytes on the disk decide, whatever form the write gave them.
    bool copyRead = false;
    bool fileRead = false;
    if (contentOf(copy, copyRead) == contentOf(path, fileRead) && copyRead && fileRead) {
        return; // the destructor drops the identical copy
    }
    kept = true;
    QDir backups(folder);
    QStringList names = backupsOldestFirst(backups);
    while (names.size() > versionsKept) {
        backups.remove(names.takeFirst());
    }
}

} // namespace storage
