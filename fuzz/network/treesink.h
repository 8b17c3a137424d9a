#pragma once

#include "storage/networkformat.h"

class NetworkDeviceItem;
class QTreeWidget;

// Builds a tree from a network document as the main window does: ports are matched by name,
// ignoring case, and created when missing; a device is refused when its submaster ID lies outside
// 1..255 or is already used on its port.
class TreeSink : public storage::NetworkSink {
public:
    explicit TreeSink(QTreeWidget& tree) : tree(tree) {}

    void port(const QString& name) override;
    void portType(NetworkPortItem::port_type_t type) override;
    void portValue(field_t field, int value) override;
    void device(int submasterId) override;
    void deviceValue(field_t field, int value) override;

private:
    NetworkPortItem* findPort(const QString& name) const;

    QTreeWidget& tree;
    NetworkPortItem* current = nullptr;
    NetworkDeviceItem* lastDevice = nullptr;
};
