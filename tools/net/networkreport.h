#pragma once

#include "model/networkportitem.h"
#include "storage/rulesink.h"

#include <QList>
#include <QStringList>

#include <optional>

// What the commands tell about one network, in the editor's language.

// "3 ports, 12 devices".
QString networkCounts(const std::vector<storage::RuleSink::Port>& ports);

// What does not stop the editor but likely stops the network: a master ID on more than one LRR
// port, and, given the names of this machine's serial ports, a port the machine does not have
// (the fallback port excepted, which finds its port itself).
QStringList networkWarnings(const std::vector<storage::RuleSink::Port>& ports,
                            const std::optional<QStringList>& machinePorts);

// The rows as the window shows them, in its order: each port, then its devices indented, the
// two columns apart.
QStringList networkRows(const QList<const NetworkPortItem*>& ports);
