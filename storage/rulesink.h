#pragma once

#include "storage/networkformat.h"

#include <QHash>

#include <bitset>
#include <vector>

namespace storage {

// Follows a network document under the network's rules without building rows, as the window
// does: entries of one port name, regardless of case, make one port, and a device whose submaster
// ID the rules refuse fails the document with the window's message. Keeps what a check of the
// network needs of each port.
class RuleSink : public NetworkSink {
public:
    struct Port {
        QString name;
        NetworkPortItem::port_type_t type = NetworkPortItem::ignored;
        int masterId = 0;
        int devices = 0;
        std::bitset<256> submasterIds;
    };

    void port(const QString& name) override;
    void portType(NetworkPortItem::port_type_t type) override;
    void portValue(field_t field, int value) override;
    void device(int submasterId) override;
    void deviceValue(field_t field, int value) override;

    // In the order of their first entries.
    const std::vector<Port>& ports() const { return entries; }

protected:
    // The index in ports() of the port the current entry is about.
    int currentPort() const { return current; }

private:
    std::vector<Port> entries;
    QHash<QString, int> indexByKey;
    int current = -1;
};

} // namespace storage
