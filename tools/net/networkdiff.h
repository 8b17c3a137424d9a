#pragma once

#include "model/networkportitem.h"

#include <QList>
#include <QStringList>

// The differences between two networks as the editor holds them, in the editor's language: ports
// are matched by name regardless of case, devices by submaster ID on their port. Only what a
// network file keeps counts, so a direct port's values and a device's inherited values compare
// equal whatever the rows hold.
struct NetworkDifferences {
    QStringList lines;
    int ports = 0;   // added, removed, or with settings of their own changed
    int devices = 0; // added, removed or changed
};

NetworkDifferences compareNetworks(const QList<const NetworkPortItem*>& from,
                                   const QList<const NetworkPortItem*>& to);

// "3 ports, 12 devices".
QString countsText(int ports, int devices);

// "2 ports, 5 devices changed", or "unchanged" when there is no difference.
QString summaryOf(const NetworkDifferences& differences);
