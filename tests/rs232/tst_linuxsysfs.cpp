#include "fakeplatform.h"
#include "fakesysfs.h"
#include "rs232/platform_linux.h"
#include "rs232/serial.h"

#include <QtTest>

#include <fstream>

using namespace RS232;
using RS232::test::FakeSysfs;
using RS232::test::PlatformGuard;

class LinuxSysfsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void listsPortsWithHardware();
    void describesEachPort_data();
    void describesEachPort();
    void rescanReadsChangedDevices();

private:
    QTemporaryDir directory;
    std::string root;
    std::vector<Serial> ports;
};

void LinuxSysfsTest::initTestCase() {
    QVERIFY(directory.isValid());
    root = directory.path().toStdString() + "/sys";
    FakeSysfs sysfs(root);
    sysfs.addUsbSerial(
        {"1-1", "10c4", "ea60", "0001", "Silicon Labs", "CP2102 USB to UART Bridge Controller"},
        "ttyUSB0", "cp210x");
    sysfs.addUsbSerial({"1-2.3", "0403", "6001", "A600abcd", "FTDI", "FT232R USB UART"}, "ttyUSB1",
                       "ftdi_sio");
    sysfs.addCdcAcm({"1-4", "2341", "0043", "", "Arduino (www.arduino.cc)", "Uno"}, "ttyACM0",
                    "CDC Abstract Control Model");
    sysfs.addPnpSerial("00:04", "ttyS0");
    sysfs.addPhantomSerial("ttyS1");
    sysfs.addVirtualTty("tty0");
    LinuxPlatform sysfsBackend(root);
    PlatformGuard guard(sysfsBackend);
    Serial::enumerate(ports);
}

void LinuxSysfsTest::listsPortsWithHardware() {
    QStringList names;
    for (const Serial& port : ports)
        names << QString::fromStdString(port.portName);
    QCOMPARE(names, QStringList({"ttyACM0", "ttyS0", "ttyUSB0", "ttyUSB1"}));
}

void LinuxSysfsTest::describesEachPort_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("manufacturer");
    QTest::addColumn<int>("vendor");
    QTest::addColumn<int>("product");
    QTest::addColumn<QString>("serialNumber");
    QTest::newRow("ttyACM0") << 0 << "CDC Abstract Control Model (cdc_acm)"
                             << "Arduino (www.arduino.cc)" << 0x2341 << 0x0043 << "";
    QTest::newRow("ttyS0") << 1 << "Serial port (serial)"
                           << "" << -1 << -1 << "";
    QTest::newRow("ttyUSB0") << 2 << "CP2102 USB to UART Bridge Controller (cp210x)"
                             << "Silicon Labs" << 0x10C4 << 0xEA60 << "0001";
    QTest::newRow("ttyUSB1") << 3 << "FT232R USB UART (ftdi_sio)"
                             << "FTDI" << 0x0403 << 0x6001 << "A600ABCD";
}

void LinuxSysfsTest::describesEachPort() {
    QFETCH(int, index);
    QFETCH(QString, description);
    QFETCH(QString, manufacturer);
    QFETCH(int, vendor);
    QFETCH(int, product);
    QFETCH(QString, serialNumber);
    QVERIFY(index < int(ports.size()));
    const Serial& port = ports[std::size_t(index)];
    QCOMPARE(port.systemLocation, port.portName);
    QCOMPARE(QString::fromStdString(port.description), description);
    QCOMPARE(QString::fromStdString(port.manufacturer), manufacturer);
    QCOMPARE(port.hasVendorIdentifier, vendor >= 0);
    QCOMPARE(int(port.vendorIdentifier), std::max(vendor, 0));
    QCOMPARE(port.hasProductIdentifier, product >= 0);
    QCOMPARE(int(port.productIdentifier), std::max(product, 0));
    QCOMPARE(QString::fromStdString(port.serialNumber), serialNumber);
    QCOMPARE(port.handle, invalidHandle);
    QCOMPARE(port.isBlocking, false);
    QCOMPARE(port.baudRate, 9600);
    QCOMPARE(int(port.byteSize), 8);
    QCOMPARE(int(port.stopBits), 0);
    QCOMPARE(int(port.parity), 0);
}

// Another adapter plugged in where the last one was: same place in the tree, new serial number.
void LinuxSysfsTest::rescanReadsChangedDevices() {
    LinuxPlatform sysfsBackend(root);
    PlatformGuard guard(sysfsBackend);
    std::vector<Serial> before;
    Serial::enumerate(before);
    std::ofstream(root + "/devices/pci0000:00/0000:00:14.0/usb1/1-1/serial") << "0002\n";
    std::vector<Serial> after;
    Serial::enumerate(after);
    QCOMPARE(before.size(), after.size());
    QCOMPARE(before[2].serialNumber, std::string("0001"));
    QCOMPARE(after[2].serialNumber, std::string("0002"));
}

QTEST_APPLESS_MAIN(LinuxSysfsTest)
#include "tst_linuxsysfs.moc"
