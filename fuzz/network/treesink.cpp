#include "treesink.h"

#include "model/networkdeviceitem.h"

#include <QTreeWidget>

#include <stdexcept>

void TreeSink::port(const QString& name) {
    current = findPort(name);
    if (current == nullptr) {
        current = new NetworkPortItem(name, false);
        tree.addTopLevelItem(current);
    }
}

void TreeSink::portType(NetworkPortItem::port_type_t type) {
    current->set_port_type(type);
}

void TreeSink::portValue(field_t field, int value) {
    if (field == master_id) {
        current->set_master_id(value);
    } else if (field == retries) {
        current->set_retries(value);
    } else {
        current->set_delay(value);
    }
}

void TreeSink::device(int submasterId) {
    if (submasterId < 1 || submasterId > 255) {
        throw std::runtime_error("submaster ID out of range");
    }
    for (int i = 0; i < current->childCount(); ++i) {
        if (static_cast<const NetworkDeviceItem*>(current->child(i))->submaster_id == submasterId) {
            throw std::runtime_error("submaster ID already in use");
        }
    }
    lastDevice = new NetworkDeviceItem(QStringLiteral("TCU .%1").arg(submasterId), current);
    lastDevice->set_submaster_id(submasterId);
}

void TreeSink::deviceValue(field_t field, int value) {
    if (field == retries) {
        lastDevice->set_retries(value);
    } else {
        lastDevice->set_delay(value);
    }
}

NetworkPortItem* TreeSink::findPort(const QString& name) const {
    const QString wanted = name.toLower();
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = tree.topLevelItem(i);
        if (row->text(0).toLower() == wanted) {
            return static_cast<NetworkPortItem*>(row);
        }
    }
    return nullptr;
}
