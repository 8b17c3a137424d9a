#include "storage/networkfile.h"

#include "storage/backups.h"
#include "storage/filewrite.h"

#include <QCoreApplication>
#include <QFile>

#include <stdexcept>

namespace storage {

namespace {

bool replaceNetworkFile(const std::string& path, const QByteArray& content, FileForm form) {
    ConfigurationBackup backup(path);
    if (!replaceFileContent(QString::fromStdString(path), content, form)) {
        return false;
    }
    backup.keep();
    return true;
}

} // namespace

QByteArray readNetworkFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly | QIODevice::Text) ? file.readAll() : QByteArray();
}

QByteArray readNetworkBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray content = file.readAll();
        if (file.error() == QFileDevice::NoError) {
            return content;
        }
    }
    const QString message = QCoreApplication::translate("NetworkFile", "Unable to read file \"%1\"")
                                .arg(file.fileName());
    throw std::runtime_error(message.toUtf8().toStdString());
}

bool writeNetworkFile(const std::string& path, const QByteArray& text) {
    return replaceNetworkFile(path, text, FileForm::text);
}

bool installNetworkFile(const std::string& path, const QByteArray& content) {
    return replaceNetworkFile(path, content, FileForm::binary);
}

QString writeFailure(const QString& path) {
    return QCoreApplication::translate("NetworkFile", "Unable to write file \"%1\"").arg(path);
}

} // namespace storage
