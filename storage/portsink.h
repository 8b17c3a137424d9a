#pragma once

#include "storage/networkformat.h"

#include <QHash>
#include <QList>

#include <bitset>
#include <memory>
#include <vector>

class NetworkDeviceItem;

namespace storage {

// Builds the ports and devices a network document describes without a window, under the
// network's rules, as the window does: entries of one port name, regardless of case, make one
// port, and a device whose submaster ID the rules refuse fails the document with the window's
// message.
class PortSink : public NetworkSink {
public:
    void port(const QString& name) override;
    void portType(NetworkPortItem::port_type_t type) override;
    void portValue(field_t field, int value) override;
    void device(int submasterId) override;
    void deviceValue(field_t field, int value) override;

    // The ports read so far, in the order of their first entries.
    QList<const NetworkPortItem*> ports() const;

private:
    std::vector<std::unique_ptr<NetworkPortItem>> owned;
    QHash<QString, NetworkPortItem*> portsByKey;
    NetworkPortItem* current = nullptr;
    std::bitset<256> idsInUse; // those of current
    NetworkDeviceItem* lastDevice = nullptr;
};

} // namespace storage
