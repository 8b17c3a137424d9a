#include "networktree.h"

#include <QtTest>

namespace {

QImage imageOf(const QIcon& icon) {
    return icon.pixmap(16, 16).toImage();
}

// Icons from files carry no name, so rows are compared by what they draw.
bool showsIcon(const QIcon& icon, const QString& resource) {
    const QImage expected = imageOf(QIcon(resource));
    return !expected.isNull() && imageOf(icon) == expected;
}

NetworkDeviceItem* deviceAt(NetworkPortItem* port, int row) {
    return static_cast<NetworkDeviceItem*>(port->child(row));
}

} // namespace

class NetworkItemsTest : public QObject {
    Q_OBJECT

private slots:
    void resourcesAreDistinct();
    void portRow_data();
    void portRow();
    void deviceRowShowsInheritance();
    void deviceRowKeepsOldMasterIdUntilRefreshed();
    void copyRefusals();
    void portOntoPortReplacesDevices();
    void deviceOntoPortAddsDevice();
    void deviceOntoDeviceCopiesParameters();
};

void NetworkItemsTest::resourcesAreDistinct() {
    const QStringList names{"usb",   "find", "ignore", "network-wired-3", "network-wireless",
                            "device"};
    QSet<QByteArray> seen;
    for (const QString& name : names) {
        const QImage image = imageOf(QIcon(QStringLiteral(":/res/%1.ico").arg(name)));
        QVERIFY2(!image.isNull(), qPrintable(name));
        const QByteArray bits(reinterpret_cast<const char*>(image.constBits()),
                              static_cast<int>(image.sizeInBytes()));
        QVERIFY2(!seen.contains(bits), qPrintable(name));
        seen.insert(bits);
    }
}

void NetworkItemsTest::portRow_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("detected");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("icon0");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("icon1");

    const int ignored = NetworkPortItem::ignored;
    const int direct = NetworkPortItem::direct;
    const int lrr = NetworkPortItem::lrr;
    QTest::newRow("new port") << "COM3" << false << ignored << ":/res/ignore.ico"
                              << "Not used"
                              << ":/res/ignore.ico";
    QTest::newRow("detected") << "COM3" << true << ignored << ":/res/usb.ico"
                              << "Not used"
                              << ":/res/ignore.ico";
    QTest::newRow("auto") << "auto" << false << direct << ":/res/find.ico"
                          << "Direct TCU"
                          << ":/res/network-wired-3.ico";
    QTest::newRow("detected wins over auto") << "auto" << true << ignored << ":/res/usb.ico"
                                             << "Not used"
                                             << ":/res/ignore.ico";
    QTest::newRow("Auto is not auto") << "Auto" << false << ignored << ":/res/ignore.ico"
                                      << "Not used"
                                      << ":/res/ignore.ico";
    QTest::newRow("AUTO is not auto") << "AUTO" << false << direct << ":/res/ignore.ico"
                                      << "Direct TCU"
                                      << ":/res/network-wired-3.ico";
    QTest::newRow("lrr") << "COM4" << false << lrr << ":/res/ignore.ico"
                         << "LRR ID: 10, retries: 5, delay: 5000"
                         << ":/res/network-wireless.ico";
}

void NetworkItemsTest::portRow() {
    QFETCH(QString, name);
    QFETCH(bool, detected);
    QFETCH(int, type);
    QFETCH(QString, icon0);
    QFETCH(QString, text1);
    QFETCH(QString, icon1);

    NetworkPortItem port(name, detected);
    port.set_port_type(static_cast<NetworkPortItem::port_type_t>(type));
    port.set_master_id(10);

    QCOMPARE(port.type(), int(NetworkItem::port_item));
    QCOMPARE(port.text(0), name);
    QCOMPARE(port.to_string(), name);
    QCOMPARE(port.text(1), text1);
    QVERIFY(showsIcon(port.icon(0), icon0));
    QVERIFY(showsIcon(port.icon(1), icon1));
}

void NetworkItemsTest::deviceRowShowsInheritance() {
    QTreeWidget tree;
    NetworkPortItem* port = addPort(tree, "COM3", NetworkPortItem::lrr, 10);
    auto* item = new NetworkDeviceItem(QStringLiteral("TCU .1"), port);

    QCOMPARE(item->type(), int(NetworkItem::device_item));
    QCOMPARE(item->parent(), port);
    QVERIFY(port->isExpanded());
    QCOMPARE(item->text(0), QStringLiteral("10.1"));
    QCOMPARE(item->text(1), QStringLiteral("retries: 5 (inherit), delay: 5000 (inherit)"));
    QVERIFY(showsIcon(item->icon(0), ":/res/device.ico"));
    QVERIFY(item->icon(1).isNull());

    item->set_retries(3);
    QCOMPARE(item->text(1), QStringLiteral("retries: 3, delay: 5000 (inherit)"));
    item->set_retries(-7); // any negative value inherits
    item->set_delay(0);
    QCOMPARE(item->text(1), QStringLiteral("retries: 5 (inherit), delay: 0"));

    item->set_submaster_id(12);
    QCOMPARE(item->text(0), QStringLiteral("10.12"));
    QCOMPARE(NetworkDeviceItem(QString(), nullptr).to_string(), QStringLiteral("0.1"));
}

