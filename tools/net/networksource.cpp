#include "networksource.h"

#include "storage/backups.h"
#include "storage/datalocation.h"
#include "storage/networkfile.h"

#include <QCoreApplication>
#include <QIODevice>

#include <stdexcept>

QString backupPath(const QString& number) {
    const QStringList backups = storage::configurationBackups();
    bool valid = false;
    const int index = number.toInt(&valid) - 1;
    if (!valid || index < 0 || index >= backups.size()) {
        const QString message =
            QCoreApplication::translate("NetCommand", "There is no kept version %1 (there are %2)")
                .arg(number)
                .arg(backups.size());
        throw std::runtime_error(message.toStdString());
    }
    return backups[index];
}

NetworkSource networkSource(const QString& argument, QIODevice& input) {
    if (argument == QLatin1String("-")) {
        return {argument, input.readAll()};
    }
    QString path = argument;
    if (argument == QLatin1String("config")) {
        path = QString::fromStdString(storage::configFileNameBeside(storage::appDataDirectory()));
    } else if (argument.startsWith(backupPrefix)) {
        path = backupPath(argument.mid(backupPrefix.size()));
    }
    return {path, storage::readNetworkFile(path.toStdString())};
}

std::unique_ptr<storage::PortSink> readPorts(const NetworkSource& source) {
    auto sink = std::make_unique<storage::PortSink>();
    storage::readNetwork(source.text, source.name, *sink);
    return sink;
}
