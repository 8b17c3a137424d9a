#include "fakeplatform.h"
#include "messageof.h"
#include "rs232/serial.h"

#include <QtTest>

using namespace RS232;
using RS232::test::FakeDevice;
using RS232::test::FakePlatform;
using RS232::test::PlatformGuard;

namespace {

FakeDevice namedDevice(DevNode node, const std::string& portName,
                       const std::string& description = {}) {
    FakeDevice device;
    device.node = node;
    device.keyValues["PortName"] = stringValue(portName);
    if (!description.empty())
        device.properties[spdrpDeviceDesc] = stringValue(description);
    return device;
}

QStringList portNames(const std::vector<Serial>& ports) {
    QStringList names;
    for (const Serial& port : ports)
        names << QString::fromStdString(port.portName);
    return names;
}

std::vector<Serial> enumerateWith(FakePlatform& fake) {
    PlatformGuard guard(fake);
    std::vector<Serial> ports;
    ports.emplace_back("COM99", "left over");
    Serial::enumerate(ports);
    return ports;
}

} // namespace

class EnumerateTest : public QObject {
    Q_OBJECT

private slots:

    void keepsFirstDiscoveryOfEachPort() {
        FakePlatform fake;
        fake.addDevice(guidDevclassPorts, namedDevice(1, "COM3", "CP210x USB to UART"));
        fake.addDevice(guidDevclassPorts, namedDevice(2, "LPT1", "Printer Port"));
        fake.addDevice(guidDevinterfaceComport, namedDevice(3, "COM3", "Interface view"));
        fake.addDevice(guidDevclassModem, namedDevice(4, "COM5", "Modem"));
        fake.addSerialComm("\\Device\\Serial0", stringValue("COM1"));
        fake.addSerialComm("\\Device\\Modem", stringValue("COM5"));
        fake.addSerialComm("\\Device\\Parallel", stringValue("LPT2"));

        const std::vector<Serial> ports = enumerateWith(fake);

        const std::vector<std::pair<Guid, std::uint32_t>> askedFor{{guidDevclassPorts, 0x02},
                                                                   {guidDevclassModem, 0x02},
                                                                   {guidDevinterfaceComport, 0x12},
                                                                   {guidDevinterfaceModem, 0x12}};
        QVERIFY(fake.requestedSets == askedFor);
        QCOMPARE(portNames(ports), QStringList({"COM1", "COM3", "COM5", "LPT2"}));
        QCOMPARE(ports[1].description, std::string("CP210x USB to UART"));
        QCOMPARE(ports[2].description, std::string("Modem"));
        const Serial& registryOnly = ports[0];
        QCOMPARE(registryOnly.systemLocation, std::string("\\\\.\\COM1"));
        QVERIFY(registryOnly.description.empty() && registryOnly.manufacturer.empty());
        QVERIFY(!registryOnly.hasVendorIdentifier && !registryOnly.hasProductIdentifier);
        QCOMPARE(ports[3].systemLocation, std::string("LPT2"));
        QCOMPARE(fake.openHandles(), std::size_t(0));
    }

    void stopsAtFailingDeviceSet() {
        FakePlatform fake;
        fake.addDevice(guidDevclassPorts, namedDevice(1, "COM9"));
        fake.addDevice(guidDevclassPorts, namedDevice(2, "COM2"));
        fake.failDeviceSet(guidDevclassModem);
        fake.addDevice(guidDevinterfaceComport, namedDevice(3, "COM4"));
        fake.addSerialComm("\\Device\\Serial0", stringValue("COM1"));

        const std::vector<Serial> ports = enumerateWith(fake);

        QCOMPARE(portNames(ports), QStringList({"COM9", "COM2"}));
        QCOMPARE(fake.requestedSets.size(), std::size_t(2));
        QVERIFY(!fake.serialCommOpened);
        QCOMPARE(fake.openHandles(), std::size_t(0));
    }

