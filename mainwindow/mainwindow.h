#pragma once

#include "model/networkportitem.h"

#include <QMainWindow>
#include <QStringList>

#include <bitset>

#include <memory>
#include <string>

struct AdapterMove;
struct LivePorts;
struct MachinePort;
class NetworkDeviceItem;
class QCloseEvent;
class QShowEvent;
class NetworkItem;
class QTreeWidgetItem;
class TreeBatching;
class Ui_MainWindow;
namespace storage {
class ConfigurationLock;
}

// The editor's only top-level window: the network tree, its commands and the window-wide state
// the commands share (selection, internal clipboard, unsaved changes).
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Where the network configuration lives.
    std::string getDataFileName() const;
    std::string getQuarnTCUDataFileName() const;

    // Takes the configuration's lock for as long as the window lives. When another editor holds
    // it, asks whether to open the configuration all the same; false when the answer is No, and
    // on Yes the lock is taken once the other editor lets go of it.
    bool claimConfiguration();

    // Recomputes the selected item and which commands are enabled.
    void updateMenus();

    // The network as a whole. save() writes pending changes to the configuration file; load()
    // reads it, or offers to create it, and returns false when the program cannot go on. The
    // variants with a file name read or write that file (UTF-8 name) and report their own
    // failures. createDefaultNetwork() adds the machine's radio adapters to the tree.
    bool save();
    bool load();
    bool save(const std::string& path);
    bool load(const std::string& path);
    bool createDefaultNetwork();

    // Core operations on single rows; the add operations throw std::runtime_error (UTF-8 text)
    // when a name or an ID breaks the network's identity rules.
    NetworkPortItem* findNetworkPort(const QString& name) const;
    NetworkPortItem* addNetworkPort(const QString& name, NetworkPortItem::port_type_t type,
                                    int masterId);
    NetworkDeviceItem* addNetworkDevice(NetworkPortItem* port, int submasterId);
    // The same for callers that add many devices to one port: inUse starts as the port's
    // submaster IDs (NetworkPortItem::submasterIdsInUse) and gains each new one, so that the
    // check searches no rows.
    NetworkDeviceItem* addNetworkDevice(NetworkPortItem* port, int submasterId,
                                        std::bitset<256>& inUse);
    void deleteItem(QTreeWidgetItem* item);
    void clearNetwork();

    // Reads the machine's serial ports again and makes the tree follow them: rows of radio
    // adapters that appear are added as the default network adds them, rows of ports that come
    // and go show whether they are present, and the status bar says what changed. Marks the
    // network modified only when a move of an adapter that returned under another name is
    // accepted. Waits while a dialog or question is open.
    void followPorts();

    NetworkItem* selectedItem() const { return currentItem; }
    NetworkItem* clipboardContent() const { return clipboardItem; }
    bool isModified() const { return modified; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // The first showing starts following the machine's ports.
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private slots:
    void aboutThis();
    void aboutQt();
    void addPort();
    void delPort();
    void editPort();
    void addDevice();
    void delDevice();
    void editDevice();
    void newNetwork();
    void delNetwork();
    void expNetwork();
    void impNetwork();
    void on_addButton_pressed();
    void on_deleteButton_pressed();
    void on_editButton_pressed();
    void on_cancelButton_pressed();
    void on_applyButton_pressed();
    void on_okButton_pressed();
    void on_treeWidget_itemSelectionChanged();
    void on_cutButton_pressed();
    void on_copyButton_pressed();
    void on_pasteButton_pressed();

private:
    // Interactive operations: each runs its wizard, dialog or question first.
    NetworkPortItem* addNewNetworkPort();
    NetworkDeviceItem* addNewNetworkDevice(NetworkPortItem* port);
    void delNetworkPort(NetworkPortItem* port);
    void delNetworkDevice(NetworkDeviceItem* device);
    void editNetworkPort(NetworkPortItem* port);
    void editNetworkDevice(NetworkDeviceItem* device);
    void deleteDevicesOf(NetworkPortItem* port);
    // The steps of deleteItem for several rows at once, with one refresh of the menus.
    void deleteItems(const QList<QTreeWidgetItem*>& rows);

    void connectActions();
    bool networkFilePresent() const;
    void enableCommands(bool networkPresent);
    void enableItemCommands(const NetworkItem* item);

    // Following the machine's ports (liveports.cpp).
    void addRadioAdapterRows(const QList<MachinePort>& ports);
    void markPresent(const QString& name, bool present);
    void showMachineFacts(int first, int last);
    QStringList configuredPorts() const;
    void rememberAdapters();
    void offerMovedAdapters();
    void moveAdapter(const AdapterMove& move);

    Ui_MainWindow* ui;
    std::unique_ptr<TreeBatching> batching;
    std::unique_ptr<storage::ConfigurationLock> lock;
    std::unique_ptr<LivePorts> live;
    NetworkItem* currentItem;
    NetworkItem* clipboardItem;
    bool clipboardIsCut;
    bool modified;
};
