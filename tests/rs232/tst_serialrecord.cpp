#include "rs232/serial.h"

#include <QtTest>

using RS232::Serial;

namespace {

Serial describedPort(const std::string& name) {
    Serial port(name, name + " description");
    port.systemLocation = name + " location";
    port.manufacturer = name + " maker";
    port.serialNumber = name + " serial";
    port.hasVendorIdentifier = true;
    port.vendorIdentifier = 0x10C4;
    port.hasProductIdentifier = true;
    port.productIdentifier = 0xEA60;
    port.baudRate = 115200;
    port.byteSize = 7;
    port.stopBits = 2;
    port.parity = 1;
    return port;
}

void verifyDescription(const Serial& port, const std::string& name) {
    QCOMPARE(port.portName, name);
    QCOMPARE(port.systemLocation, name + " location");
    QCOMPARE(port.description, name + " description");
    QCOMPARE(port.manufacturer, name + " maker");
    QCOMPARE(port.serialNumber, name + " serial");
    QVERIFY(port.hasVendorIdentifier && port.hasProductIdentifier);
    QCOMPARE(port.vendorIdentifier, std::uint16_t(0x10C4));
    QCOMPARE(port.productIdentifier, std::uint16_t(0xEA60));
}

void verifyEmptyDescription(const Serial& port) {
    QVERIFY(port.portName.empty() && port.systemLocation.empty() && port.description.empty());
    QVERIFY(port.manufacturer.empty() && port.serialNumber.empty());
    QVERIFY(!port.hasVendorIdentifier && !port.hasProductIdentifier);
    QCOMPARE(port.vendorIdentifier + port.productIdentifier, 0);
}

void verifySettings(const Serial& port, int baudRate, int byteSize, int stopBits, int parity) {
    QCOMPARE(port.baudRate, baudRate);
    QCOMPARE(int(port.byteSize), byteSize);
    QCOMPARE(int(port.stopBits), stopBits);
    QCOMPARE(int(port.parity), parity);
    QCOMPARE(port.handle, RS232::invalidHandle);
}

} // namespace

class SerialRecordTest : public QObject {
    Q_OBJECT

private slots:
    void constructsWithDefaults();
    void moveConstructionEmptiesSource();
    void moveAssignmentExchangesDescriptions();
};

void SerialRecordTest::constructsWithDefaults() {
    const Serial blank;
    verifyEmptyDescription(blank);
    verifySettings(blank, 9600, 8, 0, 0);
    QVERIFY(!blank.isBlocking);
    const Serial named("COM3", "CP210x");
    QCOMPARE(named.portName, std::string("COM3"));
    QCOMPARE(named.description, std::string("CP210x"));
    QVERIFY(named.systemLocation.empty());
    verifySettings(named, 9600, 8, 0, 0);
}

void SerialRecordTest::moveConstructionEmptiesSource() {
    Serial source = describedPort("COM3");
    const Serial target(std::move(source));
    verifyDescription(target, "COM3");
    verifySettings(target, 115200, 7, 2, 1);
    verifyEmptyDescription(source);
    verifySettings(source, 9600, 8, 0, 0);
}

void SerialRecordTest::moveAssignmentExchangesDescriptions() {
    Serial source = describedPort("COM3");
    Serial target = describedPort("COM7");
    target.baudRate = 4800;
    target = std::move(source);
    verifyDescription(target, "COM3");
    verifySettings(target, 115200, 7, 2, 1);
    verifyDescription(source, "COM7");
    verifySettings(source, 9600, 8, 0, 0);

    Serial& self = target;
    target = std::move(self);
    verifyDescription(target, "COM3");
    verifySettings(target, 115200, 7, 2, 1);
}

QTEST_APPLESS_MAIN(SerialRecordTest)
#include "tst_serialrecord.moc"
