#include "storage/networkformat.h"

#include "model/networkdeviceitem.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTreeWidget>

#include <stdexcept>

namespace storage {

namespace {

const QString netKey = QStringLiteral("net");
const QString nameKey = QStringLiteral("name");
const QString typeKey = QStringLiteral("type");
const QString masterIdKey = QStringLiteral("master_id");
const QString retriesKey = QStringLiteral("retries");
const QString delayKey = QStringLiteral("delay");
const QString tcusKey = QStringLiteral("tcus");
const QString submasterIdKey = QStringLiteral("submaster_id");

const QString typeNames[] = {QStringLiteral("ignored"), QStringLiteral("direct"),
                             QStringLiteral("lrr")};

QString typeName(NetworkPortItem::port_type_t type) {
    const int index = static_cast<int>(type);
    return index >= 0 && index < 3 ? typeNames[index] : QStringLiteral("???");
}

QJsonObject deviceObject(const NetworkDeviceItem& device) {
    QJsonObject object{{submasterIdKey, device.submaster_id}};
    if (device.retries >= 0) {
        object.insert(retriesKey, device.retries);
    }
    if (device.delay >= 0) {
        object.insert(delayKey, device.delay);
    }
    return object;
}

QJsonObject portObject(const NetworkPortItem& port) {
    QJsonObject object{{nameKey, port.name}, {typeKey, typeName(port.port_type)}};
    if (port.port_type == NetworkPortItem::direct) {
        return object;
    }
    QJsonArray devices;
    for (int i = 0; i < port.childCount(); ++i) {
        const QTreeWidgetItem* row = port.child(i);
        if (row->type() == NetworkItem::device_item) {
            devices.append(deviceObject(*static_cast<const NetworkDeviceItem*>(row)));
        }
    }
    object.insert(masterIdKey, port.master_id);
    object.insert(retriesKey, port.retries);
    object.insert(delayKey, port.delay);
    object.insert(tcusKey, devices);
    return object;
}

std::runtime_error failure(const char* text, const QString& argument) {
    const QString message = QCoreApplication::translate("MainWindow", text).arg(argument);
    return std::runtime_error(message.toUtf8().toStdString());
}

std::runtime_error failure(const char* text) {
    return std::runtime_error(
        QCoreApplication::translate("MainWindow", text).toUtf8().toStdString());
}

NetworkPortItem::port_type_t portType(const QJsonValue& value) {
    const QString name = value.toString();
    for (int index = 0; index < 3; ++index) {
        if (name == typeNames[index]) {
            return static_cast<NetworkPortItem::port_type_t>(index);
        }
    }
    throw failure(QT_TRANSLATE_NOOP("MainWindow", "Invalid device type \"%1\""), name);
}

void readDevices(const QJsonArray& devices, NetworkSink& sink) {
    for (const QJsonValue& entry : devices) {
        if (!entry.isObject()) {
            throw failure(QT_TRANSLATE_NOOP("MainWindow", "TCU structure is not an object"));
        }
        const QJsonObject device = entry.toObject();
        sink.device(device.value(submasterIdKey).toInt());
        if (device.contains(retriesKey)) {
            sink.deviceValue(NetworkSink::retries, device.value(retriesKey).toInt());
        }
        if (device.contains(delayKey)) {
            sink.deviceValue(NetworkSink::delay, device.value(delayKey).toInt());
        }
    }
}

void readPort(const QJsonValue& entry, NetworkSink& sink) {
    if (!entry.isObject()) {
        throw failure(QT_TRANSLATE_NOOP("MainWindow", "Port structure is not an object"));
    }
    const QJsonObject port = entry.toObject();
    sink.port(port.value(nameKey).toString());
    sink.portType(portType(port.value(typeKey)));
    const std::pair<const QString&, NetworkSink::field_t> fields[] = {
        {masterIdKey, NetworkSink::master_id},
        {retriesKey, NetworkSink::retries},
        {delayKey, NetworkSink::delay}};
    for (const auto& [key, field] : fields) {
        if (port.contains(key)) {
            sink.portValue(field, port.value(key).toInt());
        }
    }
    const QJsonValue devices = port.value(tcusKey);
    if (devices.isArray()) {
        readDevices(devices.toArray(), sink);
    }
}

} // namespace

QByteArray networkText(const QTreeWidget& tree) {
    QJsonArray ports;
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        ports.append(portObject(*static_cast<const NetworkPortItem*>(tree.topLevelItem(i))));
    }
    return QJsonDocument(QJsonObject{{netKey, ports}}).toJson(QJsonDocument::Indented);
}

void readNetwork(const QByteArray& text, const QString& path, NetworkSink& sink) {
    const int end = text.indexOf('\0');
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(end < 0 ? text : text.left(end), &error);
    if (error.error != QJsonParseError::NoError) {
        const QString message =
            QCoreApplication::translate("MainWindow", "Unable to parse file \"%1\": %2")
                .arg(path, error.errorString());
        throw std::runtime_error(message.toUtf8().toStdString());
    }
    for (const QJsonValue& entry : document.object().value(netKey).toArray()) {
        readPort(entry, sink);
    }
}

} // namespace storage
