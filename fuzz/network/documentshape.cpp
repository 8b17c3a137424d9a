#include "documentshape.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QStringList>

namespace {

bool isInteger(const QJsonValue& value) {
    return value.isDouble() && value.toDouble() == value.toInt();
}

bool hasKeys(const QJsonObject& object, QStringList keys) {
    keys.sort();
    return object.keys() == keys;
}

QString deviceFault(const QJsonValue& entry, QSet<int>& usedIds) {
    const QJsonObject device = entry.toObject();
    const int id = device.value(QStringLiteral("submaster_id")).toInt();
    if (!entry.isObject() || !isInteger(device.value(QStringLiteral("submaster_id"))) || id < 1 ||
        id > 255 || usedIds.contains(id)) {
        return QStringLiteral("device without a distinct submaster ID in 1..255");
    }
    usedIds.insert(id);
    for (auto it = device.begin(); it != device.end(); ++it) {
        const bool ownValue =
            it.key() == QLatin1String("retries") || it.key() == QLatin1String("delay");
        if (it.key() != QLatin1String("submaster_id") &&
            !(ownValue && isInteger(it.value()) && it.value().toInt() >= 0)) {
            return QStringLiteral("device key \"%1\" unexpected or not a count").arg(it.key());
        }
    }
    return QString();
}

QString portFault(const QJsonValue& entry) {
    const QJsonObject port = entry.toObject();
    const QString type = port.value(QStringLiteral("type")).toString();
    if (!entry.isObject() || !port.value(QStringLiteral("name")).isString()) {
        return QStringLiteral("port without a name");
    }
    if (type == QLatin1String("direct")) {
        return hasKeys(port, {QStringLiteral("name"), QStringLiteral("type")})
                   ? QString()
                   : QStringLiteral("direct port with more than name and type");
    }
    if (type != QLatin1String("ignored") && type != QLatin1String("lrr")) {
        return QStringLiteral("port type \"%1\"").arg(type);
    }
    const QStringList numbers = {QStringLiteral("master_id"), QStringLiteral("retries"),
                                 QStringLiteral("delay")};
    if (!hasKeys(port, numbers + QStringList{QStringLiteral("name"), QStringLiteral("type"),
                                             QStringLiteral("tcus")}) ||
        !port.value(QStringLiteral("tcus")).isArray()) {
        return QStringLiteral("port keys %1").arg(port.keys().join(QLatin1Char(',')));
    }
    for (const QString& key : numbers) {
        if (!isInteger(port.value(key))) {
            return QStringLiteral("port value \"%1\" not an integer").arg(key);
        }
    }
    QSet<int> usedIds;
    for (const QJsonValue& device : port.value(QStringLiteral("tcus")).toArray()) {
        const QString fault = deviceFault(device, usedIds);
        if (!fault.isEmpty()) {
            return fault;
        }
    }
    return QString();
}

} // namespace

QString documentShapeFault(const QByteArray& text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        return QStringLiteral("no JSON: %1").arg(error.errorString());
    }
    if (!text.endsWith('\n') || !document.isObject() ||
        !hasKeys(document.object(), {QStringLiteral("net")}) ||
        !document.object().value(QStringLiteral("net")).isArray()) {
        return QStringLiteral("no object holding the \"net\" array alone, ended by a newline");
    }
    for (const QJsonValue& port : document.object().value(QStringLiteral("net")).toArray()) {
        const QString fault = portFault(port);
        if (!fault.isEmpty()) {
            return fault;
        }
    }
    return QString();
}
