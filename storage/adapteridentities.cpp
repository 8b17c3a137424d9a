#include "storage/adapteridentities.h"

#include "storage/datalocation.h"
#include "storage/filewrite.h"

#include <QDebug>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace storage {

namespace {

QString fileName() {
    return QString::fromStdString(appDataDirectory()) + QStringLiteral("/adapters.json");
}

} // namespace

AdapterIdentities readAdapterIdentities() {
    QFile file(fileName());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonObject ports = QJsonDocument::fromJson(file.readAll()).object();
    AdapterIdentities identities;
    for (auto port = ports.begin(); port != ports.end(); ++port) {
        if (!port.value().toString().isEmpty())
            identities.insert(port.key(), port.value().toString());
    }
    return identities;
}

bool writeAdapterIdentities(const AdapterIdentities& identities) {
    QJsonObject ports;
    for (auto port = identities.begin(); port != identities.end(); ++port)
        ports.insert(port.key(), port.value());
    const bool written =
        replaceFileContent(fileName(), QJsonDocument(ports).toJson(), FileForm::text);
    if (!written) // then only the caller's copy holds them
        qWarning() << "Unable to write" << fileName();
    return written;
}

} // namespace storage
