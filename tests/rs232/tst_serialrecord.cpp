#include "rs232/serial.h"

#include <QtTest>

using RS232::Serial;

namespace {

// Every field but isBlocking, in declaration order, as one line to compare.
QString fieldsOf(const Serial& port) {
    return QStringList{
        QString::fromStdString(port.portName),
        QString::fromStdString(port.systemLocation),
        QString::fromStdString(port.description),
        QString::fromStdString(port.manufacturer),
        QString::fromStdString(port.serialNumber),
        QString("%1:%2").arg(port.hasVendorIdentifier).arg(port.vendorIdentifier, 0, 16),
        QString("%1:%2").arg(port.hasProductIdentifier).arg(port.productIdentifier, 0, 16),
        QString::number(port.baudRate),
        QString::number(port.byteSize),
        QString::number(port.stopBits),
        QString::number(port.parity),
        QString::number(port.handle)}
        .join('|');
}

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

const QString blank = "|||||0:0|0:0|9600|8|0|0|-1";
const QString com3 = "COM3|COM3 location|COM3 description|COM3 maker|COM3 serial|1:10c4|1:ea60|"
                     "115200|7|2|1|-1";
// COM7's descriptive fields with the settings a moved-from record is left with.
const QString com7Left = "COM7|COM7 location|COM7 description|COM7 maker|COM7 serial|1:10c4|"
                         "1:ea60|9600|8|0|0|-1";

} // namespace

class SerialRecordTest : public QObject {
    Q_OBJECT

private slots:
    void constructsWithDefaults();
    void moveConstructionEmptiesSource();
    void moveAssignmentExchangesDescriptions();
};

void SerialRecordTest::constructsWithDefaults() {
    const Serial defaults;
    QCOMPARE(fieldsOf(defaults), blank);
    QVERIFY(!defaults.isBlocking);
    QCOMPARE(fieldsOf(Serial("COM3", "CP210x")), "COM3||CP210x|||0:0|0:0|9600|8|0|0|-1");
}

void SerialRecordTest::moveConstructionEmptiesSource() {
    Serial source = describedPort("COM3");
    const Serial target(std::move(source));
    QCOMPARE(fieldsOf(target), com3);
    QCOMPARE(fieldsOf(source), blank);
}

void SerialRecordTest::moveAssignmentExchangesDescriptions() {
    Serial source = describedPort("COM3");
    Serial target = describedPort("COM7");
    target.baudRate = 4800;
    target = std::move(source);
    QCOMPARE(fieldsOf(target), com3);
    QCOMPARE(fieldsOf(source), com7Left);

    Serial& self = target;
    target = std::move(self);
    QCOMPARE(fieldsOf(target), com3);
}

QTEST_APPLESS_MAIN(SerialRecordTest)
#include "tst_serialrecord.moc"