void NetworkItemsTest::deviceRowKeepsOldMasterIdUntilRefreshed() {
    QTreeWidget tree;
    NetworkPortItem* port = addPort(tree, "COM3", NetworkPortItem::lrr, 12);
    NetworkDeviceItem* item = addDevice(port, 3);
    QCOMPARE(item->text(0), QStringLiteral("12.3"));

    port->set_master_id(13);
    port->set_retries(9);
    QCOMPARE(item->text(0), QStringLiteral("12.3"));
    QCOMPARE(item->text(1), QStringLiteral("retries: 5 (inherit), delay: 5000 (inherit)"));
    QCOMPARE(item->to_string(), QStringLiteral("13.3"));

    item->update_row();
    QCOMPARE(item->text(0), QStringLiteral("13.3"));
    QCOMPARE(item->text(1), QStringLiteral("retries: 9 (inherit), delay: 5000 (inherit)"));
}

void NetworkItemsTest::copyRefusals() {
    QTreeWidget tree;
    NetworkPortItem* lrr = addPort(tree, "COM1", NetworkPortItem::lrr, 1);
    NetworkPortItem* other = addPort(tree, "COM2", NetworkPortItem::lrr, 2);
    NetworkDeviceItem* seven = addDevice(lrr, 7);
    NetworkDeviceItem* sevenElsewhere = addDevice(other, 7);
    NetworkPortItem* directPort = addPort(tree, "COM3", NetworkPortItem::direct);
    NetworkPortItem* unused = addPort(tree, "COM4", NetworkPortItem::ignored);

    for (NetworkItem* item : std::initializer_list<NetworkItem*>{lrr, seven}) {
        QVERIFY(!item->can_copy_from(nullptr));
        QVERIFY(!item->can_copy_from(item));
    }
    QVERIFY(!seven->can_copy_from(other));      // port onto device
    QVERIFY(!directPort->can_copy_from(seven)); // device onto a direct port
    QVERIFY(!unused->can_copy_from(seven));     // device onto an unused port
    QVERIFY(!unused->can_copy_from(lrr));       // nothing onto an unused port
    QVERIFY(!other->can_copy_from(seven));      // submaster ID 7 already used there
    QVERIFY(directPort->can_copy_from(lrr));
    QVERIFY(seven->can_copy_from(sevenElsewhere));

    unused->copy_from(lrr);
    QCOMPARE(unused->port_type, NetworkPortItem::ignored);
    QCOMPARE(unused->text(1), QStringLiteral("Not used"));
    other->copy_from(seven);
    QCOMPARE(other->childCount(), 1);
    seven->copy_from(other);
    QCOMPARE(seven->retries, -1);
}

void NetworkItemsTest::portOntoPortReplacesDevices() {
    QTreeWidget tree;
    NetworkPortItem* source = addPort(tree, "COM1", NetworkPortItem::lrr, 4);
    source->set_retries(2);
    source->set_delay(300);
    addDevice(source, 5, 1, -1);
    addDevice(source, 6, -1, 250);
    NetworkPortItem* target = addPort(tree, "COM9", NetworkPortItem::direct, 9, true);
    new NetworkDeviceItem("old", target);

    target->copy_from(source);

    QCOMPARE(target->name, QStringLiteral("COM9"));
    QCOMPARE(target->text(0), QStringLiteral("COM9"));
    QVERIFY(target->detected);
    QCOMPARE(target->port_type, NetworkPortItem::lrr);
    QCOMPARE(target->master_id, 4);
    QCOMPARE(target->text(1), QStringLiteral("LRR ID: 4, retries: 2, delay: 300"));
    QCOMPARE(target->childCount(), 2);
    QCOMPARE(deviceAt(target, 0)->name, QStringLiteral("TCU .5"));
    QCOMPARE(deviceAt(target, 0)->port, target);
    QCOMPARE(deviceAt(target, 0)->submaster_id, 5);
    QCOMPARE(deviceAt(target, 0)->retries, 1);
    QCOMPARE(deviceAt(target, 0)->delay, -1);
    QCOMPARE(deviceAt(target, 0)->text(0), QStringLiteral("4.5"));
    QCOMPARE(deviceAt(target, 1)->text(1), QStringLiteral("retries: 2 (inherit), delay: 250"));
    QCOMPARE(source->childCount(), 2); // the source keeps its own devices
}

void NetworkItemsTest::deviceOntoPortAddsDevice() {
    QTreeWidget tree;
    NetworkPortItem* source = addPort(tree, "COM1", NetworkPortItem::lrr, 1);
    NetworkDeviceItem* seven = addDevice(source, 7, 3, 40);
    NetworkPortItem* target = addPort(tree, "COM2", NetworkPortItem::lrr, 2);
    addDevice(target, 1);
    const QString targetRow = target->text(1);

    target->copy_from(seven);

    QCOMPARE(target->childCount(), 2);
    NetworkDeviceItem* copy = deviceAt(target, 1);
    QCOMPARE(copy->submaster_id, 7);
    QCOMPARE(copy->name, seven->name);
    QCOMPARE(copy->retries, 3);
    QCOMPARE(copy->delay, 40);
    QCOMPARE(copy->text(0), QStringLiteral("2.7"));
    QCOMPARE(target->text(1), targetRow);
    QVERIFY(!target->can_copy_from(seven)); // 7 is now used there
}

void NetworkItemsTest::deviceOntoDeviceCopiesParameters() {
    QTreeWidget tree;
    NetworkPortItem* port = addPort(tree, "COM1", NetworkPortItem::lrr, 1);
    NetworkDeviceItem* source = addDevice(port, 2, 8, -1);
    NetworkDeviceItem* target = addDevice(port, 3, 1, 100);

    target->copy_from(source);

    QCOMPARE(target->submaster_id, 3);
    QCOMPARE(target->name, QStringLiteral("TCU .3"));
    QCOMPARE(target->retries, 8);
    QCOMPARE(target->delay, -1);
    QCOMPARE(target->text(1), QStringLiteral("retries: 8, delay: 5000 (inherit)"));
}

QTEST_MAIN(NetworkItemsTest)
#include "tst_networkitems.moc"
