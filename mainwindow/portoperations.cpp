#include "mainwindow/mainwindow.h"

#include "mainwindow/treebatch.h"
#include "model/networkdeviceitem.h"
#include "model/networkrules.h"
#include "ui_mainwindow.h"

NetworkPortItem* MainWindow::findNetworkPort(const QString& name) const {
    const QString wanted = networkrules::portKey(name);
    for (int i = 0; i < ui->treeWidget->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = ui->treeWidget->topLevelItem(i);
        if (networkrules::portKey(row->text(0)) == wanted) {
            return static_cast<NetworkPortItem*>(row);
        }
    }
    return nullptr;
}

NetworkPortItem* MainWindow::addNetworkPort(const QString& name, NetworkPortItem::port_type_t type,
                                            int masterId) {
    networkrules::checkNewPort(name, findNetworkPort(name) != nullptr, type, masterId);
    auto* port = new NetworkPortItem(name, false);
    port->set_port_type(type);
    if (type == NetworkPortItem::lrr) {
        port->set_master_id(masterId);
    }
    ui->treeWidget->addTopLevelItem(port);
    batching->sortByName();
    batching->fitNameColumn();
    modified = true;
    return port;
}

NetworkDeviceItem* MainWindow::addNetworkDevice(NetworkPortItem* port, int submasterId) {
    std::bitset<256> inUse = port->submasterIdsInUse();
    return addNetworkDevice(port, submasterId, inUse);
}

NetworkDeviceItem* MainWindow::addNetworkDevice(NetworkPortItem* port, int submasterId,
                                                std::bitset<256>& inUse) {
    networkrules::claimSubmasterId(submasterId, inUse);
    auto* device =
        new NetworkDeviceItem(NetworkDeviceItem::nameFor(submasterId), port, submasterId);
    batching->fitNameColumn();
    modified = true;
    return device;
}

// Removing the current row makes the tree select a neighbour while the row is half destroyed,
// and the menus recomputed for that selection must find no reference to it.
void MainWindow::deleteItem(QTreeWidgetItem* item) {
    deleteItems({item});
}

void MainWindow::deleteItems(const QList<QTreeWidgetItem*>& rows) {
    currentItem = nullptr;
    clipboardItem = nullptr;
    qDeleteAll(rows);
    updateMenus();
}

// Every port goes with its devices in one step of the tree, rather than row by row.
void MainWindow::clearNetwork() {
    currentItem = nullptr;
    clipboardItem = nullptr;
    ui->treeWidget->clear();
    updateMenus();
}
