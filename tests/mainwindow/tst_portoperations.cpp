#include "messageof.h"
#include "windowfixture.h"

#include <QtTest>

#include <memory>

class PortOperationsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void portIdentityRules();
    void portsAreSortedAsText();
    void deviceIdentityRules();
    void deletingEmptiesTheClipboard();
    void deletionMovesTheSelectionPastTheRow();
    void clipboardMovesAndCopies();
    void clearNetwork();

private:
    std::unique_ptr<WindowOnTestMachine> test;
    MainWindow* window = nullptr;
};

void PortOperationsTest::init() {
    test = std::make_unique<WindowOnTestMachine>();
    window = &test->window;
    startWithEmptyNetwork(*window);
}

void PortOperationsTest::cleanup() {
    test.reset();
}

void PortOperationsTest::portIdentityRules() {
    NetworkPortItem* com3 = window->addNetworkPort("COM3", NetworkPortItem::lrr, 255);
    QVERIFY(window->isModified());
    QCOMPARE(com3->master_id, 255);
    QCOMPARE(com3->port_type, NetworkPortItem::lrr);
    QVERIFY(!com3->detected);
    QCOMPARE(window->findNetworkPort("cOm3"), com3);
    QCOMPARE(window->findNetworkPort("COM4"), nullptr);

    QCOMPARE(messageOf([&] { window->addNetworkPort("com3", NetworkPortItem::direct, 1); }),
             QStringLiteral("Port \"com3\" is already defined"));
    QCOMPARE(messageOf([&] { window->addNetworkPort("COM4", NetworkPortItem::lrr, 0); }),
             QStringLiteral("Master ID 0 is invalid [1..255]"));
    QCOMPARE(messageOf([&] { window->addNetworkPort("COM4", NetworkPortItem::lrr, 256); }),
             QStringLiteral("Master ID 256 is invalid [1..255]"));
    QCOMPARE(treeOf(*window)->topLevelItemCount(), 1);

    NetworkPortItem* direct = window->addNetworkPort("COM4", NetworkPortItem::direct, 0);
    QCOMPARE(direct->master_id, 0);
    NetworkPortItem* unused = window->addNetworkPort("COM5", NetworkPortItem::ignored, 77);
    QCOMPARE(unused->master_id, 0);
    NetworkPortItem* unnamed = window->addNetworkPort("", NetworkPortItem::ignored, 0);
    QCOMPARE(window->findNetworkPort(""), unnamed);
    // Master IDs need not be unique across ports.
    QVERIFY(window->addNetworkPort("COM6", NetworkPortItem::lrr, 255) != nullptr);
}

void PortOperationsTest::portsAreSortedAsText() {
    for (const char* name : {"COM3", "COM10", "auto", "COM1"}) {
        window->addNetworkPort(name, NetworkPortItem::ignored, 0);
    }
    QTreeWidget* tree = treeOf(*window);
    QStringList order;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        order << tree->topLevelItem(i)->text(0);
    }
    QCOMPARE(order, (QStringList{"COM1", "COM10", "COM3", "auto"}));
}

void PortOperationsTest::deviceIdentityRules() {
    NetworkPortItem* com1 = window->addNetworkPort("COM1", NetworkPortItem::lrr, 3);
    NetworkPortItem* com2 = window->addNetworkPort("COM2", NetworkPortItem::lrr, 4);
    window->addNetworkDevice(com1, 7);
    QCOMPARE(messageOf([&] { window->addNetworkDevice(com1, 0); }),
             QStringLiteral("Submaster ID 0 is invalid [1..255]"));
    QCOMPARE(messageOf([&] { window->addNetworkDevice(com1, 256); }),
             QStringLiteral("Submaster ID 256 is invalid [1..255]"));
    QCOMPARE(messageOf([&] { window->addNetworkDevice(com1, 7); }),
             QStringLiteral("Submaster ID 7 is already in use"));
    QCOMPARE(com1->childCount(), 1);

    NetworkDeviceItem* five = window->addNetworkDevice(com2, 5);
    window->addNetworkDevice(com2, 7);
    NetworkDeviceItem* ten = window->addNetworkDevice(com2, 10);
    QCOMPARE(five->name, QStringLiteral("TCU .5"));
    QCOMPARE(five->port, com2);
    // Devices are sorted by their row text: 4.10 before 4.5.
    QCOMPARE(com2->child(0), ten);
    QCOMPARE(com2->child(1), five);
}

