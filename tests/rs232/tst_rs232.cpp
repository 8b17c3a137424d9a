#include "fakeplatform.h"
#include "fakesysfs.h"
#include "rs232/devicechange.h"
#include "rs232/devicenodes_linux.h"
#include "rs232/enumerate_linux.h"
#include "rs232/serial.h"
#include "rs232/termios_linux.h"
#include "tablerow.h"

#include <QtTest>

#include <chrono>
#include <cstring>
#include <functional>
#include <future>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <sys/ioctl.h>
#include <thread>
#include <tuple>
#include <unistd.h>

using namespace RS232;
using test::FakeDevice;
using test::namedDevice;

namespace {

// The message of the runtime_error that action throws; empty when it throws none.
QString messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::runtime_error& error) {
        return QString::fromUtf8(error.what());
    }
    return QString();
}

// A record as one line; with settings, the line settings, handle and mode follow.
QString fieldsOf(const Serial& port, bool settings = false) {
    QString fields =
        QString::fromStdString(port.portName + '|' + port.systemLocation + '|' + port.description +
                               '|' + port.manufacturer + '|') +
        (port.hasVendorIdentifier ? QString::number(port.vendorIdentifier, 16) : "-") + ':' +
        (port.hasProductIdentifier ? QString::number(port.productIdentifier, 16) : "-") + '|' +
        QString::fromStdString(port.serialNumber);
    if (settings)
        fields +=
            QString::asprintf(" %d %d%u%u %s %d @%s", port.baudRate, port.byteSize, port.parity,
                              port.stopBits, port.handle == invalidHandle ? "closed" : "open",
                              port.isBlocking, port.usbLocation.c_str());
    return fields;
}

// Enumerates into a list that holds a stale record, which must go.
QStringList enumerated(const test::FakePlatform& fake) {
    std::vector<Serial> ports;
    ports.emplace_back("COM99", "left over");
    Serial::enumerate(ports);
    QStringList lines;
    for (const Serial& port : ports)
        lines << fieldsOf(port) + QString::fromStdString(
                                      port.usbLocation.empty() ? "" : " @" + port.usbLocation);
    return fake.openHandles() == 0 ? lines : lines << "handles left open";
}

// A pseudo-terminal: the test plays the device at the master end, the port opens the slave.
struct Pty {
    int master = -1, slave = -1;
    char path[128] = {};

