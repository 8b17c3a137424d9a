#include "networkdiff.h"

#include "model/networkdeviceitem.h"
#include "model/networkrules.h"
#include "storage/networkformat.h"

#include <QCoreApplication>
#include <QHash>

// The context of this file's texts for the translators.
class NetworkDiff {
    Q_DECLARE_TR_FUNCTIONS(NetworkDiff)
};

namespace {

QString valueText(int value) {
    return value < 0 ? NetworkDiff::tr("inherited") : QString::number(value);
}

// Negative values all mean that the port's value applies.
bool sameValue(int a, int b) {
    return a == b || (a < 0 && b < 0);
}

class Comparison {
public:
    explicit Comparison(NetworkDifferences& result) : result(result) {}

    void port(const NetworkPortItem& from, const NetworkPortItem& to) {
        const int before = result.lines.size();
        const QString name = to.name;
        if (from.port_type != to.port_type) {
            portLine(name, NetworkDiff::tr("type"), storage::typeName(from.port_type),
                     storage::typeName(to.port_type));
        }
        if (from.port_type != NetworkPortItem::direct && to.port_type != NetworkPortItem::direct) {
            portValue(name, NetworkDiff::tr("master ID"), from.master_id, to.master_id);
            portValue(name, NetworkDiff::tr("retries"), from.retries, to.retries);
            portValue(name, NetworkDiff::tr("delay"), from.delay, to.delay);
        }
        result.ports += result.lines.size() > before ? 1 : 0;
        devices(from, to);
    }

    void portPresence(const NetworkPortItem& port, const char* text) {
        result.lines << NetworkDiff::tr(text).arg(port.name);
        ++result.ports;
    }

private:
    void portLine(const QString& name, const QString& field, const QString& from,
                  const QString& to) {
        result.lines
            << NetworkDiff::tr("Port \"%1\": %2 changed from %3 to %4").arg(name, field, from, to);
    }

    void portValue(const QString& name, const QString& field, int from, int to) {
        if (from != to) {
            portLine(name, field, QString::number(from), QString::number(to));
        }
    }

    void deviceValue(const NetworkPortItem& port, const NetworkDeviceItem& device,
                     const QString& field, int from, int to, bool& changed) {
        if (!sameValue(from, to)) {
            result.lines << NetworkDiff::tr("Port \"%1\": device %2: %3 changed from %4 to %5")
                                .arg(port.name, QString::number(device.submaster_id), field,
                                     valueText(from), valueText(to));
            changed = true;
        }
    }

    void devicePresence(const NetworkPortItem& port, const NetworkDeviceItem& device,
                        const char* text) {
        result.lines << NetworkDiff::tr(text).arg(port.name, QString::number(device.submaster_id));
        ++result.devices;
    }

    void devices(const NetworkPortItem& from, const NetworkPortItem& to) {
        QHash<int, const NetworkDeviceItem*> remaining;
        for (const NetworkDeviceItem* device : to.devices()) {
            remaining.insert(device->submaster_id, device);
        }
        for (const NetworkDeviceItem* device : from.devices()) {
            const NetworkDeviceItem* other = remaining.take(device->submaster_id);
            if (other == nullptr) {
                devicePresence(to, *device,
                               QT_TRANSLATE_NOOP("NetworkDiff", "Port \"%1\": device %2 removed"));
                continue;
            }
            bool changed = false;
            deviceValue(to, *other, NetworkDiff::tr("retries"), device->retries, other->retries,
                        changed);
            deviceValue(to, *other, NetworkDiff::tr("delay"), device->delay, other->delay, changed);
            result.devices += changed ? 1 : 0;
        }
        for (const NetworkDeviceItem* device : to.devices()) {
            if (remaining.contains(device->submaster_id)) {
                devicePresence(to, *device,
                               QT_TRANSLATE_NOOP("NetworkDiff", "Port \"%1\": device %2 added"));
            }
        }
    }

    NetworkDifferences& result;
};

} // namespace

NetworkDifferences compareNetworks(const QList<const NetworkPortItem*>& from,
                                   const QList<const NetworkPortItem*>& to) {
    NetworkDifferences result;
    Comparison comparison(result);
    QHash<QString, const NetworkPortItem*> remaining;
    for (const NetworkPortItem* port : to) {
        remaining.insert(networkrules::portKey(port->name), port);
    }
    for (const NetworkPortItem* port : from) {
        const NetworkPortItem* other = remaining.take(networkrules::portKey(port->name));
        if (other == nullptr) {
            comparison.portPresence(*port, QT_TRANSLATE_NOOP("NetworkDiff", "Port \"%1\" removed"));
        } else {
            comparison.port(*port, *other);
        }
    }
    for (const NetworkPortItem* port : to) {
        if (remaining.contains(networkrules::portKey(port->name))) {
            comparison.portPresence(*port, QT_TRANSLATE_NOOP("NetworkDiff", "Port \"%1\" added"));
        }
    }
    return result;
}

QString countsText(int ports, int devices) {
    return NetworkDiff::tr("%1, %2").arg(NetworkDiff::tr("%n port(s)", nullptr, ports),
                                         NetworkDiff::tr("%n device(s)", nullptr, devices));
}

QString summaryOf(const NetworkDifferences& differences) {
    if (differences.lines.isEmpty()) {
        return NetworkDiff::tr("unchanged");
    }
    return NetworkDiff::tr("%1 changed").arg(countsText(differences.ports, differences.devices));
}