    void readsPortNameFromDeviceKey_data() {
        QTest::addColumn<bool>("keyOpens");
        QTest::addColumn<int>("portNameType");
        QTest::addColumn<QByteArray>("portName");
        QTest::addColumn<bool>("hasPortNumber");
        QTest::addColumn<QString>("expected");
        const QByteArray com3("COM3\0", 5);
        const QByteArray long300 = QByteArray(300, 'N') + '\0';
        QTest::newRow("port name") << true << 1 << com3 << true << "COM3";
        QTest::newRow("long port name") << true << 1 << long300 << false << QString(300, 'N');
        QTest::newRow("empty name, number") << true << 1 << QByteArray(1, '\0') << true << "COM4";
        QTest::newRow("no name, number") << true << 0 << QByteArray() << true << "COM4";
        QTest::newRow("binary name, number") << true << 3 << com3 << true << "COM4";
        QTest::newRow("dword name") << true << 4 << QByteArray("\x0c\0\0\0", 4) << false << "COM12";
        QTest::newRow("neither") << true << 0 << QByteArray() << false << "";
        QTest::newRow("key does not open") << false << 1 << com3 << true << "";
    }

    void readsPortNameFromDeviceKey() {
        QFETCH(bool, keyOpens);
        QFETCH(int, portNameType);
        QFETCH(QByteArray, portName);
        QFETCH(bool, hasPortNumber);
        QFETCH(QString, expected);
        FakeDevice device;
        device.node = 1;
        device.keyOpens = keyOpens;
        if (portNameType != 0)
            device.keyValues["PortName"] = {std::uint32_t(portNameType), portName.toStdString()};
        if (hasPortNumber)
            device.keyValues["PortNumber"] = dwordValue(4);
        FakePlatform fake;
        fake.addDevice(guidDevclassPorts, device);

        const std::vector<Serial> ports = enumerateWith(fake);

        QCOMPARE(portNames(ports), expected.isEmpty() ? QStringList() : QStringList(expected));
        QCOMPARE(fake.openHandles(), std::size_t(0));
    }

    // Descriptions, manufacturers and SERIALCOMM data longer than the first buffer.
    void readsLongValuesWhole() {
        const std::string description = "Adapter " + std::string(300, 'd');
        const std::string registryName = "COM" + std::string(290, '7');
        FakeDevice device = namedDevice(1, "COM3", description);
        device.properties[spdrpMfg] = {regMultiSz, std::string("Maker\0Other\0\0", 13)};
        FakeDevice multiString = namedDevice(2, "COM4");
        multiString.properties[spdrpMfg] = {regMultiSz, std::string(300, 'm') + '\0' + '\0'};
        FakePlatform fake;
        fake.addDevice(guidDevclassPorts, device);
        fake.addDevice(guidDevclassPorts, multiString);
        fake.addSerialComm("\\Device\\Serial9", stringValue(registryName));

        const std::vector<Serial> ports = enumerateWith(fake);

        QCOMPARE(portNames(ports),
                 QStringList({"COM3", "COM4", QString::fromStdString(registryName)}));
        QCOMPARE(ports[0].description, description);
        QCOMPARE(ports[0].manufacturer, std::string("Maker"));
        QCOMPARE(ports[1].manufacturer, std::string());
    }

