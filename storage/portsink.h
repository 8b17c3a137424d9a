#pragma once

#include "storage/rulesink.h"

#include <QList>

#include <memory>
#include <vector>

class NetworkDeviceItem;

namespace storage {

// Builds the ports and devices a network document describes without a window, under the rules
// RuleSink follows.
class PortSink : public RuleSink {
public:
    void port(const QString& name) override;
    void portType(NetworkPortItem::port_type_t type) override;
    void portValue(field_t field, int value) override;
    void device(int submasterId) override;
    void deviceValue(field_t field, int value) override;

    // The ports read so far, in the order of their first entries.
    QList<const NetworkPortItem*> portRows() const;

private:
    std::vector<std::unique_ptr<NetworkPortItem>> owned; // as RuleSink::ports()
    NetworkPortItem* current = nullptr;
    NetworkDeviceItem* lastDevice = nullptr;
};

} // namespace storage