void PortOperationsTest::deletingEmptiesTheClipboard() {
    NetworkPortItem* com1 = window->addNetworkPort("COM1", NetworkPortItem::lrr, 1);
    NetworkPortItem* com2 = window->addNetworkPort("COM2", NetworkPortItem::lrr, 2);
    NetworkDeviceItem* device = window->addNetworkDevice(com1, 7);

    selectOnly(*window, device);
    actionOf(*window, "actionCopy")->trigger();
    QCOMPARE(window->clipboardContent(), device);
    selectOnly(*window, com2);
    QVERIFY(buttonOf(*window, "pasteButton")->isEnabled());

    window->deleteItem(window->addNetworkPort("COM9", NetworkPortItem::ignored, 0));
    QCOMPARE(window->clipboardContent(), nullptr);
    QCOMPARE(window->selectedItem(), com2);
    QVERIFY(!buttonOf(*window, "pasteButton")->isEnabled());

    // Deleting a port deletes its devices.
    window->deleteItem(com1);
    QCOMPARE(treeOf(*window)->topLevelItemCount(), 1);
    window->deleteItem(nullptr);
    QCOMPARE(treeOf(*window)->topLevelItemCount(), 1);
}

void PortOperationsTest::deletionMovesTheSelectionPastTheRow() {
    NetworkPortItem* com1 = window->addNetworkPort("COM1", NetworkPortItem::lrr, 1);
    NetworkDeviceItem* device = window->addNetworkDevice(com1, 7);
    // Selected as a click does it: the row is also the tree's current one, so the tree moves the
    // selection to the port while the row is being removed.
    treeOf(*window)->setCurrentItem(device);
    actionOf(*window, "actionCopy")->trigger();

    const NetworkItem* dying = device;
    int selectionChanges = 0;
    bool clipboardHeldDyingRow = false;
    QObject watch;
    connect(treeOf(*window), &QTreeWidget::itemSelectionChanged, &watch, [&] {
        ++selectionChanges;
        clipboardHeldDyingRow = clipboardHeldDyingRow || window->clipboardContent() == dying;
    });
    window->deleteItem(device);
    QVERIFY(selectionChanges > 0);
    QVERIFY(!clipboardHeldDyingRow);
    QCOMPARE(window->selectedItem(), com1);
    QVERIFY(!actionOf(*window, "action_Paste")->isEnabled());
}

void PortOperationsTest::clipboardMovesAndCopies() {
    NetworkPortItem* com1 = window->addNetworkPort("COM1", NetworkPortItem::lrr, 1);
    NetworkPortItem* com2 = window->addNetworkPort("COM2", NetworkPortItem::lrr, 2);
    NetworkPortItem* com3 = window->addNetworkPort("COM3", NetworkPortItem::direct, 0);
    NetworkDeviceItem* device = window->addNetworkDevice(com1, 7);
    device->set_retries(2);

    // A copied device can be pasted more than once.
    selectOnly(*window, device);
    buttonOf(*window, "copyButton")->pressed();
    selectOnly(*window, com2);
    actionOf(*window, "action_Paste")->trigger();
    QCOMPARE(com2->childCount(), 1);
    QCOMPARE(static_cast<NetworkDeviceItem*>(com2->child(0))->retries, 2);
    QCOMPARE(window->clipboardContent(), device);

    // A cut port moves its settings and devices and leaves no row behind.
    selectOnly(*window, com1);
    buttonOf(*window, "cutButton")->pressed();
    selectOnly(*window, com3);
    buttonOf(*window, "pasteButton")->pressed();
    QCOMPARE(window->findNetworkPort("COM1"), nullptr);
    QCOMPARE(com3->port_type, NetworkPortItem::lrr);
    QCOMPARE(com3->master_id, 1);
    QCOMPARE(com3->childCount(), 1);
    QCOMPARE(window->clipboardContent(), nullptr);
    QCOMPARE(window->selectedItem(), com3);
}

void PortOperationsTest::clearNetwork() {
    window->clearNetwork();
    QCOMPARE(window->selectedItem(), nullptr);

    NetworkPortItem* com1 = window->addNetworkPort("COM1", NetworkPortItem::lrr, 1);
    window->addNetworkDevice(com1, 1);
    window->addNetworkPort("COM2", NetworkPortItem::direct, 0);
    selectOnly(*window, com1);
    actionOf(*window, "actionCopy")->trigger();
    window->clearNetwork();
    QCOMPARE(treeOf(*window)->topLevelItemCount(), 0);
    QCOMPARE(window->selectedItem(), nullptr);
    QCOMPARE(window->clipboardContent(), nullptr);
    QVERIFY(window->isModified()); // clearing does not touch the modified flag
}

QTEST_MAIN(PortOperationsTest)
#include "tst_portoperations.moc"