    void readsIdentifiersAndSerialNumber_data() {
        // The port's device node first, then its ancestors; a missing identifier ends the tree.
        QTest::addColumn<QStringList>("tree");
        QTest::addColumn<int>("vendor");
        QTest::addColumn<int>("product");
        QTest::addColumn<QString>("serialNumber");
        QTest::newRow("usb") << QStringList{"USB\\VID_10C4&PID_EA60\\0001"} << 0x10C4 << 0xEA60
                             << "0001";
        QTest::newRow("ftdi") << QStringList{"FTDIBUS\\VID_0403+PID_6001+A600ABCDA\\0000"} << 0x0403
                              << 0x6001 << "A600ABCDA";
        QTest::newRow("composite interface")
            << QStringList{"USB\\VID_1234&PID_5678&MI_00\\6&1A2B3C&0&0000",
                           "USB\\VID_1234&PID_5678\\XYZ"}
            << 0x1234 << 0x5678 << "XYZ";
        QTest::newRow("lower case")
            << QStringList{"usb\\vid_10c4&pid_ea60\\ab12_00"} << 0x10C4 << 0xEA60 << "AB12";
        QTest::newRow("pci") << QStringList{"PCI\\VEN_8086&DEV_9D3D&SUBSYS_1\\3&1158&0&F0",
                                            "PCI\\VEN_8086&DEV_1234\\3&0&0"}
                             << 0x8086 << 0x9D3D << "";
        QTest::newRow("ancestor's serial, own identifiers")
            << QStringList{"ACPI\\PNP0501\\1", "ROOT\\HUB\\2", "USB\\VID_1111&PID_2222\\SN9"} << -1
            << -1 << "SN9";
        QTest::newRow("parent unreadable")
            << QStringList{"USB\\VID_1234&PID_5678&MI_01\\6&1&0&1", ""} << 0x1234 << 0x5678 << "";
        QTest::newRow("unreadable") << QStringList{""} << -1 << -1 << "";
    }

    void readsIdentifiersAndSerialNumber() {
        QFETCH(QStringList, tree);
        QFETCH(int, vendor);
        QFETCH(int, product);
        QFETCH(QString, serialNumber);
        FakePlatform fake;
        for (int node = 1; node <= tree.size(); ++node) {
            if (!tree[node - 1].isEmpty())
                fake.addNode(DevNode(node), tree[node - 1].toStdString(), DevNode(node + 1));
        }
        fake.addDevice(guidDevclassPorts, namedDevice(1, "COM3"));

        const std::vector<Serial> ports = enumerateWith(fake);

        QCOMPARE(ports.size(), std::size_t(1));
        const Serial& port = ports[0];
        QCOMPARE(port.hasVendorIdentifier, vendor >= 0);
        QCOMPARE(int(port.vendorIdentifier), std::max(vendor, 0));
        QCOMPARE(port.hasProductIdentifier, product >= 0);
        QCOMPARE(int(port.productIdentifier), std::max(product, 0));
        QCOMPARE(QString::fromStdString(port.serialNumber), serialNumber);
    }

    void sortsByteWise() {
        FakePlatform fake;
        fake.addDevice(guidDevclassPorts, namedDevice(1, "COM2"));
        fake.addDevice(guidDevclassModem, namedDevice(2, "COM10"));
        fake.addDevice(guidDevinterfaceModem, namedDevice(3, "COMa"));
        for (const char* name : {"COM\xC3\x9C", "COM3", "COM1", "COMB"})
            fake.addSerialComm(name, stringValue(name));

        const std::vector<Serial> ports = enumerateWith(fake);

        QCOMPARE(portNames(ports), QStringList({"COM1", "COM10", "COM2", "COM3", "COMB", "COMa",
                                                QString::fromUtf8("COM\xC3\x9C")}));
    }

    void findsExactName() {
        FakePlatform fake;
        fake.addNode(1, "USB\\VID_10C4&PID_EA60\\0001");
        fake.addDevice(guidDevclassPorts, namedDevice(1, "COM3", "CP210x"));
        fake.addSerialComm("\\Device\\Serial0", stringValue("COM30"));
        PlatformGuard guard(fake);

        const Serial found = Serial::find("COM3");
        QCOMPARE(found.description, std::string("CP210x"));
        QCOMPARE(found.serialNumber, std::string("0001"));
        QCOMPARE(found.vendorIdentifier, std::uint16_t(0x10C4));
        for (const char* missing : {"com3", "COM", "COM3 ", ""})
            QCOMPARE(messageOf([missing] { Serial::find(missing); }),
                     QString("Not found: ") + missing);
    }
};

QTEST_APPLESS_MAIN(EnumerateTest)
#include "tst_enumerate.moc"
