#include "storage/networkformat.h"

#include "model/networkdeviceitem.h"
#include "model/translatederror.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <stdexcept>

namespace storage {

namespace {

const QLatin1String netKey("net");
const QLatin1String nameKey("name");
const QLatin1String typeKey("type");
const QLatin1String masterIdKey("master_id");
const QLatin1String retriesKey("retries");
const QLatin1String delayKey("delay");
const QLatin1String tcusKey("tcus");
const QLatin1String submasterIdKey("submaster_id");

const QString typeNames[] = {QStringLiteral("ignored"), QStringLiteral("direct"),
                             QStringLiteral("lrr")};

// The document is written straight from the rows, in the text QJsonDocument::toJson gives in its
// indented form (four blanks a level, one member a line, keys in alphabetical order): building a
// QJsonObject for every device would cost several times the serialisation itself.

// A string as JSON text, escaped by Qt's own writer.
QByteArray jsonString(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2); // without the brackets
}

// One line "key": value at the given depth, with a comma unless it ends its object.
void appendMember(QByteArray& out, int depth, QLatin1String key, const QByteArray& value,
                  bool last = false) {
    out.append(4 * depth, ' ');
    out += '"';
    out.append(key.data(), key.size());
    out += "\": ";
    out += value;
    out += last ? "\n" : ",\n";
}

void appendDevice(QByteArray& out, const NetworkDeviceItem& device) {
    out += "                {\n";
    if (device.delay >= 0) {
        appendMember(out, 5, delayKey, QByteArray::number(device.delay));
    }
    if (device.retries >= 0) {
        appendMember(out, 5, retriesKey, QByteArray::number(device.retries));
    }
    appendMember(out, 5, submasterIdKey, QByteArray::number(device.submaster_id), true);
    out += "                }";
}

QByteArray devicesText(const NetworkPortItem& port) {
    QByteArray out("[\n");
    bool any = false;
    for (int i = 0; i < port.childCount(); ++i) {
        const QTreeWidgetItem* row = port.child(i);
        if (row->type() == NetworkItem::device_item) {
            out += any ? ",\n" : "";
            appendDevice(out, *static_cast<const NetworkDeviceItem*>(row));
            any = true;
        }
    }
    out += any ? "\n" : "";
    out.append(12, ' ');
    out += ']';
    return out;
}

void appendPort(QByteArray& out, const NetworkPortItem& port) {
    const QByteArray type = '"' + typeName(port.port_type).toLatin1() + '"';
    out += "        {\n";
    if (port.port_type == NetworkPortItem::direct) {
        appendMember(out, 3, nameKey, jsonString(port.name));
        appendMember(out, 3, typeKey, type, true);
    } else {
        appendMember(out, 3, delayKey, QByteArray::number(port.delay));
        appendMember(out, 3, masterIdKey, QByteArray::number(port.master_id));
        appendMember(out, 3, nameKey, jsonString(port.name));
        appendMember(out, 3, retriesKey, QByteArray::number(port.retries));
        appendMember(out, 3, tcusKey, devicesText(port));
        appendMember(out, 3, typeKey, type, true);
    }
    out += "        }";
}

NetworkPortItem::port_type_t portType(const QJsonValue& value) {
    const QString name = value.toString();
    for (int index = 0; index < 3; ++index) {
        if (name == typeNames[index]) {
            return static_cast<NetworkPortItem::port_type_t>(index);
        }
    }
    throw translatedError("NetworkFormat",
                          QT_TRANSLATE_NOOP("NetworkFormat", "Invalid device type \"%1\""), name);
}

void readDevices(const QJsonArray& devices, NetworkSink& sink) {
    for (const QJsonValue& entry : devices) {
        if (!entry.isObject()) {
            throw translatedError(
                "NetworkFormat",
                QT_TRANSLATE_NOOP("NetworkFormat", "TCU structure is not an object"));
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
        throw translatedError(
            "NetworkFormat", QT_TRANSLATE_NOOP("NetworkFormat", "Port structure is not an object"));
    }
    const QJsonObject port = entry.toObject();
    sink.port(port.value(nameKey).toString());
    sink.portType(portType(port.value(typeKey)));
    const std::pair<QLatin1String, NetworkSink::field_t> fields[] = {
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

QString typeName(NetworkPortItem::port_type_t type) {
    const int index = static_cast<int>(type);
    return index >= 0 && index < 3 ? typeNames[index] : QStringLiteral("???");
}

QByteArray networkText(const QList<const NetworkPortItem*>& ports) {
    QByteArray out("{\n    \"net\": [\n");
    for (int i = 0; i < ports.size(); ++i) {
        out += i > 0 ? ",\n" : "";
        appendPort(out, *ports[i]);
    }
    out += ports.isEmpty() ? "" : "\n";
    out += "    ]\n}\n";
    return out;
}

void setPortValue(NetworkPortItem& port, NetworkSink::field_t field, int value) {
    switch (field) {
    case NetworkSink::master_id:
        port.set_master_id(value);
        break;
    case NetworkSink::retries:
        port.set_retries(value);
        break;
    case NetworkSink::delay:
        port.set_delay(value);
        break;
    }
}

void readNetwork(const QByteArray& text, const QString& path, NetworkSink& sink) {
    const int end = text.indexOf('\0');
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(end < 0 ? text : text.left(end), &error);
    if (error.error != QJsonParseError::NoError) {
        const QString message =
            QCoreApplication::translate("NetworkFormat", "Unable to parse file \"%1\": %2")
                .arg(path, error.errorString());
        throw std::runtime_error(message.toUtf8().toStdString());
    }
    for (const QJsonValue& entry : document.object().value(netKey).toArray()) {
        readPort(entry, sink);
    }
}

} // namespace storage
