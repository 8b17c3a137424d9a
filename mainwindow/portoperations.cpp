#include "mainwindow/mainwindow.h"

#include "mainwindow/treebatch.h"
#include "model/networkdeviceitem.h"
#include "ui_mainwindow.h"

#include <stdexcept>

namespace {

std::runtime_error ruleViolation(const QString& message) {
    return std::runtime_error(message.toUtf8().toStdString());
}

bool validId(int id) {
    return id >= 1 && id <= 255;
}

} // namespace

NetworkPortItem* MainWindow::findNetworkPort(const QString& name) const {
    const QString wanted = name.toLower();
    for (int i = 0; i < ui->treeWidget->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = ui->treeWidget->topLevelItem(i);
        if (row->text(0).toLower() == wanted) {
            return static_cast<NetworkPortItem*>(row);
        }
    }
    return nullptr;
}

NetworkPortItem* MainWindow::addNetworkPort(const QString& name, NetworkPortItem::port_type_t type,
                                            int masterId) {
    if (findNetworkPort(name) != nullptr) {
        throw ruleViolation(tr("Port \"%1\" is already defined").arg(name));
    }
    if (type == NetworkPortItem::lrr && !validId(masterId)) {
        throw ruleViolation(tr("Master ID %1 is invalid [1..255]").arg(masterId));
    }
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
    if (!validId(submasterId)) {
        throw ruleViolation(tr("Submaster ID %1 is invalid [1..255]").arg(submasterId));
    }
    const auto bit = static_cast<std::size_t>(submasterId);
    if (inUse.test(bit)) {
        throw ruleViolation(tr("Submaster ID %1 is already in use").arg(submasterId));
    }
    inUse.set(bit);
    const QString name =
        QStringLiteral("%1.%2").arg(QStringLiteral("TCU "), QString::number(submasterId));
    auto* device = new NetworkDeviceItem(name, port, submasterId);
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
