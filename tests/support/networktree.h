#pragma once

#include "model/networkdeviceitem.h"
#include "model/networkportitem.h"

#include <QStringList>
#include <QTreeWidget>

// Rows of a network built straight into a tree, without a main window and its rules.
inline NetworkPortItem* addPort(QTreeWidget& tree, const QString& name,
                                NetworkPortItem::port_type_t type, int masterId = 0,
                                bool detected = false) {
    auto* port = new NetworkPortItem(name, detected);
    tree.addTopLevelItem(port);
    port->set_port_type(type);
    port->set_master_id(masterId);
    return port;
}

// A device named as the main window names it; a negative retries or delay inherits the port's.
inline NetworkDeviceItem* addDevice(NetworkPortItem* port, int submasterId, int retries = -1,
                                    int delay = -1) {
    auto* device = new NetworkDeviceItem(QStringLiteral("TCU .%1").arg(submasterId), port);
    device->set_submaster_id(submasterId);
    device->set_retries(retries);
    device->set_delay(delay);
    return device;
}

// A row and the rows below it, each as "first column|second column".
inline QStringList rowsOf(const QTreeWidgetItem* row) {
    QStringList rows;
    if (row != nullptr) {
        rows << row->text(0) + QLatin1Char('|') + row->text(1);
        for (int i = 0; i < row->childCount(); ++i)
            rows += rowsOf(row->child(i));
    }
    return rows;
}
