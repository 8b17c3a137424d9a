#include "networkreport.h"

#include "model/defaultnetwork.h"
#include "model/networkdeviceitem.h"
#include "model/networkrules.h"
#include "model/roworder.h"
#include "networkdiff.h"

#include <QCoreApplication>
#include <QMap>
#include <QSet>

// The context of this file's texts for the translators.
class NetworkReport {
    Q_DECLARE_TR_FUNCTIONS(NetworkReport)
};

namespace {

QString quoted(const QString& name) {
    return QLatin1Char('"') + name + QLatin1Char('"');
}

template <typename Row> QList<const Row*> inWindowOrder(QList<const Row*> rows) {
    sortAsTree(rows.begin(), rows.end());
    return rows;
}

QString rowText(const QTreeWidgetItem& row, const QString& indent) {
    return indent + row.text(0) + QStringLiteral("  ") + row.text(1);
}

using Ports = std::vector<storage::RuleSink::Port>;

void addSharedMasterIds(const Ports& ports, QStringList& warnings) {
    QMap<int, QStringList> namesById;
    for (const auto& port : ports) {
        if (port.type == NetworkPortItem::lrr) {
            namesById[port.masterId] << quoted(port.name);
        }
    }
    for (auto entry = namesById.cbegin(); entry != namesById.cend(); ++entry) {
        if (entry.value().size() > 1) {
            warnings << NetworkReport::tr("warning: master ID %1 is set on several LRR ports: %2")
                            .arg(entry.key())
                            .arg(entry.value().join(QStringLiteral(", ")));
        }
    }
}

void addMissingPorts(const Ports& ports, const QStringList& machinePorts, QStringList& warnings) {
    QSet<QString> present;
    for (const QString& name : machinePorts) {
        present.insert(networkrules::portKey(name));
    }
    for (const auto& port : ports) {
        if (port.name != defaultnetwork::fallbackPortName() &&
            !present.contains(networkrules::portKey(port.name))) {
            warnings << NetworkReport::tr("warning: port %1 is not on this machine")
                            .arg(quoted(port.name));
        }
    }
}

} // namespace

QString networkCounts(const Ports& ports) {
    int devices = 0;
    for (const auto& port : ports) {
        devices += port.devices;
    }
    return countsText(static_cast<int>(ports.size()), devices);
}

QStringList networkWarnings(const Ports& ports, const std::optional<QStringList>& machinePorts) {
    QStringList warnings;
    addSharedMasterIds(ports, warnings);
    if (machinePorts) {
        addMissingPorts(ports, *machinePorts, warnings);
    }
    return warnings;
}

QStringList networkRows(const QList<const NetworkPortItem*>& ports) {
    QStringList lines;
    for (const NetworkPortItem* port : inWindowOrder(ports)) {
        lines << rowText(*port, QString());
        QList<const NetworkDeviceItem*> devices;
        for (const NetworkDeviceItem* device : port->devices()) {
            devices << device;
        }
        for (const NetworkDeviceItem* device : inWindowOrder(devices)) {
            lines << rowText(*device, QStringLiteral("    "));
        }
    }
    return lines;
}
