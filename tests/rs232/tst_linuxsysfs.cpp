#include "fakeplatform.h"
#include "fakesysfs.h"
#include "rs232/platform_linux.h"
#include "rs232/serial.h"

#include <QtTest>

#include <fstream>

using namespace RS232;
using RS232::test::FakeSysfs;
using RS232::test::PlatformGuard;

namespace {

// A record as one line: name, location, description, manufacturer, identifiers, serial number,
// line settings and handle.
QString fieldsOf(const Serial& port) {
    return QString::fromStdString(port.portName + '|' + port.systemLocation + '|' +
                                  port.description + '|' + port.manufacturer + '|') +
           (port.hasVendorIdentifier ? QString::number(port.vendorIdentifier, 16) : "-") + ':' +
           (port.hasProductIdentifier ? QString::number(port.productIdentifier, 16) : "-") +
           QString("|%1|%2 %3%4%5 %6%7")
               .arg(QString::fromStdString(port.serialNumber))
               .arg(port.baudRate)
               .arg(port.byteSize)
               .arg(port.parity)
               .arg(port.stopBits)
               .arg(port.handle == invalidHandle ? "closed" : "open")
               .arg(port.isBlocking ? " blocking" : "");
}

} // namespace

// The Linux backend over a sysfs tree written by the test: ports with hardware only, described
// from their USB device, interface or driver.
class LinuxSysfsTest : public QObject {
    Q_OBJECT

    QTemporaryDir directory;
    std::string root;

private slots:
    void initTestCase() {
        QVERIFY(directory.isValid());
        root = directory.path().toStdString() + "/sys";
        FakeSysfs sysfs(root);
        sysfs.addUsbSerial(
            {"1-1", "10c4", "ea60", "0001", "Silicon Labs", "CP2102 USB to UART Bridge Controller"},
            "ttyUSB0", "cp210x");
        sysfs.addUsbSerial({"1-2.3", "0403", "6001", "A600abcd", "FTDI", "FT232R USB UART"},
                           "ttyUSB1", "ftdi_sio");
        sysfs.addCdcAcm({"1-4", "2341", "0043", "", "Arduino (www.arduino.cc)", "Uno"}, "ttyACM0",
                        "CDC Abstract Control Model");
        sysfs.addPnpSerial("00:04", "ttyS0");
        sysfs.addPhantomSerial("ttyS1");
        sysfs.addVirtualTty("tty0");
    }

    // A rescan reads a changed device again: another adapter plugged in where the last one was.
    void describesEachPort() {
        LinuxPlatform sysfsBackend(root);
        PlatformGuard guard(sysfsBackend);
        std::vector<Serial> ports;
        Serial::enumerate(ports);
        QStringList described;
        for (const Serial& port : ports)
            described << fieldsOf(port);
        QCOMPARE(
            described,
            QStringList({"ttyACM0|ttyACM0|CDC Abstract Control Model (cdc_acm)|Arduino "
                         "(www.arduino.cc)|2341:43||9600 800 closed",
                         "ttyS0|ttyS0|Serial port (serial)||-:-||9600 800 closed",
                         "ttyUSB0|ttyUSB0|CP2102 USB to UART Bridge Controller (cp210x)|Silicon "
                         "Labs|10c4:ea60|0001|9600 800 closed",
                         "ttyUSB1|ttyUSB1|FT232R USB UART (ftdi_sio)|FTDI|403:6001|A600ABCD|"
                         "9600 800 closed"}));
        std::ofstream(root + "/devices/pci0000:00/0000:00:14.0/usb1/1-1/serial") << "0002\n";
        Serial::enumerate(ports);
        QCOMPARE(ports.at(2).serialNumber, std::string("0002"));
    }
};

QTEST_APPLESS_MAIN(LinuxSysfsTest)
#include "tst_linuxsysfs.moc"
