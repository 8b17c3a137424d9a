#include "mainwindow/mainwindow.h"

#include "mainwindow/messageboxes.h"
#include "mainwindow/portrows.h"
#include "mainwindow/treebatch.h"
#include "model/networkdeviceitem.h"
#include "model/networkrules.h"
#include "storage/networkfile.h"
#include "storage/networkformat.h"
#include "ui_mainwindow.h"

#include <QDebug>
#include <QHash>

#include <stdexcept>
#include <vector>

namespace {

// Rows that the fit of the first column at the end of a load must not measure: the fit that
// follows each added device never saw the ports a document lists after its last device. They
// are hidden while the fit is pending and shown again when this guard ends.
class RowsOutOfFit {
public:
    RowsOutOfFit() = default;
    RowsOutOfFit(const RowsOutOfFit&) = delete;
    RowsOutOfFit& operator=(const RowsOutOfFit&) = delete;
    ~RowsOutOfFit() { showAll(); }

    void hide(QTreeWidgetItem* row) {
        row->setHidden(true);
        rows.push_back(row);
    }
    void showAll() {
        for (QTreeWidgetItem* row : rows) {
            row->setHidden(false);
        }
        rows.clear();
    }

private:
    std::vector<QTreeWidgetItem*> rows;
};

// Applies a network document to the window's tree: ports are matched by name, ignoring case,
// and devices are added under the window's identity rules. The work per entry does not grow with
// the tree: ports are found through a table of names, a port's submaster IDs are kept as a set,
// a device's own retries and delay are drawn once, before the next entry, and a new port joins
// the tree with all its devices when its entry ends (also when the document fails later).
class TreeSink : public storage::NetworkSink {
public:
    TreeSink(MainWindow& window, QTreeWidget& tree, RowsOutOfFit& unfitted)
        : window(window), tree(tree), unfitted(unfitted) {
        for (int i = tree.topLevelItemCount() - 1; i >= 0; --i) {
            auto* row = static_cast<NetworkPortItem*>(tree.topLevelItem(i));
            // the first row of a name wins
            portsByName.insert(networkrules::portKey(row->text(0)), row);
        }
    }
    ~TreeSink() override { finishEntry(); }

    void port(const QString& name) override {
        finishEntry();
        const QString key = networkrules::portKey(name);
        current = portsByName.value(key);
        if (current == nullptr) {
            current = new NetworkPortItem(name, false);
            newPort = current;
            portsByName.insert(key, current);
        }
        idsInUse = current->submasterIdsInUse();
    }
    void portType(NetworkPortItem::port_type_t type) override { current->set_port_type(type); }
    void portValue(field_t field, int value) override {
        storage::setPortValue(*current, field, value);
    }
    void device(int submasterId) override {
        drawLastDevice();
        lastDevice = window.addNetworkDevice(current, submasterId, idsInUse);
        unfitted.showAll(); // the fit this device asks for measures every row so far
    }
    void deviceValue(field_t field, int value) override {
        (field == retries ? lastDevice->retries : lastDevice->delay) = value;
        lastDeviceChanged = true;
    }

private:
    // A port that is not in the tree yet opens when it joins, as its first device would have
    // opened it.
    void finishEntry() {
        drawLastDevice();
        if (newPort != nullptr) {
            tree.addTopLevelItem(newPort);
            if (newPort->childCount() > 0) {
                newPort->setExpanded(true);
            } else {
                unfitted.hide(newPort);
            }
            newPort = nullptr;
        }
    }
    void drawLastDevice() {
        if (lastDeviceChanged) {
            lastDevice->update_row();
            lastDeviceChanged = false;
        }
    }

    MainWindow& window;
    QTreeWidget& tree;
    RowsOutOfFit& unfitted;
    QHash<QString, NetworkPortItem*> portsByName;
    NetworkPortItem* current = nullptr;
    NetworkPortItem* newPort = nullptr; // current, while it is not in the tree yet
    std::bitset<256> idsInUse;
    NetworkDeviceItem* lastDevice = nullptr;
    bool lastDeviceChanged = false;
};

} // namespace

bool MainWindow::save(const std::string& path) {
    try {
        qDebug() << "Save to" << path.c_str();
        const QByteArray text = storage::networkText(portRows(*ui->treeWidget));
        if (!storage::writeNetworkFile(path, text)) {
            throw std::runtime_error(
                storage::writeFailure(QString::fromStdString(path)).toUtf8().toStdString());
        }
        rememberAdapters(); // of the ports the saved network configures
        return true;
    } catch (const std::exception& error) {
        showFailure(this, tr("Save network configuration file"), error);
        return false;
    }
}

bool MainWindow::load(const std::string& path) {
    try {
        qDebug() << "Load from" << path.c_str();
        RowsOutOfFit unfitted; // ends after the batch, so after its fit
        const TreeBatch batch(*batching);
        const QByteArray text = storage::readNetworkFile(path);
        TreeSink sink(*this, *ui->treeWidget, unfitted);
        storage::readNetwork(text, QString::fromStdString(path), sink);
        modified = false;
        currentItem = nullptr;
        updateMenus();
        return true;
    } catch (const std::exception& error) {
        showFailure(this, tr("Load network configuration file"), error);
        return false;
    }
}