    Pty() { ::openpty(&master, &slave, path, nullptr, nullptr); }
    ~Pty() {
        ::close(master);
        ::close(slave);
    }
    void send(const std::string& bytes) const {
        QCOMPARE(::write(master, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }
};

// Waits until exactly count bytes wait to be read at the descriptor; false when that has not
// happened within ten seconds, a cap for a machine under any load, not a measurement.
bool waitForInput(int file, std::size_t count) {
    for (int tries = 0; tries < 10000; ++tries) {
        int waiting = 0;
        if (::ioctl(file, FIONREAD, &waiting) == 0 && std::size_t(waiting) == count)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

} // namespace

class Rs232Test : public QObject {
    Q_OBJECT

    test::FakePlatform fake;
    QTemporaryDir sysfsRoot;

private slots:
    // CP210x, FTDI, a dual-port CP2105, an adapter whose attributes are empty, one without a
    // serial number behind a hub with one, CDC ACM, a real and a phantom 8250 port, a serial port
    // card and a virtual terminal.
    void initTestCase() {
        test::FakeSysfs sysfs(sysfsRoot.path().toStdString());
        const std::string hub = sysfsRoot.path().toStdString() + "/devices/" + test::FakeSysfs::hub;
        sysfs.addUsbSerial("1-1", "idVendor=10c4;idProduct=ea60;serial=0001;manufacturer=SiLabs",
                           "ttyUSB0", "cp210x");
        sysfs.addUsbSerial(
            "1-2.3", "idVendor=0403;idProduct=6001;serial=A6ab;product=" + std::string(300, 'p'),
            "ttyUSB1", "ftdi_sio");
        std::filesystem::create_directory(hub + "/1-2.3/manufacturer");
        const std::string cp2105 = "idVendor=10c4;idProduct=ea70;serial=00A1B2;manufacturer="
                                   "Silicon Labs;product=CP2105 Dual USB to UART Bridge Controller";
        sysfs.addUsbSerial("1-3", cp2105, "ttyUSB2", "cp210x", "1.0", "interface=Enhanced");
        sysfs.addUsbSerial("1-3", cp2105, "ttyUSB3", "cp210x", "1.1", "interface=Standard");
        sysfs.addUsbSerial("1-5", "idVendor=;idProduct=ea60;serial=;manufacturer=;product=CP2102",
                           "ttyUSB4", "cp210x", "1.0", "interface=");
        sysfs.device(test::FakeSysfs::hub + "/1-6", "usb", "usb", "serial=HUB6");
        sysfs.addUsbSerial("1-6/1-6.1", "idVendor=067b;idProduct=2303", "ttyUSB5", "pl2303");
        sysfs.device(test::FakeSysfs::hub + "/1-4", "usb", "usb",
                     "idVendor=2341;idProduct=0043;manufacturer=Arduino");
        sysfs.device(test::FakeSysfs::hub + "/1-4/1-4:1.0", "usb", "cdc_acm", "interface=CDC ACM");
        sysfs.tty("ttyACM0", test::FakeSysfs::hub + "/1-4/1-4:1.0");
        sysfs.device("pnp0/00:04", "pnp", "serial", "id=PNP0501");
        sysfs.device("pnp0/00:04/00:04:0", "serial-base", "ctrl");
        sysfs.device("pnp0/00:04/00:04:0/00:04:0.0", "serial-base", "port");
        sysfs.tty("ttyS0", "pnp0/00:04/00:04:0/00:04:0.0", "4");
        sysfs.device("platform/serial8250/serial8250:0.1", "serial-base", "port");
        sysfs.tty("ttyS1", "platform/serial8250/serial8250:0.1", "0");
        sysfs.device("pci0000:00/0000:00:16.3", "pci", "serial", "vendor=0x8086;device=0xa363");
        sysfs.tty("ttyS4", "pci0000:00/0000:00:16.3");
        sysfs.tty("tty0", "");
    }

    void init() {
        fake = test::FakePlatform();
        installPlatform(&fake);
    }

    // Ports, modems, both interfaces, then SERIALCOMM: the first find of a name wins, printer
    // ports are left out, names sort byte-wise. A key gives a PortName string, else a PortNumber;
    // long values are read whole, a multi-string gives its first string if it fits at once. A USB
    // device's first location path, read whole, is where it is plugged in; others are not kept.
    void findsPortsOfEveryClass() {
        const std::string longName(300, 'N');
        FakeDevice cp210x = namedDevice(1, longName, "CP210x");
        cp210x.properties[spdrpMfg] = {regMultiSz, std::string("Maker\0Other\0\0", 13)};
        const std::string hubs =
            "PCIROOT(0)#USBROOT(0)" + QString("#USB(1)").repeated(40).toStdString();
        cp210x.properties[spdrpLocationPaths] = {regMultiSz,
                                                 hubs + '\0' + "ACPI(_SB_)" + '\0' + '\0'};
        FakeDevice modem = namedDevice(4, "COM10", "Modem");
        modem.properties[spdrpMfg] = {regMultiSz, std::string(300, 'm') + '\0' + '\0'};
        modem.properties[spdrpLocationPaths] = stringValue("ACPI(_SB_)#ACPI(UAR1)");
        FakeDevice numbered = namedDevice(5, "", "Modem interface");
        numbered.keyValues["PortName"].type = 3;
        numbered.keyValues["PortNumber"] = dwordValue(4);
        FakeDevice closed = namedDevice(6, "COM7");
        closed.keyOpens = false;
        for (const FakeDevice& device : {cp210x, namedDevice(2, "LPT1", "Printer Port"), closed})
            fake.addDevice(guidDevclassPorts, device);
        fake.addDevice(guidDevinterfaceComport, namedDevice(3, longName, "Interface view"));
        fake.addDevice(guidDevclassModem, modem);
        fake.addDevice(guidDevinterfaceModem, numbered);
        for (const char* name : {"COM1", "COM10", "LPT2", "CO", "COMB", "COM\xC3\x9C"})
            fake.serialComm[name] = stringValue(name);
        fake.serialComm["long"] = stringValue("COM" + longName);
        const QString cp = QString(300, 'N') + '|' + QString(300, 'N') +
                           "|CP210x|Maker|-:-| @PCIROOT(0)#USBROOT(0)" +
                           QString("#USB(1)").repeated(40);
        QCOMPARE(enumerated(fake),
                 QStringList(
                     {"CO|CO|||-:-|", "COM1|\\\\.\\COM1|||-:-|", "COM10|\\\\.\\COM10|Modem||-:-|",
                      "COM4|\\\\.\\COM4|Modem interface||-:-|", "COMB|\\\\.\\COMB|||-:-|",
                      "COM" + QString(300, 'N') + "|\\\\.\\COM" + QString(300, 'N') + "|||-:-|",
                      "COM\xC3\x9C|\\\\.\\COM\xC3\x9C|||-:-|", "LPT2|LPT2|||-:-|", cp}));
        // Without a complete view the list ends where it got, unsorted.
        fake.failingClasses.insert(guidDevinterfaceComport.data1);
        fake.classes[guidDevclassPorts.data1][1] = namedDevice(2, "COM2");
        QCOMPARE(enumerated(fake),
                 QStringList({cp, "COM2|\\\\.\\COM2|||-:-|", "COM10|\\\\.\\COM10|Modem||-:-|"}));
    }

    // The port's node, then its ancestors (- cannot be read): identifiers come from the port's
    // node, the serial number from the first node up the tree that has one.
    void readsIdentifiersAndSerialNumber() {
        const char* const cases[][2] = {
            {"USB\\VID_10C4&PID_EA60\\0001", "10c4:ea60|0001"},
            {"FTDIBUS\\VID_0403+PID_6001+A600ABCDA\\0000", "403:6001|A600ABCDA"},
            {"usb\\vid_10c4&pid_ea60\\ab12_00", "10c4:ea60|AB12"},
            {"USB\\VID_1234&PID_5678&MI_00\\6&1A2B&0 USB\\VID_1234&PID_5678\\XYZ", "1234:5678|XYZ"},
            {"PCI\\VEN_8086&DEV_9D3D&SUBSYS_1\\3&11&0 PCI\\VEN_8086&DEV_1234\\3&0", "8086:9d3d|"},
            {"ACPI\\PNP0501\\1 ROOT\\HUB\\2 USB\\VID_1111&PID_2222\\SN9", "-:-|SN9"},
            {"USB\\VID_1234&PID_5678&MI_01\\6&1&0 -", "1234:5678|"},
            {"-", "-:-|"},
            {"X\\VID_123456\\DEV_09AF", "1234:9af|"},
            {"X\\VID_&PID_G\\VEN_FA90", "fa90:-|"},
            {"USB\\VID_1&PID_2\\AB_CD_00", "1:2|AB_CD_00"},
            {"USB\\VID_1&PID_2\\AB&C_00", "1:2|"},
            {"USB\\VID_1&PID_2\\ABC_&0 USB\\X\\SN", "1:2|ABC"},
            {"FTDIBUS\\COMPORT&VID_0403\\0 FTDIBUS\\VID_0403+PID_6001+A6 ROOT\\USB\\1", "403:-|"}};
        for (const auto& [tree, expected] : cases) {
            fake = test::FakePlatform();
            const QStringList nodes = QString(tree).split(' ');
            for (DevNode node = 1; node <= DevNode(nodes.size()); ++node) {
                if (nodes[node - 1] != "-")
                    fake.nodes[node] = {nodes[node - 1].toStdString(), node + 1};
            }
            fake.addDevice(guidDevclassPorts, namedDevice(1, "COM3"));
            QCOMPARE(enumerated(fake).join(',').section('|', 4), QString(expected));
        }
    }

    // The record's line settings go into the state the port reports, whose flags stay; a
    // failing call while opening closes the new handle, but queue size and purge may fail.
    void opensPort() {
        const QStringList opening{
            "createFile \\\\.\\COM3", "getCommState", "setCommState 19200 8 2 0 20497",
            "setupComm 256 256",      "purgeComm 15", "setCommTimeouts 4294967295 0 0 0 1"};
        for (const auto& [failing, message, callsMade] :
             std::vector<std::tuple<std::string, QString, int>>{
                 {"", "", 6},
                 {"createFile", "Unable to open file: COM3", 1},
                 {"getCommState", "Unable to get COMM state: COM3", 2},
                 {"setCommState", "Unable to set COMM state: COM3", 3},
                 {"setCommTimeouts", "Unable to set COMM state: COM3", 6},
                 {"setupComm", "", 6},
                 {"purgeComm", "", 6}}) {
            fake = test::FakePlatform();
            fake.failing = failing;
            Serial port("COM3", "");
            port.baudRate = 19200;
            port.parity = 0x102;
            QCOMPARE(messageOf([&port] { port.open(); }), message);
            QStringList calls = opening.mid(0, callsMade);
            if (!message.isEmpty() && callsMade > 1)
                calls << "closeHandle";
            QCOMPARE(QString::fromStdString(fake.calls), calls.join('\n') + '\n');
            QCOMPARE(port.handle == invalidHandle, !message.isEmpty());
        }
    }

    // A move hands everything over and leaves the source closed and default; assignment closes
    // the target's handle and leaves its descriptions in the source. Blocking reopens a port;
    // flushing reaches the system.
    void movesRecords() {
        fake.nodes[1] = {"USB\\VID_10C4&PID_EA60\\SN1", 0};
        FakeDevice device = namedDevice(1, "COM3", "CP210x");
        device.properties[spdrpMfg] = stringValue("Maker");
        fake.addDevice(guidDevclassPorts, device);
        QCOMPARE(messageOf([] { Serial::find("com3"); }), QString("Not found: com3"));
        {
            Serial source = Serial::find("COM3");
            source.baudRate = 115200;
            source.byteSize = 7;
            source.parity = 1;
            source.stopBits = 2;
            source.usbLocation = "1-1:1.0";
            source.open();
            source.blocking(true);
            source.flush();
            QVERIFY(QString::fromStdString(fake.calls)
                        .endsWith("15\nsetCommTimeouts 0 0 0 0 0\nflushFileBuffers\n"));
            Serial moved(std::move(source));
            const QString com3 =
                "COM3|\\\\.\\COM3|CP210x|Maker|10c4:ea60|SN1 115200 712 open 1 @1-1:1.0";
            QCOMPARE(fieldsOf(moved, true), com3);
            QCOMPARE(fieldsOf(source, true), QString("||||-:-| 9600 800 closed 0 @"));
            Serial assigned("COM7", "other");
            assigned.open();
            char buffer[1];
            QCOMPARE(assigned.read(buffer, 1) + assigned.write("x", 1), -44); // both fail
            assigned = std::move(moved);
            QCOMPARE(fieldsOf(assigned, true), com3);
            QCOMPARE(fieldsOf(moved, true), QString("COM7||other||-:-| 9600 800 closed 0 @"));
            Serial& self = assigned;
            assigned = std::move(self);
            QCOMPARE(fieldsOf(assigned, true), com3);
            QCOMPARE(QString::fromStdString(fake.calls).count("closeHandle"), 2);
        }
        QCOMPARE(QString::fromStdString(fake.calls).count("closeHandle"), 3);
        QCOMPARE(fake.openHandles(), std::size_t(0));
    }

    // Linux ports straight from a sysfs tree: ports with hardware only, in name order, described
    // from their USB interface, device or driver; an attribute that cannot be read or is empty
    // counts as absent. The location is the USB interface, so a dual-port adapter's ports differ.
    void describesPortsFromSysfs_data() {
        addColumns({"tty", "record"});
        const QString ftdi = "ttyUSB1|/dev/ttyUSB1|" + QString(300, 'p') + " (ftdi_sio)||403:6001|";
        const QString cp2105 = " (cp210x)|Silicon Labs|10c4:ea70|00A1B2|1-3:1.";
        addRow("CP210x",
               {"ttyUSB0", "ttyUSB0|/dev/ttyUSB0| (cp210x)|SiLabs|10c4:ea60|0001|1-1:1.0"});
        addRow("FTDI, unreadable maker", {"ttyUSB1", ftdi + "A6AB|1-2.3:1.0"});
        addRow("CP2105 first", {"ttyUSB2", "ttyUSB2|/dev/ttyUSB2|Enhanced" + cp2105 + "0"});
        addRow("CP2105 second", {"ttyUSB3", "ttyUSB3|/dev/ttyUSB3|Standard" + cp2105 + "1"});
        addRow("empty attributes",
               {"ttyUSB4", "ttyUSB4|/dev/ttyUSB4|CP2102 (cp210x)||-:ea60||1-5:1.0"});
        addRow("no serial, behind a hub with one",
               {"ttyUSB5", "ttyUSB5|/dev/ttyUSB5| (pl2303)||67b:2303||1-6.1:1.0"});
        addRow("CDC ACM",
               {"ttyACM0", "ttyACM0|/dev/ttyACM0|CDC ACM (cdc_acm)|Arduino|2341:43||1-4:1.0"});
        addRow("8250", {"ttyS0", "ttyS0|/dev/ttyS0|Serial port (serial)||-:-||"});
        addRow("8250 phantom", {"ttyS1", "absent"});
        addRow("PCI", {"ttyS4", "ttyS4|/dev/ttyS4|Serial port (serial)||8086:a363||"});
        addRow("virtual terminal", {"tty0", "absent"});
    }
    void describesPortsFromSysfs() {
        QFETCH(QString, tty);
        QFETCH(QString, record);
        std::vector<Serial> ports;
        enumerateSysfs(sysfsRoot.path().toStdString() + "/", ports);
        QString found = "absent";
        for (const Serial& port : ports) {
            if (port.portName == tty.toStdString())
                found = fieldsOf(port) + '|' + QString::fromStdString(port.usbLocation);
        }
        QCOMPARE(found, record);
        QVERIFY(std::is_sorted(ports.begin(), ports.end(), [](const Serial& a, const Serial& b) {
            return a.portName < b.portName;
        }));
    }

    // The line as data bits, parity letter and stop-bit code, the DCB flow flags and the control
    // flags set, 0 when refused; one and a half stop bits read back as two.
    void mapsLineSettingsToTermios() {
        const QString parities = "NOEMS?";
        for (const auto& [line, flow, control] : std::vector<std::tuple<QString, uint, uint>>{
                 {"8N0", 0, CS8},
                 {"7O2", 0, CS7 | PARENB | PARODD | CSTOPB},
                 {"6E0", 0, CS6 | PARENB},
                 {"5M1", 0, CS5 | PARENB | PARODD | CMSPAR | CSTOPB},
                 {"8S0", 0, CS8 | PARENB | CMSPAR},
                 {"8N0", 0x4, CS8 | CRTSCTS},
                 {"8N0", 0x2000, CS8 | CRTSCTS},
                 {"8N0", 0x3000, CS8},
                 {"4N0", 0, 0},
                 {"9N0", 0, 0},
                 {"8?0", 0, 0},
                 {"8N3", 0, 0}}) {
            CommState state{};
            state.baudRate = 115200;
            state.flags = flow;
            state.byteSize = std::uint8_t(line[0].digitValue());
            state.parity = std::uint8_t(parities.indexOf(line[1]));
            state.stopBits = std::uint8_t(line[2].digitValue());
            termios settings{};
            settings.c_iflag = IXON | IXOFF;
            QCOMPARE(termiosmap::applyCommState(state, settings), control != 0);
            if (control == 0)
                continue;
            const uint mask = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS | CREAD | CLOCAL;
            QCOMPARE(uint(settings.c_cflag & mask), control | CREAD | CLOCAL);
            QCOMPARE(uint(settings.c_iflag & (IXON | IXOFF | INPCK)), line[1] == 'N' ? 0u : INPCK);
            const CommState back = termiosmap::commStateOf(settings);
            QCOMPARE(QString::number(back.byteSize) + parities[std::min<int>(back.parity, 5)] +
                         QString::number(back.stopBits),
                     QString(line).replace("1", "2"));
            QCOMPARE(back.flags, (control & CRTSCTS) ? 0x2005u : 0x1u);
        }
        // Every rate with a termios speed goes in and comes back; others are refused.
        for (std::uint32_t rate :
             {50,      75,      110,     134,     150,     200,    300,     600,
              1200,    1800,    2400,    4800,    9600,    19200,  38400,   57600,
              115200,  230400,  460800,  500000,  576000,  921600, 1000000, 1152000,
              1500000, 2000000, 2500000, 3000000, 3500000, 4000000}) {
            CommState state{};
            state.baudRate = rate;
            state.byteSize = 8;
            termios settings{};
            QVERIFY(termiosmap::applyCommState(state, settings));
            QCOMPARE(termiosmap::commStateOf(settings).baudRate, rate);
            state.baudRate = rate + 1;
            QVERIFY(!termiosmap::applyCommState(state, settings));
        }
    }

    // Without waiting, a read returns what has come, 0 when nothing has, and a write what fits;
    // a blocking read waits for every byte. A name without a leading slash is under /dev.
    void transfersThroughTerminal() {
        installPlatform(nullptr);
        Pty pty;
        Serial port(pty.path + 5, "");
        char buffer[16];
        const QString notOpen = QString::fromStdString("Serial port is not open: " + port.portName);
        QCOMPARE(messageOf([&] { port.read(buffer, 1); }), notOpen);
        QCOMPARE(messageOf([&] { port.write(buffer, 1); }), notOpen);
        QCOMPARE(messageOf([&] { port.flush(); }), notOpen);
        port.open();
        QCOMPARE(port.write("ping", 4), 4);
        port.flush();
        QVERIFY(waitForInput(pty.master, 4));
        QCOMPARE(
            std::string(buffer, std::size_t(std::max<ssize_t>(::read(pty.master, buffer, 4), 0))),
            "ping");
        // Nothing will come, so a read that waited for bytes would never return.
        QCOMPARE(port.read(buffer, sizeof buffer), 0);
        const std::string bytes("po\0\x13ng", 6);
        pty.send(bytes);
        QVERIFY(waitForInput(int(port.handle), bytes.size()));
        QCOMPARE(std::string(buffer, std::size_t(std::max(port.read(buffer, sizeof buffer), 0))),
                 bytes);
        // The device sends the rest only once the read has taken the first bytes, so only a
        // read that waits returns all six.
        port.blocking(true);
        pty.send("abc");
        QVERIFY(waitForInput(int(port.handle), 3));
        std::future<int> read =
            std::async(std::launch::async, [&] { return port.read(buffer, 6); });
        const bool taken = waitForInput(int(port.handle), 0);
        pty.send("def");
        QVERIFY(taken);
        QCOMPARE(std::string(buffer, std::size_t(std::max(read.get(), 0))), "abcdef");
        // Nobody reads the other end, so a write that waited for all would never return.
        port.blocking(false);
        const std::string block(1 << 20, 'x');
        const int written = port.write(block.data(), unsigned(block.size()));
        QVERIFY(written > 0 && written < int(block.size()));
    }

    // The port is opened for this record alone; a failed open leaves it free.
    void opensExclusivelyOrFails() {
        installPlatform(nullptr);
        Pty pty;
        const QString name(pty.path);
        Serial oddRate(pty.path, "");
        oddRate.baudRate = 12345;
        QCOMPARE(messageOf([&oddRate] { oddRate.open(); }), "Unable to set COMM state: " + name);
        Serial port(pty.path, "");
        port.open();
        QCOMPARE(messageOf([&port] { port.open(); }), "Already open: " + name);
        Serial other(pty.path, "");
        QCOMPARE(messageOf([&other] { other.open(); }), "Unable to open file: " + name);
        port.close();
        other.open();
        Serial notTerminal("/dev/null", "");
        QCOMPARE(messageOf([&notTerminal] { notTerminal.open(); }),
                 QString("Unable to get COMM state: /dev/null"));
    }

    // A folder standing in for /dev, holding ttyUSB9, watched with no udev running. A step
    // changes the folder once: "+NAME" makes a node, "-NAME" removes one, ">NAME" moves one in
    // from elsewhere; an adapter's sysfs entries come before its node and go before it, as the
    // kernel has it. Then: whether the event counts, and the ports enumerated at that moment.
    // No step: the folder does not exist, and there is nothing to watch.
    void watchesDeviceNodes_data() {
        addColumns({"step", "changed", "ports"});
        addRow("adapter plugged in", {"+ttyUSB7", "1", "ttyUSB7 ttyUSB9"});
        addRow("adapter pulled out", {"-ttyUSB9", "1", ""});
        addRow("node moved in", {">ttyUSB7", "1", "ttyUSB7 ttyUSB9"});
        addRow("other node", {"+sda1", "0", "ttyUSB9"});
        addRow("controlling terminal", {"+tty", "0", "ttyUSB9"});
        addRow("no folder", {"", "0", ""});
    }
    void watchesDeviceNodes() {
        QFETCH(QString, step);
        QFETCH(QString, changed);
        QTemporaryDir dev, sys, elsewhere;
        test::FakeSysfs sysfs(sys.path().toStdString());
        sysfs.addUsbSerial("1-9", "idVendor=10c4;idProduct=ea60;serial=0009", "ttyUSB9", "cp210x");
        std::ofstream(dev.filePath("ttyUSB9").toStdString());
        DeviceNodeWatch watch((step.isEmpty() ? dev.filePath("none") : dev.path()).toStdString());
        QCOMPARE(watch.descriptor() < 0, step.isEmpty());
        if (step.isEmpty())
            return;
        const std::string name = step.mid(1).toStdString();
        const std::string node = dev.filePath(step.mid(1)).toStdString();
        if (step.startsWith('-'))
            std::filesystem::remove(sys.path().toStdString() + "/class/tty/" + name);
        else if (step.startsWith("+ttyUSB") || step.startsWith(">"))
            sysfs.addUsbSerial("1-7", "idVendor=10c4;idProduct=ea60;serial=0007", name, "cp210x");
        if (step.startsWith('+'))
            std::ofstream(node).close();
        else if (step.startsWith('-'))
            std::filesystem::remove(node);
        if (step.startsWith('>')) {
            std::ofstream(elsewhere.filePath("n").toStdString()).close();
            std::filesystem::rename(elsewhere.filePath("n").toStdString(), node);
        }
        pollfd readable{watch.descriptor(), POLLIN, 0};
        QCOMPARE(::poll(&readable, 1, 10000), 1); // a cap, not a measure
        QCOMPARE(watch.terminalNodesChanged(), changed == "1");
        std::vector<Serial> ports;
        enumerateSysfs(sys.path().toStdString(), ports);
        QStringList names;
        for (const Serial& port : ports)
            names << QString::fromStdString(port.portName);
        QTEST(names.join(' '), "ports");
    }

    // WM_DEVICECHANGE as Windows sends it, built here: the message, the event, and the
    // broadcast's size, device type and interface (C the COM port's, M a modem's), "-" for none;
    // what it says, and whether the window's event filter takes it as news.
    void decodesDeviceChange_data() {
        QTest::addColumn<uint>("message");
        QTest::addColumn<uint>("event");
        QTest::addColumn<QString>("broadcast");
        QTest::addColumn<int>("change");
        const int none = int(PortChange::none);
        QTest::newRow("arrival") << 0x219u << 0x8000u << "32 5 C" << int(PortChange::arrival);
        QTest::newRow("removal") << 0x219u << 0x8004u << "32 5 C" << int(PortChange::removal);
        QTest::newRow("removal only asked") << 0x219u << 0x8001u << "32 5 C" << none;
        QTest::newRow("modem interface") << 0x219u << 0x8000u << "32 5 M" << none;
        QTest::newRow("port broadcast") << 0x219u << 0x8000u << "32 3 C" << none;
        QTest::newRow("size short of the GUID") << 0x219u << 0x8000u << "27 5 C" << none;
        QTest::newRow("no broadcast") << 0x219u << 0x8000u << "-" << none;
        QTest::newRow("another message") << 0x18u << 0x8000u << "32 5 C" << none;
    }
    void decodesDeviceChange() {
        QFETCH(uint, message);
        QFETCH(uint, event);
        QFETCH(QString, broadcast);
        const QStringList fields = broadcast.split(' ');
        const Guid guid = fields.value(2) == "C" ? guidDevinterfaceComport : guidDevinterfaceModem;
        unsigned char bytes[40] = {};
        const std::uint32_t words[] = {fields[0].toUInt(), fields.value(1).toUInt(), 0};
        std::memcpy(bytes, words, sizeof words);
        std::memcpy(bytes + 12, &guid.data1, 4);
        std::memcpy(bytes + 16, &guid.data2, 2);
        std::memcpy(bytes + 18, &guid.data3, 2);
        std::memcpy(bytes + 20, guid.data4, 8);
        const void* lParam = broadcast == "-" ? nullptr : bytes;
        QTEST(int(portChangeOf(message, event, lParam)), "change");
        // The window's filter takes the same, only for Windows messages sent to the window.
        int window = 0, other = 0;
        QFETCH(int, change);
        QCOMPARE(isPortNotice("windows_generic_MSG", &window, &window, message, event, lParam),
                 change != int(PortChange::none));
        QVERIFY(!isPortNotice("windows_generic_MSG", &other, &window, message, event, lParam));
        QVERIFY(!isPortNotice("windows_dispatcher_MSG", &window, &window, message, event, lParam));
    }
};

QTEST_APPLESS_MAIN(Rs232Test)
#include "tst_rs232.moc"
