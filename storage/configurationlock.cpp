#include "storage/configurationlock.h"

#include "storage/datalocation.h"

#include <QDebug>

#include <exception>

namespace storage {

ConfigurationLock::ConfigurationLock() {
    QString path;
    try {
        path = QString::fromStdString(appDataDirectory()) + QStringLiteral("/config.lock");
    } catch (const std::exception& error) {
        qDebug() << "Unable to lock the network configuration:" << error.what();
        return;
    }
    file = std::make_unique<QLockFile>(path);
    // A live holder keeps its lock however old it is; only a dead one loses it.
    file->setStaleLockTime(0);
    if (file->tryLock(0)) {
        current = held;
    } else if (file->error() == QLockFile::LockFailedError) {
        current = heldElsewhere;
    } else {
        qDebug() << "Unable to lock the network configuration:" << path << "cannot be written";
    }
}

void ConfigurationLock::keepTrying() {
    if (current != heldElsewhere) {
        return;
    }
    QObject::connect(&retry, &QTimer::timeout, [this] {
        if (file->tryLock(0)) {
            current = held;
            retry.stop();
        }
    });
    retry.start(1000);
}

} // namespace storage
