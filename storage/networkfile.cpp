#include "storage/networkfile.h"

#include "storage/backups.h"
#include "storage/filewrite.h"

#include <QFile>
#include <QString>

namespace storage {

QByteArray readNetworkFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly | QIODevice::Text) ? file.readAll() : QByteArray();
}

bool writeNetworkFile(const std::string& path, const QByteArray& text) {
    ConfigurationBackup backup(path);
    if (!replaceFileContent(QString::fromStdString(path), text, FileForm::text)) {
        return false;
    }
    backup.keep();
    return true;
}

} // namespace storage
