#include "mainwindow/mainwindow.h"

#include "dialogs/networkdevicepropertiesdialog.h"
#include "dialogs/networkportpropertiesdialog.h"
#include "dialogs/newnetworkdevicewizard.h"
#include "dialogs/newnetworkportwizard.h"
#include "mainwindow/messageboxes.h"
#include "mainwindow/treebatch.h"
#include "model/networkdeviceitem.h"
#include "ui_mainwindow.h"

namespace {

NetworkPortItem* asPort(NetworkItem* item) {
    return item != nullptr && item->type() == NetworkItem::port_item
               ? static_cast<NetworkPortItem*>(item)
               : nullptr;
}

NetworkDeviceItem* asDevice(NetworkItem* item) {
    return item != nullptr && item->type() == NetworkItem::device_item
               ? static_cast<NetworkDeviceItem*>(item)
               : nullptr;
}

// The port a new device goes to when item is selected: the port itself, or a device's port.
NetworkPortItem* portForNewDevice(NetworkItem* item) {
    if (NetworkDeviceItem* device = asDevice(item)) {
        return device->port;
    }
    return asPort(item);
}

} // namespace

NetworkPortItem* MainWindow::addNewNetworkPort() {
    NewNetworkPortWizard wizard(this);
    if (wizard.exec() != QDialog::Accepted) {
        return nullptr;
    }
    try {
        const int masterId = wizard.masterId();
        const NetworkPortItem::port_type_t type = wizard.device_type();
        return addNetworkPort(wizard.portname(), type, masterId);
    } catch (const std::exception& error) {
        showFailure(this, tr("Add port request"), error);
        return nullptr;
    }
}

NetworkDeviceItem* MainWindow::addNewNetworkDevice(NetworkPortItem* port) {
    NewNetworkDeviceWizard wizard(this, port);
    if (wizard.exec() != QDialog::Accepted) {
        return nullptr;
    }
    try {
        return addNetworkDevice(port, wizard.submasterId());
    } catch (const std::exception& error) {
        showFailure(this, tr("Add device request"), error);
        return nullptr;
    }
}

void MainWindow::deleteDevicesOf(NetworkPortItem* port) {
    deleteItems(port->takeChildren());
}

// A port of the machine stays in the tree when deleted; it only stops being used.
void MainWindow::delNetworkPort(NetworkPortItem* port) {
    if (!confirmed(this, tr("Delete port %1?").arg(port->name))) {
        return;
    }
    if (port->detected) {
        port->set_port_type(NetworkPortItem::ignored);
        deleteDevicesOf(port);
    } else {
        deleteItem(port);
    }
    ui->treeWidget->setCurrentItem(nullptr);
    updateMenus();
    modified = true;
}

void MainWindow::delNetworkDevice(NetworkDeviceItem* device) {
    if (!confirmed(this, tr("Delete device %1?").arg(device->name))) {
        return;
    }
    deleteItem(device);
    ui->treeWidget->setCurrentItem(nullptr);
    updateMenus();
    modified = true;
}

// Only LRR ports hold devices, so a port that leaves that type loses them without a question.
void MainWindow::editNetworkPort(NetworkPortItem* port) {
    if (port == nullptr) {
        return;
    }
    NetworkPortPropertiesDialog dialog(this);
    if (dialog.exec(port) == 0) {
        return;
    }
    modified = true;
    {
        // A refreshed device row moves within the sorted port, so the rows are taken first and
        // sorted once at the end.
        const TreeBatch batch(*batching);
        port->update_row();
        if (port->port_type != NetworkPortItem::lrr) {
            deleteDevicesOf(port);
        } else {
            for (NetworkDeviceItem* device : port->devices()) {
                device->update_row();
            }
        }
    }
    ui->treeWidget->setCurrentItem(port);
    batching->fitNameColumn();
    updateMenus();
}

void MainWindow::editNetworkDevice(NetworkDeviceItem* device) {
    if (device == nullptr) {
        return;
    }
    NetworkDevicePropertiesDialog dialog(this);
    if (dialog.exec(device) != 0) {
        modified = true;
        device->update_row();
        ui->treeWidget->setCurrentItem(device);
        batching->fitNameColumn();
    }
}

void MainWindow::addPort() {
    if (addNewNetworkPort() != nullptr) {
        modified = true;
    }
    updateMenus();
}

void MainWindow::addDevice() {
    if (NetworkPortItem* port = portForNewDevice(currentItem)) {
        addNewNetworkDevice(port);
        updateMenus();
    }
}

void MainWindow::on_addButton_pressed() {
    if (NetworkPortItem* port = portForNewDevice(currentItem)) {
        addNewNetworkDevice(port);
    }
}

void MainWindow::delPort() {
    if (NetworkPortItem* port = asPort(currentItem)) {
        delNetworkPort(port);
        updateMenus();
    }
}

void MainWindow::delDevice() {
    if (NetworkDeviceItem* device = asDevice(currentItem)) {
        delNetworkDevice(device);
        updateMenus();
    }
}

void MainWindow::on_deleteButton_pressed() {
    if (NetworkPortItem* port = asPort(currentItem)) {
        delNetworkPort(port);
    } else if (NetworkDeviceItem* device = asDevice(currentItem)) {
        delNetworkDevice(device);
    } else {
        return;
    }
    ui->treeWidget->setCurrentItem(nullptr);
    updateMenus();
}

void MainWindow::editPort() {
    if (NetworkPortItem* port = asPort(currentItem)) {
        editNetworkPort(port);
        updateMenus();
    }
}

void MainWindow::editDevice() {
    if (NetworkDeviceItem* device = asDevice(currentItem)) {
        editNetworkDevice(device);
        updateMenus();
    }
}

// Unlike the Edit menu's entries, the Edit button marks the network changed even when the dialog
// is cancelled, so that closing rewrites the configuration file.
void MainWindow::on_editButton_pressed() {
    if (NetworkPortItem* port = asPort(currentItem)) {
        editNetworkPort(port);
    } else if (NetworkDeviceItem* device = asDevice(currentItem)) {
        editNetworkDevice(device);
    } else {
        return;
    }
    modified = true;
}
