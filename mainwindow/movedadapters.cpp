#include "mainwindow/movedadapters.h"

#include "model/networkrules.h"

#include <QHash>
#include <QSet>

namespace {

// Each identity of a present port to its port, or to nullptr when two ports share it.
QHash<QString, const MachinePort*> portsByIdentity(const MachinePorts& present) {
    QHash<QString, const MachinePort*> ports;
    for (const MachinePort& port : present) {
        if (!port.identity.isEmpty())
            ports.insert(port.identity, ports.contains(port.identity) ? nullptr : &port);
    }
    return ports;
}

} // namespace

QList<AdapterMove> movedAdapters(const QStringList& configured, const MachinePorts& present,
                                 const storage::AdapterIdentities& remembered) {
    QSet<QString> used;
    for (const QString& name : configured)
        used.insert(networkrules::portKey(name));
    const QHash<QString, const MachinePort*> byIdentity = portsByIdentity(present);
    QList<AdapterMove> moves;
    for (const QString& name : configured) {
        const QString identity = remembered.value(name);
        const MachinePort* now = byIdentity.value(identity);
        if (present.contains(networkrules::portKey(name)) || identity.isEmpty() || now == nullptr ||
            used.contains(networkrules::portKey(now->name)))
            continue;
        moves << AdapterMove{name, now->name, identity};
    }
    return moves;
}
