#include "windowfixture.h"

#include <QtTest>

namespace {

QStringList portNames(MainWindow& window) {
    QStringList names;
    QTreeWidget* tree = treeOf(window);
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        names << tree->topLevelItem(i)->text(0);
    }
    return names;
}

} // namespace

class DefaultNetworkTest : public QObject {
    Q_OBJECT

private slots:
    void takesTheRadioAdaptersSorted();
    void fallsBackToAutoPort();
    void keepsPortsAlreadyThere();
};

void DefaultNetworkTest::takesTheRadioAdaptersSorted() {
    WindowOnTestMachine test({{"COM3", "Silicon Labs cp210x USB to UART Bridge"},
                              {"COM4", "Communications Port"},
                              {"COM10", "CP210X"},
                              {"COM5", "USB Serial Port (FTDI)"}});
    MainWindow& window = test.window;

    QCOMPARE(portNames(window), (QStringList{"COM10", "COM3"}));
    for (const char* name : {"COM10", "COM3"}) {
        const NetworkPortItem* port = window.findNetworkPort(name);
        QVERIFY(port->detected);
        QCOMPARE(port->port_type, NetworkPortItem::ignored);
    }
    QVERIFY(!window.isModified());
}

void DefaultNetworkTest::fallsBackToAutoPort() {
    WindowOnTestMachine test({{"COM1", "Communications Port"}});
    MainWindow& window = test.window;

    QCOMPARE(portNames(window), QStringList{"auto"});
    const NetworkPortItem* port = window.findNetworkPort("auto");
    QVERIFY(!port->detected);
    QCOMPARE(port->port_type, NetworkPortItem::direct);
    QCOMPARE(port->master_id, 0);
    QVERIFY(window.isModified());
}

void DefaultNetworkTest::keepsPortsAlreadyThere() {
    WindowOnTestMachine test({{"COM3", "CP210x"}});
    MainWindow& window = test.window;
    window.clearNetwork();
    window.addNetworkPort("com3", NetworkPortItem::lrr, 5);

    QVERIFY(window.createDefaultNetwork());
    // Nothing new was found, but the tree is not empty: no fallback port either.
    QCOMPARE(portNames(window), QStringList{"com3"});
    QVERIFY(!window.findNetworkPort("COM3")->detected);

    window.addNetworkPort("COM8", NetworkPortItem::ignored, 0);
    window.deleteItem(window.findNetworkPort("com3"));
    QVERIFY(window.createDefaultNetwork());
    QCOMPARE(portNames(window), (QStringList{"COM3", "COM8"}));
    QVERIFY(window.findNetworkPort("COM3")->detected);
}

QTEST_MAIN(DefaultNetworkTest)
#include "tst_defaultnetwork.moc"
